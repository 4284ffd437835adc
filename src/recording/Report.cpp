#include "recording/Report.h"

#include <sys/stat.h>

#include <cmath>

#include "recording/FileFormat.h"
#include "base/Conversions.h"
#include "values/Formatting.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr int kRowsPerPage = 60;

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// MAX and MIN are single-precision values; a row's value read back from its text is compared
// at that precision, or 0.123 would never equal the 0.123 it was recorded as.
bool SameSingle(double a, double b) {
    return static_cast<float>(a) == static_cast<float>(b);
}

std::string Scaled6WithPrefix(double v) {
    const ScaledText s = FormatScaled6(v);
    return s.text + s.prefix;
}

// The values of one row that the report reads.
struct RowView {
    std::string time, date;
    double value, rel, hi, lo;
    bool maxFlag, minFlag, avgFlag;
    std::string type, coupling;
};

RowView ViewOf(const RecordStore& s, int row) {
    return {s.Text(row, Field::Time),
            s.Text(row, Field::Date),
            Val(s.Get(row, Field::ValueText)),
            Val(s.Get(row, Field::RelRef)),
            Val(s.Get(row, Field::AlarmHI)),
            Val(s.Get(row, Field::AlarmLO)),
            Val(s.Get(row, Field::MaxFlag)) != 0,
            Val(s.Get(row, Field::MinFlag)) != 0,
            s.Text(row, Field::AvgFlag) == "1",
            s.Text(row, Field::Type),
            s.Text(row, Field::Coupling)};
}

class Builder {
public:
    Builder(ReportState& st, const DateTimeFormat& f, double vmax, double vmin, int chunkCount)
        : st_(st), f_(f), vmax_(vmax), vmin_(vmin), chunkCount_(chunkCount) {}

    void Row(const RecordStore& s, int i) {
        const RowView r = ViewOf(s, i);
        if (markers_ == 0 || (i - 1) % kRowsPerPage == 0) PageMarker(r, i);
        SwitchLines(r);
        ReadingLine(r);
    }

    std::vector<ReportLine> lines;

private:
    void PageMarker(const RowView& r, int i) {
        ReportLine m;
        m.item = "Date:";
        m.col[0] = f_.FormatStamp(r.date, r.time);
        const long page = std::lround((static_cast<double>(chunkCount_) * kMaxRows + i) / kRowsPerPage + 1);
        m.col[7] = "Page:" + FormatFixedNumber(static_cast<double>(page), 6, 0);
        lines.push_back(std::move(m));
        ++markers_;
    }

    void Switch(const std::string& text, const RowView* stamped = nullptr) {
        ReportLine l;
        if (stamped) {
            l.item = f_.FormatStampTime(stamped->time);
            l.col[0] = StampDate(stamped->date);
        }
        l.col[4] = text;
        lines.push_back(std::move(l));
    }

    // A limit switched off gets its stop line; a limit that changed while on is switched
    // off silently and on again with its new value.
    void LimitLines(double limit, bool& on, double& last, const char* stop, const char* start) {
        if (limit == 0 && on) {
            Switch(stop);
            on = false;
        } else if (limit != 0 && on && limit != last) {
            on = false;
        }
        if (limit != 0 && !on) {
            const ScaledText t = FormatScaled4(limit);
            Switch(start + t.text + t.prefix);
            on = true;
            last = limit;
        }
    }

    void FlagLines(bool flag, bool& on, const char* name, const RowView& r) {
        if (!flag && on) {
            Switch(std::string(name) + "stop", &r);
            on = false;
        } else if (flag && !on) {
            Switch(std::string(name) + "start", &r);
            on = true;
        }
    }

    void SwitchLines(const RowView& r) {
        LimitLines(r.hi, st_.HiOn, st_.LastHi, "ALARM-HI stop", "A-HI ");
        LimitLines(r.lo, st_.LoOn, st_.LastLo, "ALARM-LO stop", "A-LO ");
        FlagLines(r.maxFlag, st_.MaxOn, "MAX ", r);
        FlagLines(r.minFlag, st_.MinOn, "MIN ", r);
    }

    std::string Status(const RowView& r) {
        std::string status;
        if (!st_.HasExtremes) {
            st_.RunMax = st_.RunMin = r.value;
            st_.HasExtremes = true;
        }
        if (st_.MaxOn) {
            if (r.value >= st_.RunMax) {
                status = "HI";
                st_.RunMax = r.value;
            }
            if (SameSingle(r.value, vmax_)) status = "HI-MAX";
        }
        if (st_.MinOn) {
            if (r.value <= st_.RunMin) {
                status = "LO";
                st_.RunMin = r.value;
            }
            if (SameSingle(r.value, vmin_)) status = "LO-MIN";
        }
        if (r.rel != 0) status = status.empty() ? "REL" : status + "-REL";
        return status;
    }

    // Every row of a day has the same date text: it is read back and written once.
    const std::string& StampDate(const std::string& date) {
        if (date != lastDate_ || lastDateOut_.empty()) {
            lastDate_ = date;
            lastDateOut_ = f_.FormatStampDate(date);
        }
        return lastDateOut_;
    }

    void ReadingLine(const RowView& r) {
        ReportLine l;
        l.item = f_.FormatStampTime(r.time);
        l.col[0] = StampDate(r.date);
        const ScaledText shown = FormatScaled6(r.rel != 0 ? r.rel - r.value : r.value);
        l.col[1] = shown.text;
        l.col[2] = Padded(shown.prefix + r.type, r.rel != 0 ? 4 : 6) + " " + Lower(r.coupling);
        l.col[3] = Status(r);
        if (r.avgFlag) {
            st_.AvgSum += r.value;
            ++st_.AvgCount;
            l.col[5] = Scaled6WithPrefix(st_.AvgSum / static_cast<double>(st_.AvgCount));
        }
        if (r.rel != 0) {
            l.col[6] = Scaled6WithPrefix(r.rel);
            l.col[7] = SingleToText(static_cast<float>(r.value));
        }
        // An alarm beside another status gets a line of its own.
        std::vector<std::string> extra;
        for (const auto& [crossed, name] : {std::pair{r.lo != 0 && r.value <= r.lo, "LO-ALARM"},
                                            std::pair{r.hi != 0 && r.value >= r.hi, "HI-ALARM"}}) {
            if (!crossed) continue;
            if (l.col[3].empty()) {
                l.col[3] = name;
            } else {
                extra.push_back(name);
            }
        }
        lines.push_back(std::move(l));
        for (const std::string& a : extra) {
            ReportLine e;
            e.col[3] = a;
            lines.push_back(std::move(e));
        }
    }

    ReportState& st_;
    const DateTimeFormat& f_;
    double vmax_, vmin_;
    int chunkCount_;
    int markers_ = 0;
    std::string lastDate_, lastDateOut_;
};

}  // namespace

void Report::ResetState() {
    chunkStart_ = {};
    last_ = {};
}

std::vector<ReportLine> Report::ReadListData(const RecordStore& store, const DateTimeFormat& formats,
                                             double vmax, double vmin) {
    last_ = chunkStart_;
    Builder b(last_, formats, vmax, vmin, store.ChunkCount);
    b.lines.reserve(static_cast<size_t>(store.RecordCount + store.RecordCount / kRowsPerPage + 1));
    for (int i = 1; i <= store.RecordCount && i <= kMaxRows; ++i) b.Row(store, i);
    return std::move(b.lines);
}

std::string Report::ReportText(const std::vector<ReportLine>& lines, int chunkCount) {
    bool anyMarker = false;
    for (const ReportLine& l : lines) anyMarker = anyMarker || l.IsPageMarker();
    std::string out;
    out.reserve(lines.size() * 96);
    for (size_t n = 0; n < lines.size(); ++n) {
        const ReportLine& l = lines[n];
        if (anyMarker) {
            out += l.IsNumbered()
                       ? FormatFixedNumber(
                             static_cast<double>(chunkCount) * kMaxRows + static_cast<double>(n + 1), 6, 0)
                       : std::string(6, ' ');
            out += ',';
        }
        out += TrimBoth(l.item);
        for (const std::string& c : l.col) {
            out += ',';
            out += c;
        }
        out += "\r\n";
    }
    return out;
}

bool Report::SaveReport(const RecordStore& store, const DateTimeFormat& formats, double vmax, double vmin,
                        std::string* error) {
    const std::string text = ReportText(ReadListData(store, formats, vmax, vmin), store.ChunkCount);
    // A chunk without readings has no report yet: no empty file for a run that ends here.
    struct stat st;
    if (text.empty() && stat(store.ChunkFile.c_str(), &st) != 0) return true;
    const WriteOutcome w = ReplaceFile(store.ChunkFile, text);
    if (!w.ok && error) *error = w.error;
    return w.ok;
}

}  // namespace voltaro
