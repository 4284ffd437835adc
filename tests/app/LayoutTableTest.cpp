#include <gtest/gtest.h>

#include "app/Layout.h"
#include "base/Settings.h"
#include "support/MemorySettingsStore.h"

using namespace voltaro;

namespace {

// 6000 twips below the main window's top band, 8000 wide.
LayoutTable MainWindow(const std::string& name = "frmMain", int height = 6690) {
    return RecordLayout({name,
                         height,
                         8000,
                         {{"Text1", true, 300, 1000, 600, 2000, 8.0},
                          {"Line3", true, 100, 200, 300, 400, std::nullopt},
                          {"labMark1", true, 240, 480, 120, 60, 10.0},
                          {"TimerDMM", false, 0, 0, 0, 0, std::nullopt}}});
}

void ExpectBox(const ControlGeometry& g, int h, int w, int top, int left, double font) {
    EXPECT_EQ(g.height, h);
    EXPECT_EQ(g.width, w);
    EXPECT_EQ(g.top, top);
    EXPECT_EQ(g.left, left);
    EXPECT_DOUBLE_EQ(g.fontSize.value_or(-1), font);
}

}  // namespace

TEST(Layout, ScalesFromTheDesignBelowTheTopBand) {
    const LayoutTable t = MainWindow();
    const auto g = ApplyLayout(t, 12690, 16000);
    ASSERT_EQ(g->size(), 4u);
    ExpectBox((*g)[0], 600, 2000, 1200, 4000, 16);
    ExpectBox((*g)[1], 200, 400, 600, 800, -1);  // a line: y1, x1, y2, x2
    EXPECT_TRUE((*g)[1].isLine);
    EXPECT_TRUE((*g)[2].arial);
    EXPECT_FALSE((*g)[0].arial);
    EXPECT_FALSE((*g)[3].hasBox);
    ExpectBox((*ApplyLayout(t, 6690, 8000))[0], 300, 1000, 600, 2000, 8);
    EXPECT_EQ((*ApplyLayout(MainWindow("frmCommTest"), 13380, 8000))[0].top, 1200);  // no band
    EXPECT_FALSE(ApplyLayout(t, 12690, 16000, true));                                // minimised
    // The font follows the smaller ratio: taller only; 10.4 by width, rounded; by height, not.
    EXPECT_DOUBLE_EQ(*(*ApplyLayout(t, 9690, 8000))[0].fontSize, 8);
    EXPECT_DOUBLE_EQ(*(*ApplyLayout(t, 12690, 10400))[0].fontSize, 10);
    EXPECT_FLOAT_EQ(*(*ApplyLayout(t, 6990, 16000))[0].fontSize, 8.4f);
}

TEST(Layout, SmallWindowsNeverGetNegativeSizes) {
    for (auto [h, w] : {std::pair{300, 8000}, std::pair{0, 0}, std::pair{-50, -50}}) {
        const auto geometry = ApplyLayout(MainWindow(), h, w);
        for (const ControlGeometry& c : *geometry) {
            if (c.isLine) continue;
            EXPECT_GE(c.height, 0) << c.name;
            EXPECT_GE(c.width, 0) << c.name;
            EXPECT_GE(c.fontSize.value_or(kMinFontSize), kMinFontSize) << c.name;
        }
    }
    // A design no taller than the band scales by nothing rather than by a negative ratio.
    EXPECT_EQ((*ApplyLayout(MainWindow("frmMain", 600), 1000, 8000))[0].height, 300);
    FormDesign many{"frmMain", 6690, 8000,
                    std::vector<ControlDesign>(150, {"Label", true, 10, 10, 10, 10, 8.0})};
    EXPECT_EQ(ApplyLayout(RecordLayout(many), 6690, 8000)->size(), 100u);
}

TEST(Placement, StoredOnlyInTheNormalStateAndRestoredWhereSound) {
    MemorySettingsStore store;
    IniFile ini("");
    Settings settings(store, ini);
    SaveFormPlacement(settings, "frmScaling", WindowState::Maximised, {9000, 7000, 10, 20});
    EXPECT_TRUE(store.values.empty());
    SaveFormPlacement(settings, "frmScaling", WindowState::Normal, {4000, 3000, 100, 200});
    Placement p = RestoreFormPlacement(settings, "frmScaling", true, {1, 1, 1, 1});  // fixed border
    EXPECT_EQ(p.width, 1);
    EXPECT_EQ(p.left, 200);
    settings.SettingSave("frmScaling", "Width", "-40");
    settings.SettingSave("frmScaling", "Top", "high");
    p = RestoreFormPlacement(settings, "frmScaling", false, {1, 1, 1, 1});
    EXPECT_EQ(p.width, 1);
    EXPECT_EQ(p.height, 3000);
    EXPECT_EQ(p.top, 1);
}
