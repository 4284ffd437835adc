#pragma once

#include <QDate>
#include <QTime>
#include <array>
#include <optional>
#include <string>

namespace voltaro {

// Patterns are made of "YYYY", "YY", "MM" (month in a date, minutes in a time), "DD", "HH"
// (00-23, or 01-12 when "AMPM" is present), "SS" and "AMPM"; any other character stands for
// itself. Letters match in either case.
std::string FormatDatePattern(const QDate& date, const std::string& pattern);
std::string FormatTimePattern(const QTime& time, const std::string& pattern);

// A date text written with `pattern` read back; nothing when it does not fit the pattern or
// names no real day. Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
std::optional<QDate> ParseDateText(const std::string& text, const std::string& pattern);
// A time text in any of the offered layouts: "14:05:03", "14:05", "02:05:03PM", "2:05 pm".
std::optional<QTime> ParseTimeText(const std::string& text);

// A stored row's date as it is written to a recording file: "yyyy/mm/dd". The text is read
// with the pattern in force or as "yyyy/mm/dd" already; a text that is neither (the title
// "Date", a blank) comes back unchanged rather than as a guessed date.
std::string StoredDateText(const std::string& text, const std::string& pattern);

// The combined layouts offered by the Date/Time dialog; 0-15 date first, 16-23 time first.
inline constexpr std::array<const char*, 24> kDateTimeEntries{
    "MM/DD/YY   HH:MM:SS", "DD/MM/YY   HH:MM:SS", "MM/DD/YY   HH:MM   ", "DD/MM/YY   HH:MM   ",
    "MM/DD/YYYY HH:MM:SS", "DD/MM/YYYY HH:MM:SS", "MM/DD/YYYY HH:MM   ", "DD/MM/YYYY HH:MM   ",
    "YY.MM.DD   HH:MM:SS", "YY.MM.DD   HH:MM   ", "YYYY.MM.DD HH:MM:SS", "YYYY.MM.DD HH:MM   ",
    "YY MM DD   HH:MM:SS", "YY MM DD   HH:MM   ", "YYYY MM DD HH:MM:SS", "YYYY MM DD HH:MM   ",
    "HH:MM:SS MM/DD/YYYY", "HH:MM:SS DD/MM/YYYY", "HH:MM    MM/DD/YYYY", "HH:MM    DD/MM/YYYY",
    "HH:MM:SS MM/DD/YY  ", "HH:MM:SS DD/MM/YY  ", "HH:MM    MM/DD/YY  ", "HH:MM    DD/MM/YY  ",
};
inline constexpr int kFirstTimeFirstEntry = 16;

inline const std::string kDefaultDateF = "YY/MM/DD";
inline const std::string kDefaultTimeF = "HH:MM:SS";

// True for a date pattern the program offers (or its default); a stored pattern that is not
// one of them is treated as mangled.
bool IsKnownDatePattern(const std::string& pattern);
bool IsKnownTimePattern(const std::string& pattern);

// The date and time layouts of recorded readings, and the Date/Time dialog's choice of them.
class DateTimeFormat {
public:
    // Stamps with the patterns in force. A null date or time, or a text that is empty or
    // starts with a blank, gives as many blanks as the pattern is long. A text is read back
    // first (so a stamp written under an older pattern is rewritten); a text that cannot be
    // read comes back unchanged.
    std::string FormatStampDate(const QDate& date) const;
    std::string FormatStampDate(const std::string& text) const;
    std::string FormatStampTime(const QTime& time) const;
    std::string FormatStampTime(const std::string& text) const;
    std::string FormatStamp(const QDate& date, const QTime& time) const;
    std::string FormatStamp(const QDate& date, const std::string& timeText) const;
    std::string FormatStamp(const std::string& dateText, const std::string& timeText) const;

    // The dialog: a click on entry `index` with the 12-hour option `twelveHour`. Returns the
    // sample for the dialog's title, `now` written with the pending patterns.
    std::string ChkDateTime(int index, bool twelveHour, const QDateTime& now);
    std::string DateTime1(const QDate& date, const QTime& time) const;
    std::string DateFormat1(const QDate& date) const { return FormatDatePattern(date, PendingDateF); }
    std::string TimeFormat1(const QTime& time) const { return FormatTimePattern(time, PendingTimeF); }
    // Confirm: the pending patterns and order take effect. Cancel leaves the stamps as they
    // were: an order taken at the click would write time-first stamps with date-first patterns.
    void ConfirmDateTime();

    bool DateofTime = true;
    std::string DateF = kDefaultDateF;
    std::string TimeF = kDefaultTimeF;
    std::string PendingDateF = kDefaultDateF;
    std::string PendingTimeF = kDefaultTimeF;
    bool PendingDateofTime = true;
};

}  // namespace voltaro
