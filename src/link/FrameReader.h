#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "link/SerialPort.h"

namespace voltaro {

// Where the link's trace files go: the program's folder and the executable's title ("voltaro"
// gives "voltaro.rec" and "voltaro.err"). An empty folder leaves tracing off.
struct TraceNames {
    std::string folder;
    std::string title;
};

// The serial line as the link opens it: the port number and the settings text.
struct SerialLine {
    std::string PortText = "2";
    std::string LineSettings = "2400,O,7,1";
};

// What one feed of the reader did, for the caller's own indicators.
struct FeedResult {
    // The status bar's serial panel: the count of characters that arrived, then the first frame
    // pair buffered. Empty when nothing arrived.
    std::string status;
    // Characters came from the line (not from the simulated meter): the unit label blinks.
    bool dataArrived = false;
    // A frame pair's worth was buffered, so the reader decided: it took the frame at the head of
    // the buffer, or resynchronised. pollCount is then the reader's count of such feeds.
    bool decided = false;
    int32_t pollCount = 0;
    // The frame taken at the head of the buffer (its nine data characters), accepted or not.
    std::optional<std::string> candidate;
    // That frame, when the meter sent it twice (the sign may flicker between the two).
    std::optional<std::string> accepted;
    // The head of the buffer was no frame: it was dropped through the first CR LF.
    bool resynchronised = false;

    bool rejected() const { return candidate && !accepted; }
};

// Cuts frames out of the serial stream and accepts a frame when the meter has sent it twice in
// a row; also opens and closes the port and keeps the link's trace files.
class FrameReader {
public:
    // RxBuf never holds more than this: a line that delivers bytes but never CR LF (wrong baud
    // rate, broken cable) would otherwise grow it for ever.
    static constexpr size_t kRxBufLimit = 4096;
    // A trace file that would pass this size is moved to name + ".old" and started anew; one
    // that cannot be moved is emptied instead.
    static constexpr int64_t kTraceLimit = 1 << 20;

    // In `debugMode` every accepted frame beeps and Poll may simulate the meter.
    FrameReader(Beeper& beeper, const Clock& clock, TraceNames traceNames, bool debugMode);

    // Characters that arrived on the line: accepts, rejects or resynchronises.
    FeedResult Feed(std::string_view bytes);
    // One poll of `port`: every waiting character, fed. `simulate` (the "Test" box, heeded only
    // in debug mode) feeds a simulated meter's ramp instead.
    FeedResult Poll(SerialPort& port, bool simulate = false);
    // Appends "time text" to TraceFile (nothing when TraceFile is empty).
    void WriteTrace(const std::string& text);
    // Opens `port` with the line's port and settings and empties the buffer; a port that does
    // not open stays closed.
    void OpenComm(SerialPort& port, const SerialLine& line);
    void CloseComm(SerialPort& port);

    std::string RxBuf;
    std::string TraceFile;
    int32_t PollCount = 0;
    int16_t SimValue = 0;
    bool SimDown = false;

private:
    FeedResult Take(std::string_view bytes, size_t count);
    FeedResult Decide(FeedResult result);
    void SimulateMeter();
    void TakeFrame(FeedResult& result);
    void Resynchronise(size_t crlfPosition);
    std::string TracePath(const char* extension) const;

    Beeper& beeper_;
    const Clock& clock_;
    TraceNames traceNames_;
    bool debugMode_;
};

}  // namespace voltaro
