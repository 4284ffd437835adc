#pragma once

#include <cstdint>
#include <string>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "link/Decoder.h"
#include "link/LinkView.h"
#include "link/Reading.h"
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

    FrameReader(Reading& reading, Decoder& decoder, LinkView& mainWindow, Beeper& beeper, const Clock& clock,
                TraceNames traceNames, bool debugMode);

    // One poll of `port`: drains it, and accepts, rejects or resynchronises.
    void ReadComm(SerialPort& port);
    // Appends "time text" to TraceFile (nothing when TraceFile is empty).
    void WriteTrace(const std::string& text);
    // Opens `port` with the line's port and settings; a port that does not open stays closed.
    void OpenComm(SerialPort& port, const SerialLine& line);
    void CloseComm(SerialPort& port);

    // The test window receives the frames while it is open from the main window.
    void AttachCommTest(CommTestView* view) { commTest_ = view; }

    std::string RxBuf;
    bool FrameOK = false;
    std::string TraceFile;
    int32_t PollCount = 0;
    int16_t SimValue = 0;
    bool SimDown = false;
    bool CommTestActive = false;

private:
    void SimulateMeter();
    void TakeFrame();
    void Resynchronise(size_t crlfPosition);
    std::string TracePath(const char* extension) const;

    Reading& reading_;
    Decoder& decoder_;
    LinkView& main_;
    Beeper& beeper_;
    const Clock& clock_;
    TraceNames traceNames_;
    bool debugMode_;
    CommTestView* commTest_ = nullptr;
};

}  // namespace voltaro
