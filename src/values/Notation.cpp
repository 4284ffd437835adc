#include "values/Notation.h"

#include <charconv>
#include <cmath>
#include <string>

namespace voltaro {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double Val(std::string_view text) {
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

}  // namespace voltaro
