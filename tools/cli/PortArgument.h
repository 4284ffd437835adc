#pragma once

#include <string>

#include "link/SerialPort.h"

namespace voltaro::cli {

// A whole number from min to max, the whole text and nothing else.
bool WholeNumber(const std::string& text, long& out, long min, long max);

// The port a --port argument names: "COMn" (any letter case, n from 1 to 10) is port n of the
// program's table, the defaults with the "Ports" section of Setup.ini in `folder` over them;
// anything else is a device path, put in as port 1.
struct PortChoice {
    PortTable table;
    int portNumber = 1;
};
PortChoice ChoosePort(const std::string& portArg, const std::string& folder);

// "cannot open PORT (DEVICE): CAUSE", the device named when the argument was a port number.
std::string CannotOpenText(const std::string& portArg, const std::string& device, const std::string& cause);

}  // namespace voltaro::cli
