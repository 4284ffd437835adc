#include "display/DrawingSurface.h"

#include <array>

namespace voltaro {

Colour PaletteColour(int number) {
    static constexpr std::array<Colour, 16> kPalette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    return kPalette[static_cast<size_t>(((number % 16) + 16) % 16)];
}

Colour ColourFromValue(long long value) {
    return Colour{static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF),
                  static_cast<uint8_t>((value >> 16) & 0xFF)};
}

}  // namespace voltaro
