#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace voltaro {

class Beeper;
class Clock;
class FileDialogs;
class MessageSeam;
class Printers;
class PortTable;
class SerialPort;
class SettingsStore;

// What the program is given from outside itself: the platform's seams (real ones in the
// program, doubles in tests), its folder, and whether it runs in the developer's test mode.
struct ProgramContext {
    SettingsStore* store = nullptr;
    MessageSeam* messages = nullptr;
    Clock* clock = nullptr;
    Beeper* beeper = nullptr;
    FileDialogs* fileDialogs = nullptr;
    // The printer dialog and the printer; the system's own when none is given.
    Printers* printers = nullptr;
    // A new serial control; each window that talks to the meter owns one.
    std::function<std::unique_ptr<SerialPort>(const PortTable&)> makePort;
    // Where "Setup.ini", the trace files and "Untitled.dmm" live.
    std::string programFolder;
    // The executable's title ("voltaro"): the application name of the per-user store and the
    // name of the trace files.
    std::string applicationName = "voltaro";
    // The running executable, whose date the About window shows.
    std::string executablePath;
    bool DebugMode = false;
    // The program that opens HTML files ("" when there is none), and a way to start a program
    // with its arguments.
    std::string htmlBrowser;
    std::function<void(const std::string& program, const std::vector<std::string>& args)> startProgram;
};

}  // namespace voltaro
