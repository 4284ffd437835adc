#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>

#include "display/GraphRange.h"
#include "display/TrendGraph.h"
#include "display/QtDrawingSurface.h"
#include "recording/RecordStore.h"
#include "support/RecordingSurface.h"
#include "values/DateTimeFormat.h"
#include "values/Formatting.h"

using namespace voltaro;

namespace {

// 250 readings of a sine with time stamps; the cursor on the last shows the last 100.
struct Fixture {
    RecordStore store;
    GraphRange range;
    DateTimeFormat stamps;
    Fixture() {
        for (int i = 1; i <= 250; ++i) {
            store.Set(i, Field::ValueText, SingleToText(static_cast<float>(3 * std::sin(i / 8.0))));
            store.Set(i, Field::Time, "10:" + std::to_string(10 + i % 50) + ":00");
        }
        store.RecordCount = 250;
    }
    TrendGraphInput Input() const {
        return {.store = store,
                .range = range,
                .cursor = 250,
                .alarmHighText = "2",
                .alarmLowText = "-2",
                .stamps = &stamps};
    }
};

const Fixture& Data() {
    static Fixture f;
    return f;
}

// The whole redraw that follows every recorded reading: 100 readings into an 800 x 600 image.
void BM_DrawTrendGraphImage(benchmark::State& state) {
    TrendGraph graph;
    QImage image(800, 600, QImage::Format_RGB32);
    const TrendGraphInput in = Data().Input();
    for (auto _ : state) {
        QPainter painter(&image);
        QtDrawingSurface box(painter, image.rect());
        box.SetFontSize(7.5);
        graph.DrawTrendGraph(box, 2, true, in);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_DrawTrendGraphImage)->Unit(benchmark::kMicrosecond);

// The same drawing logged instead of painted: what the graph's own rules cost.
void BM_DrawTrendGraphRules(benchmark::State& state) {
    TrendGraph graph;
    const TrendGraphInput in = Data().Input();
    for (auto _ : state) {
        RecordingSurface box(800, 600);
        graph.DrawTrendGraph(box, 2, true, in);
        benchmark::DoNotOptimize(box.ops.data());
    }
}
BENCHMARK(BM_DrawTrendGraphRules)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
