#include <gtest/gtest.h>

#include "app/Layout.h"
#include "app/Settings.h"

using namespace voltaro;

namespace {

FormDesign MainWindow() {
    FormDesign f;
    f.name = "frmMain";
    f.height = 6690;  // 6000 twips below the top band
    f.width = 8000;
    f.controls = {
        {"Text1", true, 300, 1000, 600, 2000, 8.0},
        {"Line3", true, 100, 200, 300, 400, std::nullopt},
        {"labMark1", true, 240, 480, 120, 60, 10.0},
        {"TimerDMM", false, 0, 0, 0, 0, std::nullopt},
    };
    return f;
}

}  // namespace

TEST(Layout, ScalesBelowTheTopBand) {
    const LayoutTable t = RecordLayout(MainWindow());
    const auto g = ApplyLayout(t, 12690, 16000);
    ASSERT_TRUE(g);
    ASSERT_EQ(g->size(), 4u);
    const ControlGeometry& text = (*g)[0];
    EXPECT_EQ(text.height, 600);
    EXPECT_EQ(text.width, 2000);
    EXPECT_EQ(text.top, 1200);
    EXPECT_EQ(text.left, 4000);
    EXPECT_DOUBLE_EQ(*text.fontSize, 16);
    const ControlGeometry& line = (*g)[1];
    EXPECT_TRUE(line.isLine);
    EXPECT_EQ(line.height, 200);  // y1
    EXPECT_EQ(line.width, 400);   // x1
    EXPECT_EQ(line.top, 600);     // y2
    EXPECT_EQ(line.left, 800);    // x2
    EXPECT_FALSE(line.fontSize);
    EXPECT_TRUE((*g)[2].arial);
    EXPECT_FALSE((*g)[0].arial);
    EXPECT_FALSE((*g)[3].hasBox);
}

TEST(Layout, FontFollowsTheSmallerRatio) {
    const LayoutTable t = RecordLayout(MainWindow());
    auto g = ApplyLayout(t, 9690, 8000);  // taller only
    EXPECT_DOUBLE_EQ(*(*g)[0].fontSize, 8);
    g = ApplyLayout(t, 12690, 10400);  // width ratio 1.3: 10.4 rounds to 10
    EXPECT_DOUBLE_EQ(*(*g)[0].fontSize, 10);
    g = ApplyLayout(t, 6990, 16000);  // height ratio 1.05 is not rounded
    EXPECT_DOUBLE_EQ(*(*g)[0].fontSize, static_cast<double>(static_cast<float>(8 * 1.05f)));
}

TEST(Layout, OtherWindowsHaveNoTopBand) {
    FormDesign f = MainWindow();
    f.name = "frmCommTest";
    const auto g = ApplyLayout(RecordLayout(f), 13380, 8000);
    EXPECT_EQ((*g)[0].top, 1200);
}

TEST(Layout, RepeatedResizingDoesNotDrift) {
    const LayoutTable t = RecordLayout(MainWindow());
    for (int i = 0; i < 50; ++i) ApplyLayout(t, 7000 + 37 * i, 8100 + 53 * i);
    const auto g = ApplyLayout(t, 6690, 8000);
    EXPECT_EQ((*g)[0].height, 300);
    EXPECT_EQ((*g)[0].width, 1000);
    EXPECT_EQ((*g)[0].top, 600);
    EXPECT_EQ((*g)[0].left, 2000);
    EXPECT_DOUBLE_EQ(*(*g)[0].fontSize, 8);
}

TEST(Layout, MinimisedWindowIsLeftAlone) {
    EXPECT_FALSE(ApplyLayout(RecordLayout(MainWindow()), 12690, 16000, true));
}

TEST(Layout, TinyWindowNeverGetsNegativeSizes) {
    const LayoutTable t = RecordLayout(MainWindow());
    for (auto [h, w] : {std::pair{300, 8000}, std::pair{0, 0}, std::pair{-50, -50}}) {
        const auto g = ApplyLayout(t, h, w);
        for (const ControlGeometry& c : *g) {
            if (c.isLine) continue;
            EXPECT_GE(c.height, 0) << c.name;
            EXPECT_GE(c.width, 0) << c.name;
            EXPECT_GE(c.top, 0) << c.name;
            EXPECT_GE(c.fontSize.value_or(kMinFontSize), kMinFontSize) << c.name;
        }
    }
    // A design no taller than the band scales by nothing rather than by a negative ratio.
    FormDesign flat = MainWindow();
    flat.height = 600;
    const auto g = ApplyLayout(RecordLayout(flat), 1000, 8000);
    EXPECT_EQ((*g)[0].height, 300);
}

TEST(Layout, OnlyTheFirstHundredControlsAreKept) {
    FormDesign f = MainWindow();
    f.controls.resize(150, ControlDesign{"Label", true, 10, 10, 10, 10, 8.0});
    const LayoutTable t = RecordLayout(f);
    EXPECT_EQ(t.entries.size(), 101u);
    EXPECT_EQ(ApplyLayout(t, 6690, 8000)->size(), 100u);
}

TEST(Placement, StoredOnlyInTheNormalStateAndRestoredWhereSound) {
    MemorySettingsStore store;
    IniFile ini("");
    Settings settings(store, ini);
    SaveFormPlacement(settings, "frmScaling", WindowState::Maximised, {9000, 7000, 10, 20});
    EXPECT_TRUE(store.values.empty());
    SaveFormPlacement(settings, "frmScaling", WindowState::Normal, {4000, 3000, 100, 200});
    Placement p = RestoreFormPlacement(settings, "frmScaling", false, {1, 1, 1, 1});
    EXPECT_EQ(p.width, 4000);
    EXPECT_EQ(p.height, 3000);
    EXPECT_EQ(p.top, 100);
    EXPECT_EQ(p.left, 200);
    p = RestoreFormPlacement(settings, "frmScaling", true, {1, 1, 1, 1});
    EXPECT_EQ(p.width, 1);
    EXPECT_EQ(p.top, 100);
    settings.SettingSave("frmScaling", "Width", "-40");
    settings.SettingSave("frmScaling", "Top", "high");
    p = RestoreFormPlacement(settings, "frmScaling", false, {1, 1, 1, 1});
    EXPECT_EQ(p.width, 1);
    EXPECT_EQ(p.top, 1);
    EXPECT_EQ(p.height, 3000);
}
