#include "display/ScalingSettings.h"

#include <charconv>
#include <cmath>

#include "base/Settings.h"
#include "base/Notation.h"

namespace voltaro {

std::string SpinnerText(int max, int value) {
    return std::to_string(max - value);
}

std::optional<int> SpinnerValueFor(const std::string& text, int max) {
    if (text.empty()) return std::nullopt;
    const double v = std::floor(Val(text));
    // A negative number would push the spinner past its maximum.
    if (!(v >= 0 && v <= max)) return std::nullopt;
    return max - static_cast<int>(v);
}

std::optional<int> TypedIntervalValue(const std::string& text, int max) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    const size_t last = text.find_last_not_of(' ');
    int value = 0;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(text.data() + first, end, value);
    if (error != std::errc() || stop != end || value < 0 || value > max) return std::nullopt;
    return value;
}

ScalingSettings ScalingSettings::Read(const Settings& settings) {
    ScalingSettings s;
    const std::string& f = kScalingForm;
    s.RangeMax = settings.SettingGetText(f, "RangeMax", "4");
    s.RangeMin = settings.SettingGetText(f, "RangeMin", "-4");
    s.Yaxis = {settings.SettingGetBool(f, "Yaxis0", false), settings.SettingGetBool(f, "Yaxis1", true),
               settings.SettingGetBool(f, "Yaxis2", false)};
    s.GraphdB = settings.SettingGetInt(f, "GraphdB", 0) != 0 ? 1 : 0;
    auto spinner = [&](const char* key, int max) {
        const int v = settings.SettingGetInt(f, key, max);
        return v >= 0 && v <= max ? v : max;
    };
    s.Xaxis0 = spinner("Xaxis0", kMinutesMax);
    s.Xaxis1 = spinner("Xaxis1", kSecondsMax);
    s.StopLO = settings.SettingGetInt(f, "StopLO", 0) != 0 ? 1 : 0;
    return s;
}

void ScalingSettings::SaveInterval(Settings& settings) const {
    settings.SettingSave(kScalingForm, "Xaxis0", std::to_string(Xaxis0));
    settings.SettingSave(kScalingForm, "Xaxis1", std::to_string(Xaxis1));
    settings.SettingSave(kScalingForm, "StopLO", std::to_string(StopLO));
    settings.SettingSave(kScalingForm, "GraphdB", std::to_string(GraphdB));
}

void ScalingSettings::SaveRange(Settings& settings) const {
    settings.SettingSave(kScalingForm, "RangeMax", RangeMax);
    settings.SettingSave(kScalingForm, "RangeMin", RangeMin);
    for (int i = 0; i < 3; ++i) settings.SettingSaveBool(kScalingForm, "Yaxis" + std::to_string(i), Yaxis[i]);
}

int ScalingSettings::SelectedYaxis() const {
    int selected = 1;
    for (int i = 0; i < 3; ++i)
        if (Yaxis[i]) selected = i;
    return selected;
}

YaxisChoices GraphdBChoices(bool graphdB, bool decibelsOn, int selected) {
    YaxisChoices c;
    c.selected = selected;
    if (graphdB) {
        c.enabled = {false, false, true};
        c.selected = 2;
    } else if (decibelsOn) {
        c.enabled[0] = false;
    }
    return c;
}

YaxisChoices DecibelsConfirmedChoices(const YaxisChoices& now) {
    YaxisChoices c = now;
    c.enabled[0] = false;
    if (c.selected == 0) c.selected = 1;
    return c;
}

}  // namespace voltaro
