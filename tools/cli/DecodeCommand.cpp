#include <cstdio>
#include <iostream>

#include "CommandLine.h"
#include "ReadingText.h"
#include "Subcommands.h"
#include "link/Decoder.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli decode [--json] [--unit-type TEXT] [FRAME ...]\n"
    "Decodes meter frames: the nine data characters, as \"10123;008\". Without FRAME arguments\n"
    "the frames are read from standard input, one per line. A frame shorter or longer than nine\n"
    "characters is decoded all the same (missing positions read as 255).\n\n"
    "Each frame gives one line: the frame, then the value with its unit, coupling, range mode\n"
    "and special mode, as \"10123;008  0.123 V  DC  RANGE\".\n\n"
    "  --json            one JSON object per frame with the reading's fields (frameText, digits,\n"
    "                    scale, value, unitText, baseUnit, prefix, acDc, signText, rangeMode,\n"
    "                    specialMode, funcMode); texts as stored, converted to UTF-8\n"
    "  --unit-type TEXT  the meter-type setting that names the transistor-gain unit\n"
    "  -h, --help        this text\n"
    "  --version         the program's version\n";

void Print(const std::string& frame, bool json, const std::string& unitType) {
    const Reading reading = DecodeFrameText(frame, unitType);
    const std::string line = json ? JsonObject(reading) : Latin1ToUtf8(frame) + "  " + PlainLine(reading);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int RunDecode(const std::vector<std::string>& args) {
    CommandLine commandLine("decode", kHelp, {"unit-type"}, {"json"});
    if (auto status = commandLine.Parse(args, true)) return *status;
    const bool json = commandLine.Given("json");
    const std::string unitType = commandLine.Text("unit-type");
    const std::vector<std::string> frames = commandLine.Positional();
    if (!frames.empty()) {
        for (const std::string& f : frames) Print(f, json, unitType);
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Print(line, json, unitType);
    }
    return 0;
}

}  // namespace voltaro::cli
