#include <QCommandLineParser>
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
    std::fprintf(out,
                 "\n'voltaro-cli COMMAND --help' describes a command; 'voltaro-cli --version' gives the\n"
                 "program's version.\n");
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
    // Options before the command are the tool's own; everything from the command on is its.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLatin1(argv[i]);
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help) || parser.positionalArguments().value(0) == QLatin1String("help")) {
        Usage(stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::puts("voltaro-cli " VOLTARO_VERSION);
        return 0;
    }
    if (!understood) {
        std::fprintf(stderr, "voltaro-cli: %s\n\n", qPrintable(parser.errorText()));
        Usage(stderr);
        return 2;
    }
    if (parser.positionalArguments().isEmpty()) {
        Usage(stderr);
        return 2;
    }
    // Arguments stay bytes: frames and device names are single-byte text.
    const int first = argc - static_cast<int>(parser.positionalArguments().size());
    const char* name = argv[first];
    for (const auto& c : Subcommands())
        if (!std::strcmp(name, c.name)) return c.run(std::vector<std::string>(argv + first + 1, argv + argc));
    std::fprintf(stderr, "voltaro-cli: unknown command '%s'\n\n", name);
    Usage(stderr);
    return 2;
}
