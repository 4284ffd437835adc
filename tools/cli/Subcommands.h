#pragma once

#include <string>
#include <vector>

namespace voltaro::cli {

// One subcommand of voltaro-cli: its arguments come without the tool's and the command's name.
struct Subcommand {
    const char* name;
    const char* summary;
    int (*run)(const std::vector<std::string>& args);
    bool draws = false;  // needs fonts: runs with a GUI application (offscreen without a display)
};

// Every subcommand, in the order the tool's help lists them.
const std::vector<Subcommand>& Subcommands();

int RunDecode(const std::vector<std::string>& args);
int RunRead(const std::vector<std::string>& args);
int RunRecord(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunPanel(const std::vector<std::string>& args);
int RunGraph(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);

}  // namespace voltaro::cli
