#include "recording/AnalysisExport.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>

#include "base/Notation.h"
#include "link/Decoder.h"
#include "recording/FileFormat.h"
#include "values/DateTimeFormat.h"

namespace voltaro {

namespace {

enum FramePosition { kFunction = 5, kTemperatureUnit = 6 };

struct QuantityRow {
    char function;  // frame character 6
    const char* quantity;
    const char* unit;
};

// The measured quantity by the frame's function character, as the decoder's function table
// knows them; temperature's unit comes from the Reading (Celsius or Fahrenheit).
constexpr std::array<QuantityRow, 10> kQuantities{{
    {';', "voltage", "V"},
    {'9', "current", "A"},
    {'=', "current", "A"},
    {'?', "current", "A"},
    {'3', "resistance", "\u03A9"},
    {'5', "continuity", "\u03A9"},
    {'1', "diode", "V"},
    {'2', "frequency", "Hz"},
    {'6', "capacitance", "F"},
    {'X', "transistor gain", ""},
}};

const QuantityRow* QuantityFor(const std::string& frame) {
    if (frame.size() <= kFunction) return nullptr;
    for (const QuantityRow& q : kQuantities)
        if (q.function == frame[kFunction]) return &q;
    return nullptr;
}

// Latin-1 bytes (a mangled frame may hold any) as UTF-8.
std::string Utf8Of(std::string_view latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// A local date and time, as numbers.
struct Stamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool SameDay(const Stamp& o) const { return year == o.year && month == o.month && day == o.day; }
};

// The UTC offset of local time at a stamp, in seconds. The zone is asked once per day (two
// days are kept, for a recording across midnight); only a day whose offset changes (summer
// time) asks again for each reading.
int OffsetFromUtc(const Stamp& s) {
    struct Day {
        Stamp day;
        int startOffset = 0, endOffset = 0;
    };
    thread_local std::array<Day, 2> days;
    thread_local size_t older = 0;
    Day* day = days[0].day.SameDay(s) ? &days[0] : days[1].day.SameDay(s) ? &days[1] : nullptr;
    if (!day) {
        const QDate date(s.year, s.month, s.day);
        day = &days[older];
        older = 1 - older;
        *day = {s, static_cast<int>(QDateTime(date, QTime(0, 0)).offsetFromUtc()),
                static_cast<int>(QDateTime(date, QTime(23, 59, 59)).offsetFromUtc())};
    }
    if (day->startOffset == day->endOffset) return day->startOffset;
    return QDateTime(QDate(s.year, s.month, s.day), QTime(s.hour, s.minute, s.second)).offsetFromUtc();
}

void AppendTwoDigits(std::string& out, int n) {
    const char digits[2] = {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    out.append(digits, 2);
}

// "2026-12-07T08:40:14+01:00"; empty for a year that ISO 8601's basic form cannot carry.
std::string IsoLocalTime(const Stamp& s) {
    if (s.year < 1000 || s.year > 9999) return {};
    std::string out;
    out.reserve(25);
    AppendTwoDigits(out, s.year / 100);
    AppendTwoDigits(out, s.year % 100);
    out.push_back('-');
    AppendTwoDigits(out, s.month);
    out.push_back('-');
    AppendTwoDigits(out, s.day);
    out.push_back('T');
    AppendTwoDigits(out, s.hour);
    out.push_back(':');
    AppendTwoDigits(out, s.minute);
    out.push_back(':');
    AppendTwoDigits(out, s.second);
    const int offset = OffsetFromUtc(s);
    const int minutes = std::abs(offset) / 60;
    out.push_back(offset < 0 ? '-' : '+');
    AppendTwoDigits(out, minutes / 60);
    out.push_back(':');
    AppendTwoDigits(out, minutes % 60);
    return out;
}

std::string IsoLocalTime(const QDate& date, const QTime& time) {
    if (!date.isValid() || !time.isValid()) return {};
    Stamp s;
    date.getDate(&s.year, &s.month, &s.day);
    s.hour = time.hour();
    s.minute = time.minute();
    s.second = time.second();
    return IsoLocalTime(s);
}

// Digits at `text[at..at+count)` as a number; -1 when any is not a digit.
int DigitsAt(std::string_view text, size_t at, size_t count) {
    if (text.size() < at + count) return -1;
    int n = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

// A stored stamp: the saved form "yyyy/mm/dd hh:mm:ss" read directly, any other form through
// the pattern it was written with.
std::string StampOf(std::string_view date, std::string_view time, const std::string& datePattern) {
    Stamp s{DigitsAt(date, 0, 4), DigitsAt(date, 5, 2), DigitsAt(date, 8, 2),
            DigitsAt(time, 0, 2), DigitsAt(time, 3, 2), DigitsAt(time, 6, 2)};
    const bool savedDate = date.size() == 10 && date[4] == '/' && date[7] == '/' &&
                           QDate::isValid(s.year, s.month, s.day);
    const bool plainTime = time.size() == 8 && time[2] == ':' && time[5] == ':' &&
                           QTime::isValid(s.hour, s.minute, s.second);
    if (savedDate && plainTime) return IsoLocalTime(s);
    const std::optional<QDate> day =
        savedDate ? QDate(s.year, s.month, s.day)
                  : ParseDateText(StoredDateText(std::string(date), datePattern), "YYYY/MM/DD");
    const std::optional<QTime> clock = ParseTimeText(std::string(time));
    if (!day || !clock) return {};
    return IsoLocalTime(*day, *clock);
}

bool NeedsQuotes(const std::string& text) {
    for (char c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
    return false;
}

void AppendCsvField(std::string& out, const std::string& text) {
    if (!NeedsQuotes(text)) {
        out += text;
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendJsonString(std::string& out, const std::string& text) {
    out.push_back('"');
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    out.push_back('"');
}

}  // namespace

std::optional<std::string> PlainDecimal(std::string_view digits, double scale) {
    if (digits.empty() || scale == 0 || !std::isfinite(scale)) return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    const int exponent = static_cast<int>(std::lround(std::log10(std::fabs(scale))));
    if (std::fabs(std::fabs(scale) / std::pow(10.0, exponent) - 1) > 1e-9) {
        // Not a power of ten: no exact placing of the point, so the ordinary conversion.
        return DoubleToText(Val(digits) * scale);
    }
    std::string whole(digits.substr(std::min(digits.find_first_not_of('0'), digits.size())));
    if (whole.empty()) return std::string("0");
    std::string text;
    if (exponent >= 0) {
        text = whole + std::string(static_cast<size_t>(exponent), '0');
    } else {
        const size_t decimals = static_cast<size_t>(-exponent);
        if (whole.size() <= decimals) whole.insert(0, decimals - whole.size() + 1, '0');
        text = whole.substr(0, whole.size() - decimals) + "." + whole.substr(whole.size() - decimals);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (scale < 0) text.insert(0, "-");
    return text;
}

AnalysisRow AnalysisRowOf(const Reading& reading, const QDateTime& stamp) {
    AnalysisRow row;
    row.time = stamp.isValid() ? IsoLocalTime(stamp.date(), stamp.time()) : std::string();
    const std::string& frame = reading.frameText;
    if (const QuantityRow* q = QuantityFor(frame)) {
        row.quantity = q->quantity;
        row.unit = q->unit;
    } else if (reading.baseUnit == "oC" || reading.baseUnit == "oF") {
        row.quantity = "temperature";
        row.unit = reading.baseUnit == "oC" ? "\u00B0C" : "\u00B0F";
    }
    row.coupling = reading.acDc;
    row.rangeMode = reading.rangeMode == "AUTO" ? "AUTO" : "MANUAL";
    row.overload = IsOverload(reading);
    if (!row.overload && !row.quantity.empty()) row.value = PlainDecimal(reading.digits, reading.scale);
    row.frame = Utf8Of(frame);
    return row;
}

AnalysisRow AnalysisRowOf(const RecordStore& store, int row, const std::string& datePattern,
                          const std::string& unType) {
    const Reading reading = DecodeFrameText(store.Get(row, Field::Notes), unType);
    AnalysisRow out = AnalysisRowOf(reading, QDateTime());
    out.time = StampOf(store.Trimmed(row, Field::Date), store.Trimmed(row, Field::Time), datePattern);
    out.frame = Utf8Of(store.Get(row, Field::Notes));
    return out;
}

std::string AnalysisHeader(AnalysisFormat format) {
    if (format == AnalysisFormat::JsonLines) return {};
    return "time,value,unit,quantity,coupling,range_mode,overload,frame\n";
}

void AppendAnalysisRow(std::string& out, const AnalysisRow& row, AnalysisFormat format) {
    const char* overload = row.overload ? "true" : "false";
    if (format == AnalysisFormat::Csv) {
        for (const std::string* text : {&row.time, row.value ? &*row.value : nullptr, &row.unit,
                                        &row.quantity, &row.coupling, &row.rangeMode}) {
            if (text) AppendCsvField(out, *text);
            out.push_back(',');
        }
        out += overload;
        out.push_back(',');
        AppendCsvField(out, row.frame);
        out.push_back('\n');
        return;
    }
    out += "{\"time\":";
    if (row.time.empty()) out += "null"; else AppendJsonString(out, row.time);
    out += ",\"value\":";
    out += row.value ? *row.value : "null";
    const std::pair<const char*, const std::string*> texts[] = {
        {"unit", &row.unit}, {"quantity", &row.quantity}, {"coupling", &row.coupling},
        {"range_mode", &row.rangeMode}};
    for (const auto& [name, text] : texts) {
        out += ",\"";
        out += name;
        out += "\":";
        AppendJsonString(out, *text);
    }
    out += ",\"overload\":";
    out += overload;
    out += ",\"frame\":";
    AppendJsonString(out, row.frame);
    out += "}\n";
}

bool AppendRecordingFile(std::string& out, const std::string& path, AnalysisFormat format,
                         const std::string& datePattern, const std::string& meterType) {
    const HeaderInfo header = ReadHeader(path);
    if (header.layout == Layout::None) return false;
    auto store = std::make_unique<RecordStore>();
    const ReadOutcome read = ReadRows(*store, path, header, 0, nullptr, nullptr);
    if (read.openError) return false;
    for (int row = 1; row <= store->RecordCount; ++row)
        AppendAnalysisRow(out, AnalysisRowOf(*store, row, datePattern, meterType), format);
    return true;
}

}  // namespace voltaro
