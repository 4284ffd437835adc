// FrameReader::Feed + DecodeFrame over a long buffered stream, against a plain scan of the same bytes
// for CR LF.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "link/Decoder.h"
#include "link/FrameReader.h"
#include "support/CountingBeeper.h"
#include "support/SettableClock.h"

using namespace voltaro;

namespace {

constexpr int kFrames = 200000;
constexpr size_t kChunk = 120;  // what 2400 baud delivers between two polls at 500 ms

// A meter stream whose reading changes every 22 frames, with a cut frame now and then.
const std::string& Stream() {
    static const std::string stream = [] {
        std::string s;
        char frame[16];
        for (int i = 0; i < kFrames; ++i) {
            std::snprintf(frame, sizeof frame, "1%04d;008\r\n", (i / 22) % 4000);
            s += (i % 97 == 0) ? std::string(frame + 4) : std::string(frame);
        }
        return s;
    }();
    return stream;
}

size_t ScanForCrLf(const std::string& s) {
    size_t frames = 0;
    const char* p = s.data();
    const char* end = p + s.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(end - p))))) {
        if (p + 1 < end && p[1] == '\n') ++frames;
        ++p;
    }
    return frames;
}

// Polls the reader over the whole stream; returns the accepted frames.
int64_t ReadAll(const std::string& stream) {
    Reading reading;
    CountingBeeper beeper;
    SettableClock clock;
    FrameReader reader(beeper, clock, {}, false);
    int64_t accepted = 0;
    for (size_t at = 0; at < stream.size(); at += kChunk) {
        const FeedResult fed = reader.Feed(std::string_view(stream).substr(at, kChunk));
        if (fed.accepted) {
            reading = DecodeFrame(reading, *fed.accepted, fed.accepted->substr(1, 4), "");
            ComputeValue(reading);
            ++accepted;
        }
    }
    return accepted;
}

double SecondsOf(void (*work)()) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReadCommDecode(benchmark::State& state) {
    const std::string& stream = Stream();
    int64_t accepted = 0;
    for (auto _ : state) {
        accepted = ReadAll(stream);
        benchmark::DoNotOptimize(accepted);
    }
    // The same bytes scanned for CR LF and nothing else, timed here so the ratio is at hand.
    const double scan = SecondsOf([] {
                            for (int i = 0; i < 20; ++i) benchmark::DoNotOptimize(ScanForCrLf(Stream()));
                        }) /
                        20;
    const double per = SecondsOf([] { benchmark::DoNotOptimize(ReadAll(Stream())); });
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(kFrames) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["accepted"] = static_cast<double>(accepted);
    state.counters["x_plain_scan"] = per / scan;
    state.SetBytesProcessed(static_cast<int64_t>(stream.size()) * state.iterations());
}
BENCHMARK(BM_ReadCommDecode)->Unit(benchmark::kMillisecond);

void BM_PlainCrLfScan(benchmark::State& state) {
    const std::string& stream = Stream();
    for (auto _ : state) benchmark::DoNotOptimize(ScanForCrLf(stream));
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(kFrames) * state.iterations(), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<int64_t>(stream.size()) * state.iterations());
}
BENCHMARK(BM_PlainCrLfScan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
