#pragma once

#include <QCommandLineParser>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace voltaro::cli {

// Prints "voltaro-cli VERSION" on standard output; gives 0 back.
int SayVersion();

// A subcommand's arguments read by Qt's parser. Every command answers -h/--help with its own
// text and --version; a wrong argument is said with the help after it and exits with 2.
class CommandLine {
public:
    CommandLine(const char* command, const char* help, std::initializer_list<const char*> valueOptions,
                std::initializer_list<const char*> flags);

    // The exit status when the command ends here (help, version, a wrong argument), else nothing.
    std::optional<int> Parse(const std::vector<std::string>& args, bool positionalAllowed);

    bool Given(const char* name) const;
    std::string Text(const char* name, const std::string& fallback = {}) const;
    std::vector<std::string> Positional() const;

    // Says "voltaro-cli COMMAND: problem" and the help on standard error; gives 2 back.
    int Wrong(const std::string& problem) const;

    // Says "voltaro-cli COMMAND: message" on standard error and gives the status back.
    int Fail(int status, const std::string& message) const;

private:
    std::string command_;
    const char* help_;
    QCommandLineParser parser_;
};

}  // namespace voltaro::cli
