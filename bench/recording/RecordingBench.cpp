// The recording's file work against plain reads and writes of the same bytes, each pair timed
// in the same run: loading a 30000-reading file, a whole save, an in-place save of 600 rows,
// the report of 30000 rows, and an export of ten 30000-line working files.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "recording/Export.h"
#include "recording/FileFormat.h"
#include "recording/RecordingRig.h"
#include "support/ScriptedMessages.h"
#include "values/Formatting.h"

using namespace voltaro;

namespace {

// Wall time and this thread's processor time: the machine is shared, so a pair of wall
// times is only comparable when nothing else ran in between; processor time is, but it does
// not see the wait for the disk that a flush costs.
struct Stamp {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    timespec cpu{};
    Stamp() { clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu); }
};
struct Spent {
    double wall = 0, cpu = 0;
    void Add(const Stamp& from) {
        const Stamp now;
        wall += std::chrono::duration<double>(now.wall - from.wall).count();
        cpu += static_cast<double>(now.cpu.tv_sec - from.cpu.tv_sec) +
               static_cast<double>(now.cpu.tv_nsec - from.cpu.tv_nsec) * 1e-9;
    }
};

// The file in one read into a buffer of its size.
std::string ReadWhole(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fseek(f, 0, SEEK_END);
        bytes.resize(static_cast<size_t>(std::ftell(f)));
        std::fseek(f, 0, SEEK_SET);
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
    }
    return bytes;
}

// The same bytes written the plainest way, flushed to disk as the saves are.
void WritePlain(const std::string& path, const std::string& bytes, bool sync) {
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0) return;
    benchmark::DoNotOptimize(write(fd, bytes.data(), bytes.size()));
    if (sync) fsync(fd);
    close(fd);
}

// A recording of 30000 readings whose values change with every row.
struct Filled : RecordingRig {
    explicit Filled(int rows = kMaxRows) {
        char frame[16];
        for (int i = 1; i <= rows; ++i) {
            std::snprintf(frame, sizeof frame, "%d%04d;0%c8", 1 + i % 3, i % 4000, i % 2 ? '0' : '4');
            Accept(frame);
            const int r = ++rec.store.RecordCount;
            rec.store.Set(r, Field::Date, "2024/01/15");
            rec.store.Set(r, Field::Time, "10:00:00");
            rec.store.Set(r, Field::ValueText, SingleToText(reading.value));
            rec.store.Set(r, Field::Type, reading.baseUnit);
            rec.store.Set(r, Field::Coupling, reading.acDc);
            rec.store.Set(r, Field::MaxFlag, "1");
            rec.store.Set(r, Field::MinFlag, "1");
            rec.store.Set(r, Field::AvgFlag, "1");
            rec.store.Set(r, Field::Notes, frame);
        }
    }
};

void Report(benchmark::State& state, const Spent& op, const Spent& plain, const Spent* plainNoSync,
            const char* name) {
    const double n = static_cast<double>(state.iterations());
    state.counters["ms"] = op.wall / n * 1e3;
    state.counters["cpu_ms"] = op.cpu / n * 1e3;
    state.counters[std::string("plain_") + name + "_ms"] = plain.wall / n * 1e3;
    state.counters["x_plain"] = op.wall / plain.wall;
    state.counters["x_plain_cpu"] = op.cpu / plain.cpu;
    if (plainNoSync) state.counters["x_plain_nosync"] = op.wall / plainNoSync->wall;
}

void BM_Load30000(benchmark::State& state) {
    Filled src;
    const std::string path = src.PathOf("load.dmm");
    src.rec.store.RecordingFile = path;
    src.rec.SaveByExtension(false);
    RecordingRig rig;
    Spent op, plain;
    for (auto _ : state) {
        Stamp t;
        benchmark::DoNotOptimize(ReadWhole(path));
        plain.Add(t);
        t = Stamp();
        benchmark::DoNotOptimize(rig.rec.OpenFile(path));
        op.Add(t);
    }
    Report(state, op, plain, nullptr, "read");
    state.counters["rows"] = rig.rec.store.RecordCount;
    state.counters["store_MB"] = static_cast<double>(rig.rec.store.MemoryBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_Load30000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WholeSave30000(benchmark::State& state) {
    Filled rig;
    rig.rec.store.RecordingFile = rig.PathOf("whole.dmm");
    rig.rec.SaveByExtension(false);
    const std::string bytes = ReadWhole(rig.rec.store.RecordingFile);
    const std::string plainPath = rig.PathOf("plain.dmm");
    Spent op, plain, plainNoSync;
    for (auto _ : state) {
        Stamp t;
        WritePlain(plainPath, bytes, true);
        plain.Add(t);
        t = Stamp();
        WritePlain(plainPath, bytes, false);
        plainNoSync.Add(t);
        rig.rec.store.SavedCount = 0;
        t = Stamp();
        benchmark::DoNotOptimize(rig.rec.SaveByExtension(false));
        op.Add(t);
    }
    Report(state, op, plain, &plainNoSync, "write");
}
BENCHMARK(BM_WholeSave30000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InPlaceSave600(benchmark::State& state) {
    Filled rig;
    rig.rec.store.RecordingFile = rig.PathOf("inplace.dmm");
    rig.rec.SaveByExtension(false);
    const std::string bytes = ReadWhole(rig.rec.store.RecordingFile).substr(0, 601 * kLineLength);
    const std::string plainPath = rig.PathOf("plain.dmm");
    Spent op, plain, plainNoSync;
    for (auto _ : state) {
        Stamp t;
        WritePlain(plainPath, bytes, true);
        plain.Add(t);
        t = Stamp();
        WritePlain(plainPath, bytes, false);
        plainNoSync.Add(t);
        rig.rec.store.SavedCount = kMaxRows - 600;
        t = Stamp();
        benchmark::DoNotOptimize(rig.rec.SaveByExtension(false));
        op.Add(t);
    }
    Report(state, op, plain, &plainNoSync, "write");
}
BENCHMARK(BM_InPlaceSave600)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Report30000(benchmark::State& state) {
    Filled rig;
    rig.rec.store.ChunkFile = rig.PathOf("report.tmp");
    rig.rec.SaveReport();
    const std::string bytes = ReadWhole(rig.rec.store.ChunkFile);
    const std::string plainPath = rig.PathOf("plain.tmp");
    Spent op, plain, plainNoSync;
    for (auto _ : state) {
        Stamp t;
        WritePlain(plainPath, bytes, true);
        plain.Add(t);
        t = Stamp();
        WritePlain(plainPath, bytes, false);
        plainNoSync.Add(t);
        t = Stamp();
        benchmark::DoNotOptimize(rig.rec.SaveReport());
        op.Add(t);
    }
    Report(state, op, plain, &plainNoSync, "write");
    state.counters["lines"] = static_cast<double>(std::count(bytes.begin(), bytes.end(), '\n'));
}
BENCHMARK(BM_Report30000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportTenChunks(benchmark::State& state) {
    QTemporaryDir dir;
    std::vector<std::string> chunks;
    {
        Filled rig;
        rig.rec.store.ChunkFile = rig.PathOf("report.tmp");
        rig.rec.SaveReport();
        const std::string bytes = ReadWhole(rig.rec.store.ChunkFile);
        for (int i = 0; i < 10; ++i) {
            chunks.push_back(dir.filePath(QString("chunk%1.tmp").arg(i)).toStdString());
            WritePlain(chunks.back(), bytes, false);
        }
    }
    const std::string out = dir.filePath("all.csv").toStdString();
    const std::string cat = dir.filePath("cat.csv").toStdString();
    ScriptedMessages messages;
    Spent op, plain;
    for (auto _ : state) {
        Stamp t;
        {
            std::FILE* o = std::fopen(cat.c_str(), "wb");
            for (const std::string& c : chunks) {
                const std::string b = ReadWhole(c);
                std::fwrite(b.data(), 1, b.size(), o);
            }
            std::fclose(o);
        }
        plain.Add(t);
        t = Stamp();
        benchmark::DoNotOptimize(ExportReadings(out, chunks, false, messages, nullptr));
        op.Add(t);
    }
    Report(state, op, plain, nullptr, "concatenation");
}
BENCHMARK(BM_ExportTenChunks)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
