#include <benchmark/benchmark.h>

#include <array>

#include "values/Formatting.h"

using namespace voltaro;

// The graph's cursor read-out and the report format one value per call, across every prefix.
static void BM_FormatScaled6(benchmark::State& state) {
    const std::array<double, 8> values{0.0123, 1500, -0.25, 0, 0.41, 5e-5, 4.7e-10, -3.3e6};
    size_t i = 0;
    for (auto _ : state) {
        ScaledText r = FormatScaled6(values[i++ % values.size()]);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatScaled6);

// The panel formats its digit text for every accepted frame and every scroll step.
static void BM_FormatRangeText(benchmark::State& state) {
    std::array<RangeInput, 6> inputs;
    const char* units[] = {"V",
                           "mA",
                           "KW",
                           " MHZ",
                           "\xB5"
                           "F",
                           "oC"};
    const char funcs[] = {';', '9', '3', '2', '6', '4'};
    for (size_t k = 0; k < inputs.size(); ++k) {
        inputs[k].digits = "3999";
        inputs[k].unitText = units[k];
        inputs[k].rangeCode = static_cast<char>('0' + k % 5);
        inputs[k].funcChar = funcs[k];
        inputs[k].recordCount = 10;
    }
    MeterRange range;
    size_t i = 0;
    for (auto _ : state) {
        std::string text = range.FormatRangeText(inputs[i++ % inputs.size()]);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatRangeText);

BENCHMARK_MAIN();
