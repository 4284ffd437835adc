#include "link/FrameReader.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "base/ProgramFolder.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr size_t kFrame = 11;      // nine data characters, CR, LF
constexpr size_t kFramePair = 22;  // a frame and its repetition

bool At(const std::string& buf, size_t position, const char* text) {
    return buf.compare(position - 1, std::char_traits<char>::length(text), text) == 0;
}

// The sign may flicker between two frames of one reading: at a zero reading in either
// direction, and from minus to plus at any reading.
bool SignFlicker(const std::string& buf) {
    return (At(buf, 2, "0000") && At(buf, 7, "00") && At(buf, 18, "40")) ||
           (At(buf, 7, "40") && At(buf, 18, "00"));
}

}  // namespace

FrameReader::FrameReader(Beeper& beeper, const Clock& clock, TraceNames traceNames, bool debugMode)
    : beeper_(beeper), clock_(clock), traceNames_(std::move(traceNames)), debugMode_(debugMode) {}

std::string FrameReader::TracePath(const char* extension) const {
    if (traceNames_.folder.empty()) return {};
    return JoinPath(traceNames_.folder, traceNames_.title + extension);
}

FeedResult FrameReader::Poll(SerialPort& port, bool simulate) {
    if (debugMode_ && simulate) {
        SimulateMeter();
        FeedResult result;
        result.status = std::to_string(kFramePair);
        return Decide(std::move(result));
    }
    const int count = port.InBufferCount();
    if (count <= 0) return {};
    // Every waiting character: a read limit would leave the port's own buffer growing at the
    // faster baud rates.
    port.SetInputLen(0);
    return Take(port.Input(), static_cast<size_t>(count));
}

FeedResult FrameReader::Feed(std::string_view bytes) {
    if (bytes.empty()) return {};
    return Take(bytes, bytes.size());
}

FeedResult FrameReader::Take(std::string_view bytes, size_t count) {
    FeedResult result;
    result.status = std::to_string(count);
    result.dataArrived = true;
    RxBuf += bytes;
    if (RxBuf.size() > kRxBufLimit) RxBuf.erase(0, RxBuf.size() - kRxBufLimit);
    TraceFile = TracePath(".rec");
    return Decide(std::move(result));
}

FeedResult FrameReader::Decide(FeedResult result) {
    if (RxBuf.size() < kFramePair) return result;
    result.status = RxBuf.substr(0, kFramePair);
    PollCount = static_cast<int32_t>(static_cast<uint32_t>(PollCount) + 1u);
    result.decided = true;
    result.pollCount = PollCount;

    const size_t crlf = RxBuf.find("\r\n");
    const size_t p = crlf == std::string::npos ? 0 : crlf + 1;
    if (p == kFrame - 1) {
        TakeFrame(result);
    } else {
        Resynchronise(p);
        result.resynchronised = true;
    }
    return result;
}

void FrameReader::SimulateMeter() {
    if (SimValue >= 50 && !SimDown) SimDown = true;
    if (SimValue == 0 && SimDown) SimDown = false;
    SimValue = static_cast<int16_t>(SimDown ? SimValue - 1 : SimValue + 1);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", SimValue * 10);
    const std::string frame = std::string("0") + digits + ";008\r\n";
    RxBuf = frame + frame;
}

void FrameReader::TakeFrame(FeedResult& result) {
    std::string frame = RxBuf.substr(0, 9);
    if (RxBuf.compare(11, 9, frame) == 0 || SignFlicker(RxBuf)) {
        result.accepted = frame;
        if (debugMode_) beeper_.Beep();
    }
    result.candidate = std::move(frame);
    // Keep the last frame's worth and any partial frame: 11 to 21 characters.
    const size_t k = RxBuf.size() / kFrame - 1;
    RxBuf.erase(0, kFrame * k);
}

void FrameReader::Resynchronise(size_t p) {
    TraceFile = TracePath(".err");
    RxBuf.erase(0, p + 1);
    WriteTrace("ADJ => " + RxBuf);
}

void FrameReader::WriteTrace(const std::string& text) {
    if (TraceFile.empty()) return;
    const std::string line =
        clock_.Now().time().toString(QStringLiteral("HH:mm:ss")).toStdString() + " " + text + "\r\n";
    const QString path = QString::fromStdString(TraceFile);
    const QFileInfo info(path);
    if (info.exists() && info.size() > 0 && info.size() + static_cast<int64_t>(line.size()) > kTraceLimit) {
        const QString old = path + QStringLiteral(".old");
        QFile::remove(old);
        // Where it cannot be moved aside (".old" taken by a folder, say) it starts anew in place.
        if (!QFile::rename(path, old)) QFile::resize(path, 0);
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return;  // tracing never stops the reader
    f.write(line.data(), static_cast<qint64>(line.size()));
}

void FrameReader::OpenComm(SerialPort& port, const SerialLine& line) {
    port.SetCommPort(static_cast<int>(Val(line.PortText)));
    port.SetSettings(line.LineSettings);
    port.SetInputLen(1);
    port.SetPortOpen(true);
    RxBuf.clear();
    if (port.PortOpen()) port.SetInputLen(1);
}

void FrameReader::CloseComm(SerialPort& port) {
    if (port.PortOpen()) port.SetPortOpen(false);
}

}  // namespace voltaro
