#pragma once

#include <string>

namespace voltaro {

// The file a port name stands for, as the serial layer resolves it: a bare name ("ttyUSB0",
// "tty") is a device under /dev; a path stays as it is.
std::string DevicePath(const std::string& portName);

// Why a device must not be opened as the meter's port: not a character device, or the
// controlling terminal (/dev/tty, or the terminal the program runs in under its own name),
// whose settings the port would take away from the user. "" when it may be opened.
std::string RefusedAsMeterPort(const std::string& path);

// The cause of a failed open, in words for a person, from the system's error number: no such
// device, permission (with how to get it through the group that owns the device), busy, or
// not a serial device; the system's words otherwise.
std::string OpenErrorCause(int err, const std::string& deviceGroup);

// Looks at a device that the serial layer could not open and says why: opens it once itself
// and asks it for its line settings. `lockRefused`: the serial layer found the device locked
// by another program. "" when nothing is wrong with the device.
std::string DiagnoseOpenFailure(const std::string& path, bool lockRefused);

// Sets a terminal's line to raw 8 bits without parity, whatever settings a program killed
// while holding it left behind. False when the device cannot be opened or set.
bool ResetLineToRaw(const std::string& path);

}  // namespace voltaro
