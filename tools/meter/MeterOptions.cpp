#include "MeterOptions.h"

#include <QCommandLineParser>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace voltaro::meter {

namespace {

bool ParseNumber(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

template <typename Int>
bool ParseWhole(const std::string& text, Int& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

// Checks a number option and stores it; the message says what was wanted.
struct NumberRule {
    double low, high;
    bool lowOpen;
    const char* want;
};

std::string SetNumber(const std::string& name, const std::string& text, const NumberRule& rule, double& out) {
    double v = 0;
    if (!ParseNumber(text, v) || v < rule.low || (rule.lowOpen && v == rule.low) || v > rule.high)
        return "--" + name + " wants " + rule.want + ", not '" + text + "'";
    out = v;
    return {};
}

constexpr double kHuge = 1e300;

const char* const kValueOptions[] = {"profile",  "function",  "range", "value", "amplitude", "period",
                                     "hold",     "file",      "rate",  "baud",  "noise",     "flicker",
                                     "overload", "off-after", "seed",  "log",   "link"};

void AddOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kValueOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : {"once", "auto", "version"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
}

bool Given(const QCommandLineParser& parser, const char* name) {
    return parser.isSet(QString::fromLatin1(name));
}

// Latin-1 gives every byte of an argument back as it came, whatever the locale.
std::string Text(const QCommandLineParser& parser, const char* name) {
    return parser.value(QString::fromLatin1(name)).toLatin1().toStdString();
}

// What the parser itself refused: an unknown option, a stray argument, a missing value.
std::string SyntaxError(const QCommandLineParser& parser, bool understood) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return "unknown option '--" + unknown.front().toLatin1().toStdString() + "'";
    if (!understood) return parser.errorText().toStdString();
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return "unexpected argument '" + extra.front().toLatin1().toStdString() + "'";
    return {};
}

// The options that name something: a profile, a function, files.
std::string ReadNames(const QCommandLineParser& parser, MeterOptions& o) {
    if (Given(parser, "profile")) {
        o.profile = Text(parser, "profile");
        static const char* const kProfiles[] = {"ramp", "steady", "sine", "sweep", "replay"};
        if (std::find(std::begin(kProfiles), std::end(kProfiles), o.profile) == std::end(kProfiles))
            return "unknown profile '" + o.profile + "' (ramp, steady, sine, sweep or replay)";
    }
    if (Given(parser, "function")) {
        o.function = Text(parser, "function");
        if (!FindFunction(o.function)) return "unknown function '" + o.function + "' (see --help)";
    }
    o.file = Text(parser, "file");
    o.log = Text(parser, "log");
    o.link = Text(parser, "link");
    o.once = Given(parser, "once");
    o.autoRange = Given(parser, "auto");
    return {};
}

std::string ReadWholeNumbers(const QCommandLineParser& parser, MeterOptions& o) {
    if (Given(parser, "range")) {
        int r = 0;
        if (!ParseWhole(Text(parser, "range"), r))
            return "--range wants a range number, not '" + Text(parser, "range") + "'";
        o.range = r;
    }
    if (Given(parser, "hold") && (!ParseWhole(Text(parser, "hold"), o.hold) || o.hold < 1))
        return "--hold wants a whole number of readings from 1";
    if (Given(parser, "seed")) {
        uint64_t s = 0;
        if (!ParseWhole(Text(parser, "seed"), s))
            return "--seed wants a whole number, not '" + Text(parser, "seed") + "'";
        o.seed = s;
    }
    return {};
}

std::string ReadNumbers(const QCommandLineParser& parser, MeterOptions& o) {
    const NumberRule any{-kHuge, kHuge, false, "a number"};
    const NumberRule positive{0, kHuge, true, "a number above 0"};
    const NumberRule share{0, 1, false, "a number from 0 to 1"};
    double amplitude = 0;
    const struct {
        const char* name;
        double& field;
        NumberRule rule;
    } numbers[] = {
        {"value", o.value, any},
        {"amplitude", amplitude, any},
        {"period", o.period, positive},
        {"rate", o.rate, positive},
        {"baud", o.baud, {50, 4000000, false, "a line speed from 50 to 4000000"}},
        {"noise", o.faults.noise, {0, 0.5, false, "a number from 0 to 0.5"}},
        {"flicker", o.faults.flicker, share},
        {"overload", o.faults.overload, share},
        {"off-after", o.faults.offAfter, {0, kHuge, false, "a number of seconds"}},
    };
    for (const auto& n : numbers) {
        if (!Given(parser, n.name)) continue;
        if (std::string e = SetNumber(n.name, Text(parser, n.name), n.rule, n.field); !e.empty()) return e;
    }
    if (Given(parser, "amplitude")) o.amplitude = amplitude;
    return {};
}

// Without --profile the options given choose it; then the profile's needs are checked.
std::string ChooseProfile(const QCommandLineParser& parser, MeterOptions& o) {
    const bool functionGiven = Given(parser, "function") || Given(parser, "value");
    if (o.profile.empty()) o.profile = !o.file.empty() ? "replay" : functionGiven ? "steady" : "ramp";
    if (o.profile == "replay" && o.file.empty()) return "the replay profile needs --file";
    const MeterFunction& f = *FindFunction(o.function);
    if (!o.range || FindRange(f, *o.range)) return {};
    std::string ranges;
    for (const MeterRange& r : f.ranges) ranges += (ranges.empty() ? "" : ", ") + std::to_string(r.number);
    return "function " + o.function + " has no range " + std::to_string(*o.range) + " (it has " + ranges +
           ")";
}

}  // namespace

ParsedOptions ParseMeterOptions(const std::vector<std::string>& args) {
    QStringList arguments{QStringLiteral("voltaro-meter")};
    for (const std::string& a : args)
        arguments << QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()));
    QCommandLineParser parser;
    AddOptions(parser);
    const bool understood = parser.parse(arguments);

    ParsedOptions parsed;
    MeterOptions& o = parsed.options;
    o.help = Given(parser, "help");
    o.version = Given(parser, "version");
    if (o.help || o.version) return parsed;
    parsed.error = SyntaxError(parser, understood);
    for (auto step : {ReadNames, ReadWholeNumbers, ReadNumbers, ChooseProfile})
        if (parsed.error.empty()) parsed.error = step(parser, o);
    return parsed;
}

std::string MeterHelpText() {
    std::string text =
        "Usage: voltaro-meter [OPTION]...\n"
        "A simulated handheld multimeter on a pseudo-terminal. Prints the device to open (one line on\n"
        "standard output), then sends frames of 9 characters and CR LF at the pace of a 2400 baud 7O1\n"
        "line (about 22 frames a second), with a new reading 2 to 3 times a second, each repeated in\n"
        "between. Runs until interrupted (Ctrl-C, SIGTERM).\n"
        "\n"
        "Profiles:\n"
        "  --profile ramp      millivolts 0010 to 0500 in steps of 10 and back down to 0000, like the\n"
        "                      program's test mode: frames \"00010;008\", \"00020;008\", ...\n"
        "  --profile steady    one value: --function, --range, --value\n"
        "  --profile sine      --value + --amplitude * sin(2 pi t / --period) in --function, --range\n"
        "  --profile sweep     every function in every range, 1234 counts each, --hold readings each\n"
        "  --profile replay    the frames of --file in turn, then round again (or silence with --once)\n"
        "  Without --profile: replay when --file is given, steady when --function or --value is\n"
        "  given, else ramp.\n"
        "\n"
        "  --function NAME     the function (default vdc), one of the list below\n"
        "  --range N           the range number (default the function's lowest)\n"
        "  --value X           the value in base units: volts, amperes, ohms, hertz, farads, degrees\n"
        "                      (so --function vdc --range 1 --value 1.234 sends \"11234;008\", and\n"
        "                      --function mvdc --value -0.2047 sends \"02047;408\"). The meter counts\n"
        "                      to 3999: a larger value sends the overload frame. A negative value\n"
        "                      reads as 0 in a function without a sign.\n"
        "  --amplitude A       sine amplitude in base units (default 1000 counts of the range)\n"
        "  --period S          sine period in seconds (default 20)\n"
        "  --hold N            sweep: readings per function and range (default 5)\n"
        "  --file FILE         replay: one frame of 9 characters per line (LF or CR LF); blank lines\n"
        "                      and lines starting with # are skipped; the --log file replays as is\n"
        "  --once              replay the file once, then fall silent\n"
        "  --auto              set the automatic-ranging bit (default manual range)\n"
        "  --rate R            new readings a second (default 2.5)\n"
        "  --baud N            line speed setting the pace, 10 bits a character (default 2400)\n"
        "\n"
        "Faults:\n"
        "  --noise P           share of frames hit by line noise (0 to 0.5): a burst of 1 to 8 random\n"
        "                      bytes before the frame, or the frame cut to its head or its tail.\n"
        "                      Never two frames in a row, so noise costs readings but never makes one.\n"
        "  --flicker P         share of frames sent with the minus sign flipped (0 to 1)\n"
        "  --overload P        share of readings replaced by the overload frame (0 to 1): digits 4000\n"
        "                      and the overload status bit\n"
        "  --off-after S       fall silent after S seconds, like a meter switched off\n"
        "  --seed N            seed of the fault generators; the same seed gives the same faults\n"
        "                      (without it a random seed is used and printed on standard error)\n"
        "\n"
        "Output:\n"
        "  --log FILE          write every distinct whole frame sent, one per line, as it is sent\n"
        "                      (flickered and overload frames too; frames cut by noise are not)\n"
        "  --link PATH         also make PATH a symbolic link to the device (removed on exit)\n"
        "  --help              this text\n"
        "  --version           the program's version\n"
        "\n"
        "Functions and ranges (full scale in base units):\n";
    for (const MeterFunction& f : MeterFunctions()) {
        char line[160];
        std::snprintf(line, sizeof line, "  %-6s %-32s", std::string(f.name).c_str(),
                      std::string(f.description).c_str());
        text += line;
        for (const MeterRange& r : f.ranges) {
            std::snprintf(line, sizeof line, " %d: %g", r.number, kMaxCounts * std::pow(10.0, r.exponent));
            text += line;
        }
        text += " " + std::string(f.unit) + "\n";
    }
    return text;
}

std::unique_ptr<ReadingSource> MakeSource(const MeterOptions& o, std::string& error) {
    const MeterFunction& f = *FindFunction(o.function);
    const MeterRange* r = o.range ? FindRange(f, *o.range) : &f.ranges.front();
    if (!r) {
        error = "function " + o.function + " has no such range";
        return nullptr;
    }
    if (o.profile == "steady") return std::make_unique<SteadyProfile>(f, *r, o.value, o.autoRange);
    if (o.profile == "sine") {
        SineProfile::Wave wave;
        wave.centre = o.value;
        wave.amplitude = o.amplitude.value_or(1000 * std::pow(10.0, r->exponent));
        wave.periodSeconds = o.period;
        wave.secondsPerReading = FramesPerReading(o.baud, o.rate) * 11 / CharactersPerSecond(o.baud);
        return std::make_unique<SineProfile>(f, *r, wave, o.autoRange);
    }
    if (o.profile == "sweep") return std::make_unique<SweepProfile>(o.hold, o.autoRange);
    if (o.profile == "replay") {
        std::ifstream in(o.file, std::ios::binary);
        if (!in) {
            error = "cannot open " + o.file;
            return nullptr;
        }
        ReplayLoad load = ReadReplayFrames(in);
        if (!load.error.empty()) {
            error = o.file + ": " + load.error;
            return nullptr;
        }
        return std::make_unique<ReplayProfile>(std::move(load.frames), o.once);
    }
    return std::make_unique<RampProfile>();
}

}  // namespace voltaro::meter
