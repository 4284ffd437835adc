#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

class Settings;

// Twips reserved at the top of the main window (menu and tool bar), never scaled.
inline constexpr int kMainTopOffset = 690;
inline constexpr size_t kLayoutEntries = 101;  // the form and its first 100 controls
inline constexpr double kMinFontSize = 1;

// A control as designed, in twips. A line has end points instead of a box; a control may
// lack a box (a timer) or a font (a line, a picture).
struct ControlDesign {
    std::string name;
    bool hasBox = true;
    int height = 0, width = 0, top = 0, left = 0;  // for a line: y1, x1, y2, x2
    std::optional<double> fontSize;
};

struct FormDesign {
    std::string name;  // "frmMain" keeps its top band
    int height = 0, width = 0;
    std::vector<ControlDesign> controls;
};

// Five 16-bit slots per entry: Height, Width, Top, Left, FontSize (Y1, X1, Y2, X2, FontSize
// for a line). Entry 0 is the form.
struct LayoutTable {
    std::string formName;
    std::vector<std::array<int16_t, 5>> entries;
    std::vector<ControlDesign> controls;  // names and which properties each control has
};

struct ControlGeometry {
    std::string name;
    bool isLine = false;
    bool hasBox = true;
    int height = 0, width = 0, top = 0, left = 0;  // a line: y1, x1, y2, x2
    std::optional<double> fontSize;
    bool arial = false;  // a "MARK" control is drawn in Arial
};

bool IsLineControl(const std::string& name);

LayoutTable RecordLayout(const FormDesign& form);
// Each recorded control's geometry for the window's current size, always from the design
// values, so repeated resizing never drifts. Nothing for a minimised window. A window
// smaller than its top band or its controls gives sizes of 0 and fonts of kMinFontSize, never
// negative ones.
std::optional<std::vector<ControlGeometry>> ApplyLayout(const LayoutTable& table, int height, int width,
                                                        bool minimised = false);

// A window's placement (position and size, twips).
struct Placement {
    int width = 0, height = 0, top = 0, left = 0;
};
enum class WindowState { Normal, Minimised, Maximised };

// Stores the placement only for a window in its normal state.
void SaveFormPlacement(Settings& settings, const std::string& form, WindowState state, const Placement& p);
// The stored placement over `current`: size only for a resizable window (border style other
// than fixed single), position always; a value that is missing, not a number or (for a size)
// not positive leaves the current one.
Placement RestoreFormPlacement(const Settings& settings, const std::string& form, bool fixedSingleBorder,
                               Placement current);

}  // namespace voltaro
