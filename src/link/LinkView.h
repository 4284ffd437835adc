#pragma once

#include <string>

namespace voltaro {

// A label caption the core reads and sets; the windows wrap their labels in it.
class Caption {
public:
    virtual ~Caption() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// A caption kept in memory, for windows that are not there (tests, command-line tools).
class TextCaption : public Caption {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override {
        text = t;
        ++sets;
    }
    std::string text;
    int sets = 0;
};

// Assigns only when the caption differs, so an unchanged indicator is not redrawn.
void SetCaptionIfChanged(Caption& label, const std::string& text);

// A window that frames are decoded for: it may have a coupling label.
class DecodeForm {
public:
    virtual ~DecodeForm() = default;
    virtual Caption* labDC() { return nullptr; }
};

// The main window as the meter link sees it. Every effect does nothing by default, so the core
// runs without windows; the main window implements what it shows.
class LinkView : public DecodeForm {
public:
    // The "Test" check box (Check1), shown only in DebugMode.
    virtual bool TestChecked() const { return false; }
    // Panel 3 of StatusBar1: the count of waiting characters, then the buffer's first frames.
    virtual void ShowStatusPanel3(const std::string&) {}
    // LabType blinks while data arrives.
    virtual void ToggleLabTypeVisible() {}
    virtual void SetLabType(const std::string&) {}
    virtual void SetLabVolts(const std::string&) {}
    // labRs232 shows a live link; TimerRs232 hides it 15 s after the last accepted frame.
    virtual void SetLabRs232Visible(bool) {}
    virtual void RestartTimerRs232() {}
    // The start-of-recording watchdog.
    virtual void DisableTimerOut() {}
    // labAUTO: "AUTO" or "RANGE".
    virtual void SetLabAuto(const std::string&) {}
    // Image2: picture n of ImageList3 (1 diode, 2 continuity); 0 clears it.
    virtual void ShowFunctionPicture(int) {}
};

// The communications test window (LineMonitorDialog), fed while CommTestActive.
class CommTestView : public DecodeForm {
public:
    virtual void SetLabCount(const std::string&) {}
    virtual void SetDigitsLabel(const std::string&) {}
    virtual std::string Text1() const { return {}; }
    virtual void SetText1(const std::string&) {}
    virtual void SetLabText(const std::string&) {}
    // Whether the window's own serial control is open.
    virtual bool OwnPortOpen() const { return false; }
};

}  // namespace voltaro
