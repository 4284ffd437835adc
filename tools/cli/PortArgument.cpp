#include "PortArgument.h"

#include <charconv>

#include "base/IniFile.h"
#include "base/ProgramFolder.h"

namespace voltaro::cli {

bool WholeNumber(const std::string& text, long& out, long min, long max) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out >= min && out <= max;
}

PortChoice ChoosePort(const std::string& portArg, const std::string& folder) {
    PortChoice c{PortTable::FromIni(IniFile(JoinPath(folder, "Setup.ini"))), 1};
    const bool com = portArg.size() >= 4 && (portArg[0] | 0x20) == 'c' && (portArg[1] | 0x20) == 'o' &&
                     (portArg[2] | 0x20) == 'm';
    long n = 0;
    if (com && WholeNumber(portArg.substr(3), n, 1, 10)) {
        c.portNumber = static_cast<int>(n);
    } else {
        c.table.Set(1, portArg);
    }
    return c;
}

std::string CannotOpenText(const std::string& portArg, const std::string& device, const std::string& cause) {
    const std::string what = device.empty() || device == portArg ? portArg : portArg + " (" + device + ")";
    return "cannot open " + what + (cause.empty() ? "" : ": " + cause);
}

}  // namespace voltaro::cli
