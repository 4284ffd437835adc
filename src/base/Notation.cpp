#include "base/Notation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace voltaro {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The common texts (digits with at most one point, no exponent, up to 15 significant digits)
// read without a copy: an exact whole number divided by an exact power of ten is rounded once,
// exactly as from_chars rounds. Anything else is left to the full reading.
std::optional<double> ValPlain(std::string_view text) {
    static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    uint64_t whole = 0;
    int significant = 0, decimals = 0;
    bool negative = false, signSeen = false, pointSeen = false, anyDigit = false;
    for (char c : text) {
        if (IsBlank(c)) continue;
        if (!signSeen && !anyDigit && !pointSeen && (c == '+' || c == '-')) {
            negative = c == '-';
            signSeen = true;
        } else if (IsDigit(c)) {
            anyDigit = true;
            if (whole != 0 || c != '0') ++significant;
            if (significant > 15) return std::nullopt;
            whole = whole * 10 + static_cast<uint64_t>(c - '0');
            if (pointSeen && ++decimals > 22) return std::nullopt;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else if (c == 'e' || c == 'E') {
            return std::nullopt;
        } else {
            break;
        }
        signSeen = true;  // a sign counts only in front
    }
    if (!anyDigit) return 0.0;
    const double magnitude = static_cast<double>(whole) / kTens[decimals];
    return negative ? -magnitude : magnitude;
}

}  // namespace

double Val(std::string_view text) {
    // A frame's digits, most often: nothing but a few digits.
    if (!text.empty() && text.size() <= 9) {
        uint32_t whole = 0;
        size_t i = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) whole = whole * 10 + static_cast<uint32_t>(text[i] - '0');
        if (i == text.size()) return static_cast<double>(whole);
    }
    if (const std::optional<double> plain = ValPlain(text)) return *plain;
    // Blanks are skipped wherever they stand, as the fixed-width fields pad with them.
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') s.push_back(c);
    }
    // Keep the longest leading piece shaped like a number: sign, digits, one point, exponent.
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digitsStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i;
    }
    bool anyDigit = false;
    for (size_t k = digitsStart; k < i; ++k) anyDigit = anyDigit || IsDigit(s[k]);
    if (!anyDigit) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    const char* first = s.data();
    if (*first == '+') ++first;  // from_chars takes no plus sign
    double result = 0.0;
    auto [ptr, ec] = std::from_chars(first, s.data() + i, result);
    if (ec != std::errc() || !std::isfinite(result)) return 0.0;
    return result;
}

std::string DoubleToText(double value) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, r.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace voltaro
