#include "app/Layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "base/Settings.h"

namespace voltaro {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

int16_t Slot(double v) {
    return static_cast<int16_t>(std::clamp(std::round(v),
                                           static_cast<double>(std::numeric_limits<int16_t>::min()),
                                           static_cast<double>(std::numeric_limits<int16_t>::max())));
}

int Scaled(int16_t recorded, double ratio) {
    return static_cast<int>(std::lround(recorded * ratio));
}

}  // namespace

bool IsLineControl(const std::string& name) {
    return Upper(name).find("LINE") != std::string::npos;
}

LayoutTable RecordLayout(const FormDesign& form) {
    LayoutTable t;
    t.formName = form.name;
    t.entries.push_back({Slot(form.height), Slot(form.width), 0, 0, 0});
    for (const ControlDesign& c : form.controls) {
        if (t.entries.size() >= kLayoutEntries) break;
        t.entries.push_back(
            {Slot(c.height), Slot(c.width), Slot(c.top), Slot(c.left), Slot(c.fontSize.value_or(0))});
        t.controls.push_back(c);
    }
    return t;
}

std::optional<std::vector<ControlGeometry>> ApplyLayout(const LayoutTable& table, int height, int width,
                                                        bool minimised) {
    if (minimised || table.entries.empty()) return std::nullopt;
    const int k = Upper(table.formName) == "FRMMAIN" ? kMainTopOffset : 0;
    const auto& form = table.entries[0];
    // A design no taller than the band (or of no width) has nothing to scale by.
    const double hr = form[0] - k > 0 ? std::max(height - k, 0) / static_cast<double>(form[0] - k) : 1.0;
    const double wr = form[1] > 0 ? std::max(width, 0) / static_cast<double>(form[1]) : 1.0;
    const float hrs = static_cast<float>(hr), wrs = static_cast<float>(wr);
    std::vector<ControlGeometry> out;
    for (size_t i = 1; i < table.entries.size(); ++i) {
        const auto& e = table.entries[i];
        const ControlDesign& c = table.controls[i - 1];
        ControlGeometry g;
        g.name = c.name;
        g.hasBox = c.hasBox;
        g.isLine = IsLineControl(c.name);
        g.arial = Upper(c.name).find("MARK") != std::string::npos;
        if (g.isLine) {
            g.height = Scaled(e[0], hr);  // y1
            g.width = Scaled(e[1], wr);   // x1
            g.top = Scaled(e[2], hr);     // y2
            g.left = Scaled(e[3], wr);    // x2
        } else {
            g.height = std::max(Scaled(e[0], hr), 0);
            g.width = std::max(Scaled(e[1], wr), 0);
            g.top = Scaled(e[2], hr);
            g.left = Scaled(e[3], wr);
        }
        if (c.fontSize) {
            const double byHeight = static_cast<float>(e[4] * hrs);
            const double byWidth = std::round(e[4] * wrs);
            g.fontSize = std::max(std::min(byHeight, byWidth), kMinFontSize);
        }
        out.push_back(std::move(g));
    }
    return out;
}

void SaveFormPlacement(Settings& settings, const std::string& form, WindowState state, const Placement& p) {
    if (state != WindowState::Normal) return;
    settings.SettingSave(form, "Width", std::to_string(p.width));
    settings.SettingSave(form, "Height", std::to_string(p.height));
    settings.SettingSave(form, "Top", std::to_string(p.top));
    settings.SettingSave(form, "Left", std::to_string(p.left));
}

Placement RestoreFormPlacement(const Settings& settings, const std::string& form, bool fixedSingleBorder,
                               Placement current) {
    auto read = [&](const char* key) { return ParseInteger(settings.SettingGet(form, key, "")); };
    if (!fixedSingleBorder) {
        if (auto w = read("Width"); w && *w > 0) current.width = *w;
        if (auto h = read("Height"); h && *h > 0) current.height = *h;
    }
    if (auto t = read("Top")) current.top = *t;
    if (auto l = read("Left")) current.left = *l;
    return current;
}

}  // namespace voltaro
