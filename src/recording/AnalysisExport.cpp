#include "recording/AnalysisExport.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/Notation.h"
#include "link/Decoder.h"
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

std::string IsoLocalTime(const QDateTime& stamp) {
    if (!stamp.isValid()) return {};
    const int offset = stamp.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return stamp.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString() + zone;
}

void AppendCsvField(std::string& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
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
    row.time = IsoLocalTime(stamp);
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
    const std::string date = StoredDateText(store.Text(row, Field::Date), datePattern);
    const std::optional<QDate> day = ParseDateText(date, "YYYY/MM/DD");
    const std::optional<QTime> time = ParseTimeText(store.Text(row, Field::Time));
    const QDateTime stamp = day && time ? QDateTime(*day, *time) : QDateTime();
    AnalysisRow out = AnalysisRowOf(reading, stamp);
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

}  // namespace voltaro
