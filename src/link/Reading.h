#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace voltaro {

// The one current decoded reading. Texts are single-byte (Latin-1) exactly as they are
// stored and exported: the micro sign is the byte 0xB5, resistance units use the letter "W".
struct Reading {
    std::string frameText;                 // data characters of the latest candidate frame
    std::string acceptedFrameText;         // data characters of the last accepted frame: the
                                           // frame of the reading now shown, which a recorded
                                           // row stores (a later rejected candidate does not)
    std::array<int16_t, 14> frameBytes{};  // [1..11]: character codes of frameText, 255 beyond it
    std::string digits;                    // the four display digits, or "OL"
    double scale = 1.0;                    // multiplier from the number in digits to base units
    float value = 0.0f;                    // Val(digits) * scale, single precision
    std::string unitText;                  // prefix + unit as displayed ("mV", "KW", "\xB5" "A")
    std::string baseUnit;                  // unit without prefix, or a mode word ("Wait", "Vdiode")
    std::string prefix;                    // "m", "n", "\xB5", "K", " M", "" or the resistance unit
    std::string acDc;                      // "DC", "AC" or ""
    std::string signText;                  // "-" for a negative reading, else " "
    std::string rangeMode;                 // "AUTO" or "RANGE"
    std::string specialMode;               // "Vdiode", "Beep" or ""
    int16_t funcMode = -1;                 // 1 diode, 2 continuity, -1 any other function
    bool NoDataFlag = false;               // no frame accepted for a while
};

}  // namespace voltaro
