#pragma once

#include <string>
#include <vector>

#include "link/LinkView.h"

namespace voltaro::testing {

// A main window that remembers what the link did to it.
class RecordingLinkView : public LinkView {
public:
    bool TestChecked() const override { return test; }
    void ShowStatusPanel3(const std::string& t) override { panel3.push_back(t); }
    void ToggleLabTypeVisible() override { labTypeVisible = !labTypeVisible; }
    void SetLabType(const std::string& t) override { labType = t; }
    void SetLabVolts(const std::string& t) override { labVolts = t; }
    void SetLabRs232Visible(bool v) override { labRs232 = v; }
    void RestartTimerRs232() override { ++timerRs232Restarts; }
    void DisableTimerOut() override { ++timerOutDisabled; }
    void SetLabAuto(const std::string& t) override { labAuto = t; }
    void ShowFunctionPicture(int n) override { pictures.push_back(n); }
    Caption* labDC() override { return &dc; }

    bool test = false;
    std::vector<std::string> panel3;
    bool labTypeVisible = true;
    std::string labType = "V", labVolts = "m", labAuto;
    bool labRs232 = false;
    int timerRs232Restarts = 0, timerOutDisabled = 0;
    std::vector<int> pictures;
    TextCaption dc;
};

class RecordingCommTest : public CommTestView {
public:
    void SetLabCount(const std::string& t) override { labCount = t; }
    void SetDigitsLabel(const std::string& t) override { digits = t; }
    std::string Text1() const override { return text1; }
    void SetText1(const std::string& t) override { text1 = t; }
    void SetLabText(const std::string& t) override { labText = t; }
    bool OwnPortOpen() const override { return ownPortOpen; }
    Caption* labDC() override { return &dc; }

    std::string labCount, digits, text1, labText;
    bool ownPortOpen = false;
    TextCaption dc;
};

}  // namespace voltaro::testing
