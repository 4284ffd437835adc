#pragma once

#include <QDateTime>
#include <optional>
#include <string>

#include "link/Reading.h"
#include "recording/RecordStore.h"

namespace voltaro {

// One reading as analysis tools want it: UTF-8 texts, the value as a plain decimal number in
// the base unit, and the quantity named in words. The recording file's own layout (padded,
// single-byte, units with prefixes) stays what Export Readings writes.
struct AnalysisRow {
    std::string time;                  // ISO 8601 local time with its UTC offset, or empty
    std::optional<std::string> value;  // none for an overload or a reading without a number
    std::string unit;                  // "V", "A", "Ω", "Hz", "F", "°C", "°F" or empty
    std::string quantity;              // "voltage", "current", ... or empty when unknown
    std::string coupling;              // "AC", "DC" or empty
    std::string rangeMode;             // "AUTO" or "MANUAL"
    bool overload = false;
    std::string frame;  // the frame characters the reading was decoded from
};

// A decoded reading taken at `stamp` (invalid: no time).
AnalysisRow AnalysisRowOf(const Reading& reading, const QDateTime& stamp);

// Row `row` of a loaded recording, decoded again from its stored frame characters. Its date is
// read as stored ("yyyy/mm/dd", or `datePattern` for a stamp that was never rewritten).
AnalysisRow AnalysisRowOf(const RecordStore& store, int row, const std::string& datePattern,
                          const std::string& unType);

// The value `digits` x `scale` written exactly as a decimal ("0123" x 0.001 is "0.123"), with
// no exponent and no binary rounding; none when the digits are not a number.
std::optional<std::string> PlainDecimal(std::string_view digits, double scale);

enum class AnalysisFormat { Csv, JsonLines };

// The CSV header line (with CR LF) that AppendAnalysisRow's CSV lines follow; JSON Lines has none.
std::string AnalysisHeader(AnalysisFormat format);
void AppendAnalysisRow(std::string& out, const AnalysisRow& row, AnalysisFormat format);

// Appends every reading row of the recording file `path`, read as Open reads it (damaged lines
// skipped); false when it is no recording or cannot be read.
bool AppendRecordingFile(std::string& out, const std::string& path, AnalysisFormat format,
                         const std::string& datePattern, const std::string& meterType);

}  // namespace voltaro
