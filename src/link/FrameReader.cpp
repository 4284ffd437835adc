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
constexpr size_t kTestTextKeep = 176;

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

FrameReader::FrameReader(Reading& reading, Decoder& decoder, LinkView& mainWindow, Beeper& beeper,
                         const Clock& clock, TraceNames traceNames, bool debugMode)
    : reading_(reading),
      decoder_(decoder),
      main_(mainWindow),
      beeper_(beeper),
      clock_(clock),
      traceNames_(std::move(traceNames)),
      debugMode_(debugMode) {}

std::string FrameReader::TracePath(const char* extension) const {
    if (traceNames_.folder.empty()) return {};
    return JoinPath(traceNames_.folder, traceNames_.title + extension);
}

void FrameReader::ReadComm(SerialPort& port) {
    const bool simulate = debugMode_ && main_.TestChecked();
    const int count = simulate ? static_cast<int>(kFramePair) : port.InBufferCount();
    if (count <= 0) return;
    main_.ShowStatusPanel3(std::to_string(count));

    if (simulate) {
        SimulateMeter();
    } else {
        // Every waiting character: a read limit would leave the port's own buffer growing at
        // the faster baud rates.
        port.SetInputLen(0);
        RxBuf += port.Input();
        if (RxBuf.size() > kRxBufLimit) RxBuf.erase(0, RxBuf.size() - kRxBufLimit);
        TraceFile = TracePath(".rec");
        main_.ToggleLabTypeVisible();
    }
    if (RxBuf.size() < kFramePair) return;

    main_.ShowStatusPanel3(RxBuf.substr(0, kFramePair));
    PollCount = static_cast<int32_t>(static_cast<uint32_t>(PollCount) + 1u);
    if (CommTestActive && commTest_) commTest_->SetLabCount(std::to_string(PollCount));

    const size_t crlf = RxBuf.find("\r\n");
    const size_t p = crlf == std::string::npos ? 0 : crlf + 1;
    if (p == kFrame - 1) {
        TakeFrame();
    } else {
        Resynchronise(p);
    }
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

void FrameReader::TakeFrame() {
    const std::string a = RxBuf.substr(0, 9);
    reading_.frameText = a;
    const bool same = RxBuf.compare(11, 9, a) == 0 || SignFlicker(RxBuf);
    if (same) {
        reading_.digits = RxBuf.substr(1, 4);
        reading_.acceptedFrameText = a;
        FrameOK = true;
        main_.SetLabRs232Visible(true);
        main_.RestartTimerRs232();
        if (debugMode_) beeper_.Beep();
        reading_.NoDataFlag = false;
    } else {
        FrameOK = false;
    }

    if (CommTestActive && commTest_) {
        commTest_->SetDigitsLabel(reading_.digits);
        std::string text = commTest_->Text1() + reading_.frameText;
        if (text.size() > kTestTextKeep) text.erase(0, text.size() - kTestTextKeep);
        commTest_->SetText1(text);
        if (commTest_->OwnPortOpen()) decoder_.DecodeFrame(*commTest_);
        const size_t inFrame = reading_.frameText.find("\r\n");
        const size_t at = inFrame == std::string::npos ? 0 : inFrame + 1;
        commTest_->SetLabText(reading_.frameText + " [" + std::to_string(at) + "]");
    }

    // Keep the last frame's worth and any partial frame: 11 to 21 characters.
    const size_t k = RxBuf.size() / kFrame - 1;
    RxBuf.erase(0, kFrame * k);
}

void FrameReader::Resynchronise(size_t p) {
    TraceFile = TracePath(".err");
    RxBuf.erase(0, p + 1);
    WriteTrace("ADJ => " + RxBuf);
    FrameOK = false;
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
    main_.SetLabVolts("");
    main_.SetLabType("WAIT");
    port.SetCommPort(static_cast<int>(Val(line.PortText)));
    port.SetSettings(line.LineSettings);
    port.SetInputLen(1);
    port.SetPortOpen(true);
    RxBuf.clear();
    if (port.PortOpen()) port.SetInputLen(1);
}

void FrameReader::CloseComm(SerialPort& port) {
    if (port.PortOpen()) port.SetPortOpen(false);
    main_.DisableTimerOut();
}

}  // namespace voltaro
