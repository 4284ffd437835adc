#pragma once

#include <cstdint>
#include <string>

namespace voltaro {

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// The classic 16-colour palette by number (0 black ... 15 white); a number outside 0..15 is
// taken modulo 16 so that a stored colour setting can never index beyond the table.
Colour PaletteColour(int number);

// A stored colour value: red in the low byte, then green, then blue (0 is black). Bits above
// the three bytes are ignored.
Colour ColourFromValue(long long value);

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

enum class LineStyle { Solid, Dotted };

// Everything the panel, the trend graph and the printouts draw goes through this surface.
// Coordinates are user units of the last scale set; pen widths are device pixels, as on the
// screen the width of a dot is a number of pixels whatever the scale. One current position
// serves lines, dots and text, so a dot or line end is where the next line-to starts.
// Texts are single-byte Latin-1.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Fills the surface with its background colour; the current position goes to 0, 0.
    virtual void Clear() = 0;
    // (x1, y1) becomes the top left corner of the surface and (x2, y2) the bottom right.
    virtual void SetScale(double x1, double y1, double x2, double y2) = 0;
    // One user unit per device pixel, origin at the top left.
    virtual void SetPixelScale() = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual Colour BackColour() const = 0;

    virtual void SetPenWidth(int pixels) = 0;
    virtual void SetLineStyle(LineStyle style) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // From the current position; the end becomes the current position.
    virtual void LineTo(double x, double y, Colour colour) = 0;
    // A round dot as wide as the pen; it becomes the current position.
    virtual void Dot(double x, double y, Colour colour) = 0;
    virtual void FillBox(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual void OutlineBox(double x1, double y1, double x2, double y2, Colour colour) = 0;

    virtual void SetPos(double x, double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    // In user units, in the typeface in force.
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;
    // The text's top left corner at the current position, which moves to the text's end.
    virtual void Print(const std::string& text) = 0;
    // Ends a printed line: the next one starts at the left edge, one text height lower.
    virtual void NewLine() = 0;

    // "symbol" is the Greek letter face: it shows "m" as mu and "W" as capital omega.
    virtual void SetTypeface(const std::string& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetBold(bool bold) = 0;
    virtual void SetTextColour(Colour colour) = 0;
};

}  // namespace voltaro
