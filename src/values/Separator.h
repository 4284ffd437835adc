#pragma once

#include <QDateTime>
#include <string>

namespace voltaro {

class MessageSeam;

// The separator option buttons of the "Select Decimal" dialog, by index.
inline constexpr const char* kSeparatorCaptions[2] = {"' . '  (Period)", "' , '  (Comma)"};
inline const std::string kSeparatorUnsupported = "The System Can't Support this select!";

// The character between a file name and its extension, and the file filters built with it.
class Separator {
public:
    Separator() { ChkDim(0); }

    // Applies option 0 (period) or 1 (comma); any other index reads as the period.
    void ChkDim(int option);
    // True when a file named "test", ExtDim, "dmm" can be made, written and removed in
    // `folder` (a numbered name when a file of that name is there already).
    bool ChkDim1(const std::string& folder, const QDateTime& now) const;
    // Confirm: tries the chosen option, falls back to the other one with a message when the
    // file system refuses it. Returns the option in force afterwards. The caller stores
    // "SeleDim" and saves the settings.
    int Confirm(int option, const std::string& folder, const QDateTime& now, MessageSeam& messages);
    void Cancel() { ExtDimConfirmed = false; }

    std::string ExtDim = ".";
    std::string FileFilterRecording;
    std::string FileFilterExport;
    bool ExtDimConfirmed = false;
};

}  // namespace voltaro
