#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace voltaro {

// Sets one of the Reading's texts. Consecutive frames mostly repeat the texts of the one
// before, and a row read back has texts of fixed length: a text of the same length is written
// over in place, which spares the general string assignment on the paths that run per row.
inline void SetText(std::string& field, std::string_view text) {
    if (field.size() != text.size()) {
        field.assign(text);
        return;
    }
    for (size_t i = 0; i < text.size(); ++i) field[i] = text[i];
}

// The one current decoded reading. Texts are single-byte (Latin-1) exactly as they are
// stored and exported: the micro sign is the byte 0xB5, resistance units use the letter "W".
struct Reading {
    std::string frameText;                 // data characters of the frame decoded last
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

// A reading that must not be recorded: the decoder's "OL", the full count "4000" the meter sends
// on overload, or the silence after the last accepted frame.
inline bool IsOverload(const Reading& r) {
    return r.NoDataFlag || r.digits.find("OL") != std::string::npos || r.digits == "4000";
}

}  // namespace voltaro
