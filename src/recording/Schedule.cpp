#include "recording/Schedule.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

#include "base/Conversions.h"

namespace voltaro {

namespace {

const std::string kScheduleForm = "frmAuto";

// The numbers of a text split at any character that is not a digit.
std::vector<std::string> NumberParts(const std::string& text) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            cur.push_back(c);
        } else if (!cur.empty()) {
            parts.push_back(cur);
            cur.clear();
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// A run of digits as a number from 0 to 9999; none for anything longer or larger, so that a
// typed or stored "99999999999" is simply not a date.
std::optional<int> SmallNumber(std::string_view digits) {
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || value < 0 || value > 9999) {
        return std::nullopt;
    }
    return value;
}

QDate ParseTypedDate(const std::string& text) {
    const auto p = NumberParts(text);
    if (p.size() != 3) return {};
    const bool yearFirst = p[0].size() == 4;
    if (!yearFirst && (p[0].size() > 2 || p[1].size() > 2 || (p[2].size() != 2 && p[2].size() != 4))) {
        return {};
    }
    const auto y = SmallNumber(yearFirst ? p[0] : p[2]);
    const auto m = SmallNumber(yearFirst ? p[1] : p[0]);
    const auto d = SmallNumber(yearFirst ? p[2] : p[1]);
    if (!y || !m || !d) return {};
    const int year = !yearFirst && p[2].size() == 2 ? *y + 2000 : *y;
    return QDate(year, *m, *d);  // invalid for a day or month out of range
}

QTime ParseTypedTime(const std::string& text) {
    const std::string t = text.substr(0, 8);
    if (t.size() != 8 || t[2] != ':' || t[5] != ':') return {};
    for (int i : {0, 1, 3, 4, 6, 7}) {
        if (!std::isdigit(static_cast<unsigned char>(t[static_cast<size_t>(i)]))) return {};
    }
    const auto twoDigits = [&t](size_t at) { return (t[at] - '0') * 10 + (t[at + 1] - '0'); };
    return QTime(twoDigits(0), twoDigits(3), twoDigits(6));  // invalid for 25:00:00 and the like
}

bool AllFilled(const Schedule::Row& r) {
    return !r.StartDate.empty() && !r.StartTime.empty() && !r.StopDate.empty() && !r.StopTime.empty();
}

// Seconds from now to a typed date and time; false when they do not read as one.
bool RemainTo(const QDateTime& now, const std::string& date, const std::string& time, int* remain) {
    const QDateTime at = ParseDateTimeStd(DateTimeStd(date, time));
    if (!at.isValid()) return false;
    // Whole seconds: secsTo would count T - 0.9 s as 0 and fire early.
    const QDateTime second = now.addMSecs(-now.time().msec());
    *remain = static_cast<int>(std::clamp<qint64>(second.secsTo(at), -2000000000, 2000000000));
    return true;
}

}  // namespace

std::string DateTimeStd(const std::string& date, const std::string& time) {
    if (date.size() < 6 || time.size() < 8) return {};
    const QDate d = ParseTypedDate(date);
    const QTime t = ParseTypedTime(time);
    if (!d.isValid() || !t.isValid()) return {};
    return DateTimeStd(QDateTime(d, t));
}

std::string DateTimeStd(const QDateTime& t) {
    return t.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")).toStdString();
}

QDateTime ParseDateTimeStd(const std::string& text) {
    return QDateTime::fromString(QString::fromStdString(text), QStringLiteral("MM/dd/yyyy HH:mm:ss"));
}

Schedule::Outcome Schedule::CheckSchedule() {
    Outcome outcome = Outcome::Valid;
    for (Row& r : Rows) {
        if (!AllFilled(r)) continue;
        if (r.StartTime.size() == 8 && r.StopTime.size() == 8) {
            const QDateTime start = ParseDateTimeStd(DateTimeStd(r.StartDate, r.StartTime));
            const QDateTime stop = ParseDateTimeStd(DateTimeStd(r.StopDate, r.StopTime));
            if (!start.isValid() || !stop.isValid()) {
                outcome = Outcome::FormatError;
                continue;
            }
            const float days = static_cast<float>(static_cast<double>(start.secsTo(stop)) / 3600.0) / 24.0f;
            if (days >= 7.0f) outcome = Outcome::LimitExceeded;
        } else {
            if (r.StartTime.size() != 8) r.StartTime.clear();
            if (r.StopTime.size() != 8) r.StopTime.clear();
            outcome = Outcome::FormatError;
        }
    }
    return outcome;
}

std::string Schedule::MessageOf(Outcome o) {
    switch (o) {
        case Outcome::FormatError:
            return "Date/Time Format Error ? ";
        case Outcome::LimitExceeded:
            return "Start/Stop out of limits ? (Over 7 Days)";
        case Outcome::Valid:
            break;
    }
    return {};
}

void Schedule::Arm() {
    startFired_.fill(false);
    stopFired_.fill(false);
    Armed = true;
}

void Schedule::CheckStarts() {
    MaxRemain = -99999;
    const QDateTime now = clock_.Now();
    for (int i = 0; i < kRows; ++i) {
        const Row& r = Rows[static_cast<size_t>(i)];
        if (r.StartDate.empty() || r.StartTime.empty()) continue;
        if (!RemainTo(now, r.StartDate, r.StartTime, &StartRemain)) continue;
        MaxRemain = std::max(MaxRemain, StartRemain);
        // Fires at the first tick at or after its second, so a busy second does not lose it.
        if (Due(StartRemain, startFired_[static_cast<size_t>(i)]) && !host_.IsRecording()) {
            startFired_[static_cast<size_t>(i)] = true;
            StartRow = i;
            host_.ScheduledStart();
            host_.Beep();
        }
    }
}

void Schedule::CheckStops() {
    const QDateTime now = clock_.Now();
    lastStopFiredNow_ = false;
    for (int i = 0; i < kRows; ++i) {
        const Row& r = Rows[static_cast<size_t>(i)];
        if (r.StopDate.empty() || r.StopTime.empty()) continue;
        if (!RemainTo(now, r.StopDate, r.StopTime, &StopRemain)) continue;
        MaxRemain = std::max(MaxRemain, StopRemain);
        lastStopFiredNow_ = false;
        if (Due(StopRemain, stopFired_[static_cast<size_t>(i)]) && host_.IsRecording()) {
            stopFired_[static_cast<size_t>(i)] = true;
            lastStopFiredNow_ = true;
            host_.ScheduledStop();
        }
    }
    if (MaxRemain <= 0) {
        Armed = false;
        host_.EndSchedule();
    }
}

void Schedule::Timer2Tick() {
    if (!Armed) return;
    CheckStarts();
    CheckStops();
    if (StopRemain == 0 || lastStopFiredNow_) host_.SaveAfterStop();
}

void Schedule::SaveSchedule(Settings& settings) const {
    for (int i = 0; i < kRows; ++i) {
        const Row& r = Rows[static_cast<size_t>(i)];
        const std::string n = std::to_string(i);
        settings.SettingSave(kScheduleForm, "StartDate" + n, r.StartDate);
        settings.SettingSave(kScheduleForm, "Starttime" + n, r.StartTime);
        settings.SettingSave(kScheduleForm, "StopDate" + n, r.StopDate);
        settings.SettingSave(kScheduleForm, "Stoptime" + n, r.StopTime);
    }
}

void Schedule::LoadSchedule(const Settings& settings) {
    for (int i = 0; i < kRows; ++i) {
        Row& r = Rows[static_cast<size_t>(i)];
        const std::string n = std::to_string(i);
        r.StartDate = settings.SettingGet(kScheduleForm, "StartDate" + n, "");
        r.StartTime = settings.SettingGet(kScheduleForm, "Starttime" + n, "");
        r.StopDate = settings.SettingGet(kScheduleForm, "StopDate" + n, "");
        r.StopTime = settings.SettingGet(kScheduleForm, "Stoptime" + n, "");
    }
}

std::string Schedule::FillTestRow(int i) {
    if (i < 0 || i >= kRows) return {};
    const QDateTime now = clock_.Now();
    const std::string today = DateTimeStd(QDateTime(now.date(), QTime(0, 0))).substr(0, 10);
    const int seconds = TimeToSeconds(now.time());
    Row& r = Rows[static_cast<size_t>(i)];
    r.StartDate = r.StopDate = today;
    r.StartTime = SecondsToClock(seconds + 10 + 20 * i);
    r.StopTime = SecondsToClock(seconds + 40 + 20 * i);
    return " Auto Start enable ....";
}

}  // namespace voltaro
