#include "values/DateTimeFormat.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace voltaro {

namespace {

enum class Token { Year4, Year2, MM, DD, HH, SS, AmPm, Literal };

struct Piece {
    Token token;
    char literal;
};

bool StartsWithNoCase(const std::string& s, size_t at, const char* word) {
    for (size_t i = 0; word[i]; ++i) {
        if (at + i >= s.size()) return false;
        if (std::toupper(static_cast<unsigned char>(s[at + i])) != word[i]) return false;
    }
    return true;
}

std::vector<Piece> Tokens(const std::string& pattern) {
    static const std::array<std::pair<const char*, Token>, 7> kWords{{{"YYYY", Token::Year4},
                                                                      {"YY", Token::Year2},
                                                                      {"MM", Token::MM},
                                                                      {"DD", Token::DD},
                                                                      {"HH", Token::HH},
                                                                      {"SS", Token::SS},
                                                                      {"AMPM", Token::AmPm}}};
    std::vector<Piece> out;
    for (size_t i = 0; i < pattern.size();) {
        bool matched = false;
        for (const auto& [word, token] : kWords) {
            if (StartsWithNoCase(pattern, i, word)) {
                out.push_back({token, 0});
                i += std::char_traits<char>::length(word);
                matched = true;
                break;
            }
        }
        if (!matched) out.push_back({Token::Literal, pattern[i++]});
    }
    return out;
}

std::string TwoDigits(int n) {
    n = ((n % 100) + 100) % 100;
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string FourDigits(int n) {
    return TwoDigits(n / 100) + TwoDigits(n % 100);
}

bool HasAmPm(const std::vector<Piece>& pieces) {
    return std::any_of(pieces.begin(), pieces.end(), [](const Piece& p) { return p.token == Token::AmPm; });
}

bool ReadDigits(const std::string& text, size_t& at, size_t count, int& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (size_t i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    at += count;
    return true;
}

std::string Blanks(const std::string& pattern) {
    return std::string(pattern.size(), ' ');
}

bool BlankStart(const std::string& text) {
    return text.empty() || text[0] == ' ';
}

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

const std::string kStoredDatePattern = "YYYY/MM/DD";

}  // namespace

std::string FormatDatePattern(const QDate& date, const std::string& pattern) {
    std::string out;
    for (const Piece& p : Tokens(pattern)) {
        switch (p.token) {
            case Token::Year4:
                out += FourDigits(date.year());
                break;
            case Token::Year2:
                out += TwoDigits(date.year());
                break;
            case Token::MM:
                out += TwoDigits(date.month());
                break;
            case Token::DD:
                out += TwoDigits(date.day());
                break;
            case Token::HH:
                out += "HH";
                break;
            case Token::SS:
                out += "SS";
                break;
            case Token::AmPm:
                out += "AMPM";
                break;
            case Token::Literal:
                out += p.literal;
                break;
        }
    }
    return out;
}

std::string FormatTimePattern(const QTime& time, const std::string& pattern) {
    const std::vector<Piece> pieces = Tokens(pattern);
    const bool twelveHour = HasAmPm(pieces);
    std::string out;
    for (const Piece& p : pieces) {
        switch (p.token) {
            case Token::HH: {
                int h = time.hour();
                if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
                out += TwoDigits(h);
                break;
            }
            case Token::MM:
                out += TwoDigits(time.minute());
                break;
            case Token::SS:
                out += TwoDigits(time.second());
                break;
            case Token::AmPm:
                out += time.hour() < 12 ? "AM" : "PM";
                break;
            case Token::Year4:
                out += "YYYY";
                break;
            case Token::Year2:
                out += "YY";
                break;
            case Token::DD:
                out += "DD";
                break;
            case Token::Literal:
                out += p.literal;
                break;
        }
    }
    return out;
}

std::optional<QDate> ParseDateText(const std::string& text, const std::string& pattern) {
    int year = -1, month = -1, day = -1;
    size_t at = 0;
    const std::vector<Piece> pieces = Tokens(TrimRight(pattern));
    for (const Piece& p : pieces) {
        int v = 0;
        switch (p.token) {
            case Token::Year4:
                if (!ReadDigits(text, at, 4, v)) return std::nullopt;
                year = v;
                break;
            case Token::Year2:
                if (!ReadDigits(text, at, 2, v)) return std::nullopt;
                year = v < 30 ? 2000 + v : 1900 + v;
                break;
            case Token::MM:
                if (!ReadDigits(text, at, 2, month)) return std::nullopt;
                break;
            case Token::DD:
                if (!ReadDigits(text, at, 2, day)) return std::nullopt;
                break;
            case Token::Literal:
                if (at >= text.size() || text[at] != p.literal) return std::nullopt;
                ++at;
                break;
            default:
                return std::nullopt;  // a time letter in a date pattern reads nothing sound
        }
    }
    if (text.find_first_not_of(' ', at) != std::string::npos) return std::nullopt;
    if (year < 0 || month < 0 || day < 0) return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

std::optional<QTime> ParseTimeText(const std::string& raw) {
    std::string text = TrimRight(raw);
    size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) return std::nullopt;
    int parts[3] = {0, 0, 0};
    int count = 0;
    while (count < 3) {
        size_t start = at;
        int v = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - start < 2)
            v = v * 10 + (text[at++] - '0');
        if (at == start) return std::nullopt;
        parts[count++] = v;
        if (at < text.size() && text[at] == ':') {
            ++at;
            continue;
        }
        break;
    }
    if (count < 2) return std::nullopt;
    while (at < text.size() && text[at] == ' ') ++at;
    std::string rest = text.substr(at);
    for (char& c : rest) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    int hour = parts[0];
    if (rest == "AM" || rest == "PM") {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (rest == "PM" ? 12 : 0);
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    const QTime time(hour, parts[1], parts[2]);
    if (!time.isValid()) return std::nullopt;
    return time;
}

std::string StoredDateText(const std::string& text, const std::string& pattern) {
    std::optional<QDate> date = ParseDateText(text, pattern);
    if (!date) date = ParseDateText(text, kStoredDatePattern);
    if (!date) return text;
    return FormatDatePattern(*date, kStoredDatePattern);
}

bool IsKnownDatePattern(const std::string& pattern) {
    if (pattern == kDefaultDateF) return true;
    for (const char* entry : kDateTimeEntries) {
        const std::string e(entry);
        if (pattern == e.substr(0, 10) || pattern == e.substr(e.size() - 10)) return true;
    }
    return false;
}

bool IsKnownTimePattern(const std::string& raw) {
    std::string pattern = raw;
    if (pattern.size() >= 4 && pattern.compare(pattern.size() - 4, 4, "AMPM") == 0)
        pattern.resize(pattern.size() - 4);
    if (pattern == kDefaultTimeF) return true;
    for (const char* entry : kDateTimeEntries) {
        const std::string e(entry);
        if (pattern == e.substr(11) || pattern == e.substr(0, 8)) return true;
    }
    return false;
}

std::string DateTimeFormat::FormatStampDate(const QDate& date) const {
    if (!date.isValid()) return Blanks(DateF);
    return FormatDatePattern(date, DateF);
}

std::string DateTimeFormat::FormatStampDate(const std::string& text) const {
    if (BlankStart(text)) return Blanks(DateF);
    std::optional<QDate> date = ParseDateText(text, DateF);
    if (!date) date = ParseDateText(text, kStoredDatePattern);
    return date ? FormatDatePattern(*date, DateF) : text;
}

std::string DateTimeFormat::FormatStampTime(const QTime& time) const {
    if (!time.isValid()) return Blanks(TimeF);
    return FormatTimePattern(time, TimeF);
}

std::string DateTimeFormat::FormatStampTime(const std::string& text) const {
    if (BlankStart(text)) return Blanks(TimeF);
    const std::optional<QTime> time = ParseTimeText(text);
    return time ? FormatTimePattern(*time, TimeF) : text;
}

std::string DateTimeFormat::FormatStamp(const QDate& date, const QTime& time) const {
    const std::string d = FormatStampDate(date), t = FormatStampTime(time);
    return DateofTime ? d + " " + t : t + " " + d;
}

std::string DateTimeFormat::FormatStamp(const QDate& date, const std::string& timeText) const {
    const std::string d = FormatStampDate(date), t = FormatStampTime(timeText);
    return DateofTime ? d + " " + t : t + " " + d;
}

std::string DateTimeFormat::FormatStamp(const std::string& dateText, const std::string& timeText) const {
    const std::string d = FormatStampDate(dateText), t = FormatStampTime(timeText);
    return DateofTime ? d + " " + t : t + " " + d;
}

std::string DateTimeFormat::ChkDateTime(int index, bool twelveHour, const QDateTime& now) {
    if (index < 0 || index >= static_cast<int>(kDateTimeEntries.size())) index = 0;
    const std::string entry = kDateTimeEntries[static_cast<size_t>(index)];
    if (index < kFirstTimeFirstEntry) {
        PendingDateofTime = true;
        PendingDateF = entry.substr(0, 10);
        PendingTimeF = entry.substr(entry.size() - 8);
    } else {
        PendingDateofTime = false;
        PendingTimeF = entry.substr(0, 8);
        PendingDateF = entry.substr(entry.size() - 10);
    }
    if (twelveHour) PendingTimeF += "AMPM";
    return DateTime1(now.date(), now.time());
}

std::string DateTimeFormat::DateTime1(const QDate& date, const QTime& time) const {
    const std::string d = DateFormat1(date), t = TimeFormat1(time);
    return PendingDateofTime ? d + " " + t : t + " " + d;
}

void DateTimeFormat::ConfirmDateTime() {
    DateofTime = PendingDateofTime;
    DateF = PendingDateF;
    TimeF = PendingTimeF;
}

}  // namespace voltaro
