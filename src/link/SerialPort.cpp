#include "link/SerialPort.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "base/IniFile.h"

namespace voltaro {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        parts.push_back(Trim(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

std::optional<int> WholeNumber(std::string_view s) {
    int n = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || ptr != s.data() + s.size() || s.empty()) return std::nullopt;
    return n;
}

std::optional<Parity> ParityOf(std::string_view s) {
    if (s.size() != 1) return std::nullopt;
    switch (std::toupper(static_cast<unsigned char>(s[0]))) {
        case 'N':
            return Parity::None;
        case 'O':
            return Parity::Odd;
        case 'E':
            return Parity::Even;
        case 'M':
            return Parity::Mark;
        case 'S':
            return Parity::Space;
        default:
            return std::nullopt;
    }
}

std::optional<StopBits> StopBitsOf(std::string_view s) {
    if (s == "1") return StopBits::One;
    if (s == "1.5") return StopBits::OneAndHalf;
    if (s == "2") return StopBits::Two;
    return std::nullopt;
}

// "COM3" (any letter case) gives 3.
std::optional<int> PortNumberOfKey(std::string_view key) {
    key = Trim(key);
    if (key.size() < 4) return std::nullopt;
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(key[i])) != "COM"[i]) return std::nullopt;
    }
    auto n = WholeNumber(key.substr(3));
    if (!n || *n < 1) return std::nullopt;
    return n;
}

}  // namespace

std::optional<LineParams> ParseLineSettings(std::string_view text) {
    const auto parts = SplitCommas(text);
    if (parts.size() != 4) return std::nullopt;
    LineParams params;
    auto baud = WholeNumber(parts[0]);
    auto parity = ParityOf(parts[1]);
    auto data = WholeNumber(parts[2]);
    auto stop = StopBitsOf(parts[3]);
    if (!baud || *baud <= 0 || !parity || !data || *data < kMinDataBits || *data > kMaxDataBits || !stop)
        return std::nullopt;
    params.baud = *baud;
    params.parity = *parity;
    params.dataBits = *data;
    params.stopBits = *stop;
    return params;
}

PortTable::PortTable() {
    for (int n = 1; n <= 4; ++n) devices_[n] = "/dev/ttyS" + std::to_string(n - 1);
    for (int n = 5; n <= 8; ++n) devices_[n] = "/dev/ttyUSB" + std::to_string(n - 5);
    for (int n = 9; n <= 10; ++n) devices_[n] = "/dev/ttyACM" + std::to_string(n - 9);
}

PortTable PortTable::FromIni(const IniFile& ini) {
    PortTable table;
    for (const auto& [key, value] : ini.Section("Ports")) {
        auto port = PortNumberOfKey(key);
        const std::string device(Trim(value));
        if (port && !device.empty()) table.Set(*port, device);
    }
    return table;
}

std::string PortTable::Device(int port) const {
    auto it = devices_.find(port);
    return it == devices_.end() ? std::string() : it->second;
}

void PortTable::Set(int port, const std::string& device) {
    devices_[port] = device;
}

}  // namespace voltaro
