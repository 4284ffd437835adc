#pragma once

#include <string>
#include <vector>

namespace voltaro {

class Settings;

// log10 of x, and 0 for 0 (and below), so that a reading of 0 is 0 dB, not minus infinity.
double Log10Safe(double x);
// Decibels against 1, rounded as RoundToDigits does at two decimals.
double DecibelV(double value);
// Power level against 1 mW into `impedance` ohms; an impedance of 0 counts as 1 ohm.
double DecibelM(double value, double impedance);

inline const std::string kDecibelsForm = "frmDeciBels";

// The decibel display in force: none until a choice is confirmed and again once the box is
// cleared.
enum class DecibelMode { None, Dbv, Dbm, Relative };

// The decibel choice: "dBV", "dBm" against a line impedance, or "Relative Mode".
class Decibels {
public:
    // dBm when the "dBm" option is chosen, else dBV; leaves the unit word in DbUnitText.
    double DecibelValue(double value, double reference);

    // Dialog load: the impedance text and the chosen option from the store. Returns the
    // impedance text for the dialog's box.
    std::string LoadDialog(const Settings& settings);
    // An option click: 0 is written as "" (the option reads back as 0).
    void OptdB_Click(int index);
    // Confirm with the dialog's impedance text and the REL reference. Stores the choice; true
    // when the dBm extremes of the recording must be rebuilt for a new impedance.
    bool ConfirmDialog(Settings& settings, const std::string& impedanceText, float relReference);
    // The "Decibels" box: set remembers the impedance in force, clear ends decibel display.
    void ChkdB_Set(const std::string& impedanceText);
    void ChkdB_Clear() { Mode = DecibelMode::None; }

    int SelectedOption = 2;  // the option button that is on: 0 dBV, 1 dBm, 2 Relative Mode
    DecibelMode Mode = DecibelMode::None;
    float DbReference = 0;
    float DbLastImpedance = 0;
    std::string DbUnitText;

private:
    // "OptdB" as read from the store, or as last clicked; stored back as it is.
    std::string storedOption_;
};

// The "Db Test" window's lines: the header, the 600-ohm table with its dBV column, a blank
// line, then the 50-ohm and 500-ohm tables.
std::vector<std::string> DbTestLines();

}  // namespace voltaro
