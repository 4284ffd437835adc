#pragma once

#include <string>
#include <string_view>

#include "link/LinkView.h"
#include "link/Reading.h"

namespace voltaro {

// Turns the frame characters of the Reading into its digits, scale, unit, coupling, sign and
// modes, and keeps the main window's function indicators in step.
class Decoder {
public:
    // `mainWindow` shows labAUTO and Image2 whichever window a frame is decoded for.
    Decoder(Reading& reading, LinkView& mainWindow);

    // Fills frameBytes from frameText, then DecodeReading.
    void DecodeFrame(DecodeForm& form);
    void DecodeReading(DecodeForm& form);
    void ReadAcDc();
    void ShowAcDc(DecodeForm& form);
    void ClearSign();

    // The meter-type text (the per-user setting "UnType"); the transistor-gain function names
    // its unit with it.
    std::string UnType;

private:
    Reading& reading_;
    LinkView& main_;
    int lastPicture_ = 0;
    std::string unit_;  // scratch for the unit text, kept to spare an allocation per frame
};

// A number as single precision; 0 for one that no single-precision value holds (a text read as
// "9E99" from line noise, a mangled file or a typing slip).
float SingleOrZero(double number);

// value = Val(digits) x scale, rounded to single precision, as the acquisition loop computes it
// right after decoding.
void ComputeValue(Reading& reading);

// Decodes one frame's data characters on their own (a recorded frame, a frame given on the
// command line): frameText as given, digits from positions 2 to 5, value computed. Shows nothing.
Reading DecodeFrameText(std::string_view frame, const std::string& unType = "");

}  // namespace voltaro
