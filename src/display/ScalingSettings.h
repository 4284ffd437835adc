#pragma once

#include <array>
#include <optional>
#include <string>

namespace voltaro {

class Settings;

inline const std::string kScalingForm = "frmScaling";
// The interval spinners: minutes 0 to 5999, seconds 0 to 59.
inline constexpr int kMinutesMax = 5999;
inline constexpr int kSecondsMax = 59;

// The spinners count down, so that moving one up raises the number shown.
std::string SpinnerText(int max, int value);
// The spinner value for a typed number; nothing for an empty text or a number outside 0 to
// `max` (the spinner then keeps its value).
std::optional<int> SpinnerValueFor(const std::string& text, int max);
// A typed interval field as OK takes it: a whole number from 0 to `max`, blanks around it
// allowed, an empty box 0. Nothing for any other text, which OK refuses with kIntervalMessage.
std::optional<int> TypedIntervalValue(const std::string& text, int max);
inline const std::string kIntervalMessage = "The recording interval is 0 to " + std::to_string(kMinutesMax) +
                                            " minutes and 0 to " + std::to_string(kSecondsMax) + " seconds.";

// What the "GRAPH SCALING" dialog keeps in the per-user store.
struct ScalingSettings {
    std::string RangeMax = "4";
    std::string RangeMin = "-4";
    std::array<bool, 3> Yaxis{false, true, false};
    int GraphdB = 0;
    int Xaxis0 = kMinutesMax;  // spinner values: 0 minutes
    int Xaxis1 = kSecondsMax;  // 0 seconds
    int StopLO = 0;

    // A spinner value outside its range reads as the default.
    static ScalingSettings Read(const Settings& settings);
    // Stored by OK before the limits are checked.
    void SaveInterval(Settings& settings) const;
    // Stored only once the limits are accepted.
    void SaveRange(Settings& settings) const;

    // The selected Y-axis rule: the last option stored as selected, "Auto Range" when none is.
    int SelectedYaxis() const;
    std::string MinutesText() const { return SpinnerText(kMinutesMax, Xaxis0); }
    std::string SecondsText() const { return SpinnerText(kSecondsMax, Xaxis1); }
};

// The Y-axis options the dialog offers: with the graph in dB only "Range" is left; with the
// main window's decibels on, "Meter Range" means nothing.
struct YaxisChoices {
    std::array<bool, 3> enabled{true, true, true};
    int selected = 1;
};
YaxisChoices GraphdBChoices(bool graphdB, bool decibelsOn, int selected);
// The decibel dialog was confirmed: "Meter Range" goes, and "Auto Range" takes its place.
YaxisChoices DecibelsConfirmedChoices(const YaxisChoices& now);

}  // namespace voltaro
