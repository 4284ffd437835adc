#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Subcommands.h"

using voltaro::cli::Subcommands;

namespace {

void Usage(FILE* out) {
    std::fprintf(out,
                 "usage: voltaro-cli COMMAND [OPTIONS]\n"
                 "The command-line companion of Voltaro, the multimeter recorder.\n\n"
                 "commands:\n");
    for (const auto& c : Subcommands()) std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
    std::fprintf(out, "\n'voltaro-cli COMMAND --help' describes a command.\n");
}

// Commands that draw need fonts, so a GUI application; without a display it runs offscreen.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    for (const auto& c : Subcommands()) {
        if (argc >= 2 && c.draws && !std::strcmp(argv[1], c.name)) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    auto app = MakeApplication(argc, argv);
    // The program's name, so that a per-user program folder is the one the window uses.
    QCoreApplication::setApplicationName(QStringLiteral("voltaro"));
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    const char* name = argv[1];
    if (!std::strcmp(name, "--help") || !std::strcmp(name, "-h") || !std::strcmp(name, "help")) {
        Usage(stdout);
        return 0;
    }
    for (const auto& c : Subcommands()) {
        // Arguments stay bytes: frames and device names are single-byte text.
        if (!std::strcmp(name, c.name)) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "voltaro-cli: unknown command '%s'\n\n", name);
    Usage(stderr);
    return 2;
}
