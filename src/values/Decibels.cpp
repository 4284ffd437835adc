#include "values/Decibels.h"

#include <cmath>

#include "base/Settings.h"
#include "values/Formatting.h"
#include "base/Notation.h"

namespace voltaro {

double Log10Safe(double x) {
    if (!(x > 0)) return 0;
    return std::log(x) / std::log(10.0);
}

double DecibelV(double value) {
    return RoundToDigits(20 * Log10Safe(std::fabs(value)), 2);
}

double DecibelM(double value, double impedance) {
    const double v = std::fabs(static_cast<float>(value));
    const double r = impedance == 0 ? 1.0 : impedance;
    return RoundToDigits(10 * Log10Safe(1000 * v * v / r), 2);
}

double Decibels::DecibelValue(double value, double reference) {
    if (SelectedOption == 1) {
        DbUnitText = "dBm";
        return DecibelM(value, reference);
    }
    DbUnitText = "dB";
    return DecibelV(value);
}

std::string Decibels::LoadDialog(const Settings& settings) {
    storedOption_ = settings.SettingGet(kDecibelsForm, "OptdB", "2");
    const int option = static_cast<int>(Val(storedOption_));
    SelectedOption = option >= 0 && option <= 2 ? option : 2;
    return settings.SettingGet(kDecibelsForm, "dBm", "");
}

void Decibels::OptdB_Click(int index) {
    SelectedOption = index;
    storedOption_ = index == 0 ? "" : std::to_string(index);
}

bool Decibels::ConfirmDialog(Settings& settings, const std::string& impedanceText, float relReference) {
    settings.SettingSave(kDecibelsForm, "OptdB", storedOption_);
    settings.SettingSave(kDecibelsForm, "dBm", impedanceText);
    bool rebuild = false;
    switch (SelectedOption) {
        case 0:
            Mode = DecibelMode::Dbv;
            break;
        case 1:
            Mode = DecibelMode::Dbm;
            DbReference = static_cast<float>(Val(impedanceText));
            rebuild = DbReference != DbLastImpedance;
            break;
        default:
            Mode = DecibelMode::Relative;
            DbReference = relReference;
            break;
    }
    return rebuild;
}

void Decibels::ChkdB_Set(const std::string& impedanceText) {
    DbLastImpedance = static_cast<float>(Val(impedanceText));
}

namespace {

// Fourteen-character print zones, as the window prints its columns.
std::string Zones(std::initializer_list<std::string> columns) {
    std::string line;
    for (const std::string& c : columns) {
        line += c;
        const size_t pad = 14 - line.size() % 14;
        if (&c != &*(columns.end() - 1)) line += std::string(pad, ' ');
    }
    return line;
}

}  // namespace

std::vector<std::string> DbTestLines() {
    std::vector<std::string> lines{Zones({"dBm", "dBV"})};
    for (double v : {0.7746, 7.746, 77.46, 774.6, 0.07746, 0.007746, 1.0, 10.0})
        lines.push_back(Zones({DoubleToText(DecibelM(v, 600)), DoubleToText(DecibelV(v))}));
    lines.emplace_back();
    for (double v : {0.707, 0.251, 0.0707, 2.236, 0.02236}) lines.push_back(DoubleToText(DecibelM(v, 50)));
    for (double v : {0.707, 7.071, 0.7071, 70.71, 707.1}) lines.push_back(DoubleToText(DecibelM(v, 500)));
    return lines;
}

}  // namespace voltaro
