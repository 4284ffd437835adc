#include "ReadingText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace voltaro::cli {

namespace {

constexpr std::string_view kUnits[] = {"HZ", "oC", "oF", "V", "A", "F", "W"};

// The prefix in front of the unit, as a factor of the base unit.
double PrefixFactor(std::string_view unitText) {
    for (std::string_view unit : kUnits) {
        if (unitText.size() >= unit.size() && unitText.substr(unitText.size() - unit.size()) == unit) {
            unitText.remove_suffix(unit.size());
            break;
        }
    }
    while (!unitText.empty() && unitText.front() == ' ') unitText.remove_prefix(1);
    if (unitText == "n") return 1e-9;
    if (unitText == "\xB5") return 1e-6;
    if (unitText == "m") return 1e-3;
    if (unitText == "K") return 1e3;
    if (unitText == "M") return 1e6;
    return 1;
}

std::string UnitForPeople(const Reading& r) {
    std::string unit = r.unitText.empty() ? r.baseUnit : r.unitText;
    while (!unit.empty() && unit.front() == ' ') unit.erase(0, 1);
    // The resistance unit's "W" is the omega of the Symbol typeface.
    if (r.baseUnit == "ohm" && !unit.empty() && unit.back() == 'W') {
        unit.pop_back();
        return Latin1ToUtf8(unit) + "\xCE\xA9";
    }
    return Latin1ToUtf8(unit);
}

template <typename Number>
std::string Shortest(Number x) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

void AppendJsonString(std::string& out, const std::string& latin1) {
    out += '"';
    for (unsigned char c : latin1) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += Latin1ToUtf8(std::string(1, static_cast<char>(c)));
        }
    }
    out += '"';
}

}  // namespace

std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string ValueText(const Reading& r) {
    const std::string unit = UnitForPeople(r);
    if (r.digits.find("OL") != std::string::npos) return unit.empty() ? "OL" : "OL " + unit;
    const double factor = r.unitText.empty() ? 1 : PrefixFactor(r.unitText);
    const double step = std::fabs(r.scale) / factor;
    int decimals = step > 0 ? static_cast<int>(std::lround(-std::log10(step))) : 0;
    decimals = std::clamp(decimals, 0, 12);
    char number[64];
    std::snprintf(number, sizeof number, "%.*f", decimals, static_cast<double>(r.value) / factor);
    return unit.empty() ? number : std::string(number) + " " + unit;
}

std::string PlainLine(const Reading& r) {
    std::string line = ValueText(r);
    for (const std::string* part : {&r.acDc, &r.rangeMode, &r.specialMode}) {
        if (!part->empty()) line += "  " + Latin1ToUtf8(*part);
    }
    return line;
}

std::string JsonObject(const Reading& r) {
    std::string out = "{";
    auto text = [&](const char* key, const std::string& value) {
        if (out.size() > 1) out += ",";
        out += std::string("\"") + key + "\":";
        AppendJsonString(out, value);
    };
    auto number = [&](const char* key, const std::string& value) {
        out += std::string(",\"") + key + "\":" + value;
    };
    text("frameText", r.frameText);
    text("digits", r.digits);
    number("scale", Shortest(r.scale));
    number("value", std::isfinite(r.value) ? Shortest(r.value) : std::string("null"));
    text("unitText", r.unitText);
    text("baseUnit", r.baseUnit);
    text("prefix", r.prefix);
    text("acDc", r.acDc);
    text("signText", r.signText);
    text("rangeMode", r.rangeMode);
    text("specialMode", r.specialMode);
    number("funcMode", std::to_string(r.funcMode));
    return out + "}";
}

}  // namespace voltaro::cli
