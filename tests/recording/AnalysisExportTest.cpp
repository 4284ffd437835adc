#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "link/Decoder.h"
#include "recording/AnalysisExport.h"
#include "recording/RecordStore.h"

namespace voltaro {
namespace {

// The fields of one CSV line, read as a spreadsheet reads them (quotes doubled inside quotes).
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back().push_back('"');
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (c != '\n') {
            fields.back().push_back(c);
        }
    }
    return fields;
}

struct Expected {
    const char* frame;
    const char* value;  // "" for none
    const char* unit;
    const char* quantity;
    const char* coupling;
    const char* rangeMode;
    bool overload;
};

// Every function, the prefixes of its ranges, both signs, AC and DC, auto and manual range,
// and the three kinds of overload.
const Expected kReadings[] = {
    {"11234;008", "1.234", "V", "voltage", "DC", "MANUAL", false},
    {"00153;40:", "-0.0153", "V", "voltage", "DC", "AUTO", false},
    {"30120;006", "12", "V", "voltage", "AC", "AUTO", false},
    {"001239008", "0.00123", "A", "current", "DC", "MANUAL", false},
    {"10456=404", "-0.000456", "A", "current", "AC", "MANUAL", false},
    {"11234?008", "123.4", "A", "current", "DC", "MANUAL", false},
    {"212343000", "12340", "\u03A9", "resistance", "", "MANUAL", false},
    {"001235000", "12.3", "\u03A9", "continuity", "", "MANUAL", false},
    {"005121002", "0.512", "V", "diode", "", "AUTO", false},
    {"020001000", "", "V", "diode", "", "MANUAL", true},
    {"312342000", "1234000", "Hz", "frequency", "", "MANUAL", false},
    {"012346000", "0.000000001234", "F", "capacitance", "", "MANUAL", false},
    {"002344808", "234", "\u00B0C", "temperature", "", "MANUAL", false},
    {"002344008", "234", "\u00B0F", "temperature", "", "MANUAL", false},
    {"00123X000", "123", "", "transistor gain", "", "MANUAL", false},
    {"14000;008", "", "V", "voltage", "DC", "MANUAL", true},
    {"1OL  ;008", "", "V", "voltage", "DC", "MANUAL", true},
    {"11234A008", "", "", "", "", "MANUAL", false},
};

TEST(AnalysisExport, EveryReadingReadsBackFromCsvAndJsonAsDecoded) {
    for (const Expected& e : kReadings) {
        SCOPED_TRACE(e.frame);
        const AnalysisRow row = AnalysisRowOf(DecodeFrameText(e.frame), QDateTime());
        std::string csv, json;
        AppendAnalysisRow(csv, row, AnalysisFormat::Csv);
        AppendAnalysisRow(json, row, AnalysisFormat::JsonLines);
        const std::vector<std::string> f = CsvFields(csv);
        ASSERT_EQ(f.size(), 8u);
        EXPECT_EQ(f, (std::vector<std::string>{"", e.value, e.unit, e.quantity, e.coupling, e.rangeMode,
                                               e.overload ? "true" : "false", e.frame}));
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
        if (*e.value)
            EXPECT_DOUBLE_EQ(o["value"].toDouble(), std::stod(e.value));
        else
            EXPECT_TRUE(o["value"].isNull());
        EXPECT_EQ(o["unit"].toString().toStdString(), e.unit);
        EXPECT_EQ(o["quantity"].toString().toStdString(), e.quantity);
        EXPECT_EQ(o["coupling"].toString().toStdString(), e.coupling);
        EXPECT_EQ(o["range_mode"].toString().toStdString(), e.rangeMode);
        EXPECT_EQ(o["overload"].toBool(), e.overload);
        EXPECT_EQ(o["frame"].toString().toStdString(), e.frame);
    }
}

TEST(AnalysisExport, StoredStampsBecomeLocalTimeWithItsOffset) {
    struct Stamp {
        const char* date;
        const char* pattern;  // the date pattern in force when the row was stamped
        const char* time;
    };
    const Stamp stamps[] = {
        {"2024/12/31", "YY/MM/DD", "23:59:53"},
        {"31/12/24", "DD/MM/YY", "11:59:53PM"},
        {"12/31/2024", "MM/DD/YYYY", "23:59:53"},
        {"2024.12.31", "YYYY.MM.DD", "23:59:53"},
    };
    const QDateTime local(QDate(2024, 12, 31), QTime(23, 59, 53));
    RecordStore store;
    for (const Stamp& s : stamps) {
        SCOPED_TRACE(s.date);
        store.Set(1, Field::Date, s.date);
        store.Set(1, Field::Time, s.time);
        store.Set(1, Field::Notes, "11234;008");
        const std::string time = AnalysisRowOf(store, 1, s.pattern, "").time;
        EXPECT_TRUE(QRegularExpression("^2024-12-31T23:59:53[+-]\\d\\d:\\d\\d$")
                        .match(QString::fromStdString(time)).hasMatch()) << time;
        EXPECT_EQ(QDateTime::fromString(QString::fromStdString(time), Qt::ISODate), local);
    }
    store.Set(1, Field::Date, "Date");
    EXPECT_EQ(AnalysisRowOf(store, 1, "YY/MM/DD", "").time, "");
}

TEST(AnalysisExport, TextsThatNeedItAreQuotedOrEscaped) {
    AnalysisRow row;
    row.frame = "1,2\"3\xC2\xB5";
    std::string csv, json;
    AppendAnalysisRow(csv, row, AnalysisFormat::Csv);
    AppendAnalysisRow(json, row, AnalysisFormat::JsonLines);
    EXPECT_EQ(CsvFields(csv).back(), row.frame);
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    EXPECT_EQ(o["frame"].toString().toStdString(), row.frame);
    EXPECT_TRUE(o["time"].isNull());
}

}  // namespace
}  // namespace voltaro
