#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cmath>
#include <string>

#include "display/GraphRange.h"
#include "print/PrintedGraph.h"
#include "print/QtPrinter.h"
#include "recording/RecordStore.h"
#include "support/RecordingSurface.h"
#include "values/DateTimeFormat.h"
#include "values/Formatting.h"
#include "values/Statistics.h"

using namespace voltaro;

namespace {

// A full recording: 30000 readings of a slow sine with second stamps.
struct Fixture {
    RecordStore store;
    GraphRange range;
    Statistics stats;
    DateTimeFormat stamps;
    Fixture() {
        for (int i = 1; i <= 30000; ++i) {
            store.Set(i, Field::ValueText, SingleToText(static_cast<float>(3 * std::sin(i / 500.0))));
            char time[9];
            std::snprintf(time, sizeof time, "%02d:%02d:%02d", (i / 3600) % 24, (i / 60) % 60, i % 60);
            store.Set(i, Field::Time, time);
            store.Set(i, Field::Date, "2024/01/15");
            store.Set(i, Field::Notes, "13000;008");
        }
        store.RecordCount = 30000;
        store.RecordingFile = "week.dmm";
    }
    PrintGraphInput Input() const {
        return {.store = store, .range = range, .stats = stats, .RangeBottom = -4, .stamps = &stamps};
    }
};

const Fixture& Data() {
    static Fixture f;
    return f;
}

// "All Data in a Page" of a full recording onto an A4 PDF page at 600 dots per inch.
void BM_PrintTrendGraphPdf(benchmark::State& state) {
    PrintedGraph print;
    const PrintGraphInput in = Data().Input();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        QtPrinter printer(writer, true);
        printer.SetPaperA4();
        print.PrintTrendGraph(printer.Page(), 10, false, 30000, 0, in);
        printer.Finish();
        bytes = buffer.size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PrintTrendGraphPdf)->Unit(benchmark::kMillisecond);

// The same printout logged instead of drawn: the statistics pass and the geometry.
void BM_PrintTrendGraphRules(benchmark::State& state) {
    PrintedGraph print;
    const PrintGraphInput in = Data().Input();
    for (auto _ : state) {
        RecordingSurface page(4500, 6500);
        print.PrintTrendGraph(page, 10, false, 30000, 0, in);
        benchmark::DoNotOptimize(page.ops.data());
    }
}
BENCHMARK(BM_PrintTrendGraphRules)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
