#include "CommandLine.h"

#include <cstdio>

namespace voltaro::cli {

namespace {

// Arguments stay bytes: frames and device names are single-byte text, and Latin-1 gives every
// byte back as it came, whatever the locale.
QString FromBytes(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

std::string ToBytes(const QString& s) {
    return s.toLatin1().toStdString();
}

}  // namespace

int SayVersion() {
    std::puts("voltaro-cli " VOLTARO_VERSION);
    return 0;
}

CommandLine::CommandLine(const char* command, const char* help,
                         std::initializer_list<const char*> valueOptions,
                         std::initializer_list<const char*> flags)
    : command_(command), help_(help) {
    for (const char* name : valueOptions)
        parser_.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : flags) parser_.addOption(QCommandLineOption(QString::fromLatin1(name)));
    parser_.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser_.addOption(QCommandLineOption(QStringLiteral("version")));
}

std::optional<int> CommandLine::Parse(const std::vector<std::string>& args, bool positionalAllowed) {
    QStringList arguments{QStringLiteral("voltaro-cli")};
    for (const std::string& a : args) arguments << FromBytes(a);
    const bool understood = parser_.parse(arguments);
    if (Given("help")) {
        std::fputs(help_, stdout);
        return 0;
    }
    if (Given("version")) return SayVersion();
    std::string wrong;
    if (const QStringList unknown = parser_.unknownOptionNames(); !unknown.isEmpty()) {
        wrong = "unexpected argument '" + std::string(unknown.front().size() == 1 ? "-" : "--") +
                ToBytes(unknown.front()) + "'";
    } else if (!understood) {
        wrong = ToBytes(parser_.errorText());
    } else if (!positionalAllowed && !parser_.positionalArguments().isEmpty()) {
        wrong = "unexpected argument '" + ToBytes(parser_.positionalArguments().front()) + "'";
    }
    if (wrong.empty()) return std::nullopt;
    return Wrong(wrong);
}

bool CommandLine::Given(const char* name) const {
    return parser_.isSet(QString::fromLatin1(name));
}

std::string CommandLine::Text(const char* name, const std::string& fallback) const {
    return Given(name) ? ToBytes(parser_.value(QString::fromLatin1(name))) : fallback;
}

std::vector<std::string> CommandLine::Positional() const {
    std::vector<std::string> out;
    for (const QString& a : parser_.positionalArguments()) out.push_back(ToBytes(a));
    return out;
}

int CommandLine::Wrong(const std::string& problem) const {
    std::fprintf(stderr, "voltaro-cli %s: %s\n\n%s", command_.c_str(), problem.c_str(), help_);
    return 2;
}

int CommandLine::Fail(int status, const std::string& message) const {
    std::fprintf(stderr, "voltaro-cli %s: %s\n", command_.c_str(), message.c_str());
    return status;
}

}  // namespace voltaro::cli
