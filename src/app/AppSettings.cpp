#include "app/AppSettings.h"

#include <cmath>

#include "base/Settings.h"
#include "link/SerialPort.h"
#include "values/DateTimeFormat.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

template <size_t N>
bool HasChoice(const std::array<const char*, N>& captions, int index) {
    return index >= 0 && static_cast<size_t>(index) < N && captions[static_cast<size_t>(index)][0] != '\0';
}

template <size_t N>
int Choice(const Settings& s, const std::string& key, int def, const std::array<const char*, N>& captions) {
    const int v = s.IniGetInt(kCommunications, key, def);
    return HasChoice(captions, v) ? v : def;
}

// The keys kept as one digit and read by their leading number: any other text is 0.
int DigitKey(const Settings& s, const std::string& key, const std::string& def, int choices) {
    const double v = Val(s.SettingGetText(kMainForm, key, def));
    return v >= 0 && v < choices ? static_cast<int>(v) : 0;
}

}  // namespace

std::string RunningVersion() {
    return std::to_string(VOLTARO_VERSION_MAJOR) + "." + std::to_string(VOLTARO_VERSION_MINOR) + "." +
           std::to_string(VOLTARO_VERSION_PATCH);
}

void AppSettings::MakeSerialTexts() {
    // The indices may come from a dialog or a caller that did not check them.
    const AppSettings defaults;
    if (!HasChoice(kBaudCaptions, Baud)) Baud = defaults.Baud;
    if (!HasChoice(kParityCaptions, Parity)) Parity = defaults.Parity;
    if (!HasChoice(kDataCaptions, Data)) Data = defaults.Data;
    if (!HasChoice(kStopCaptions, Stop)) Stop = defaults.Stop;
    PortText = Port == 0 ? "1" : std::to_string(Port);
    BaudText = kBaudCaptions[static_cast<size_t>(Baud)];
    ParityText = kParityCaptions[static_cast<size_t>(Parity)];
    DataText = kDataCaptions[static_cast<size_t>(Data)];
    StopText = kStopCaptions[static_cast<size_t>(Stop)];
    LineSettings = BaudText + "," + ParityText + "," + DataText + "," + StopText;
}

AppSettings LoadSettings(Settings& s, const std::string& programFolder,
                         const std::function<void(AppSettings&)>& chkCommOK) {
    AppSettings a;
    a.Version = RunningVersion();
    if (s.SettingGetText(kMainForm, "Version", a.Version) != a.Version)
        s.SettingSave(kMainForm, "Parity", "2");

    for (size_t i = 0; i < a.RecentFiles.size(); ++i)
        a.RecentFiles[i] = s.SettingGet(kMainForm, "file" + std::to_string(i + 1), "");

    const std::string extDim = s.SettingGetText(kMainForm, "ExtDim", ".");
    a.ExtDim = extDim == "," ? "," : ".";

    a.Port = s.IniGetInt(kCommunications, "Port", 2);
    if (!HasChoice(kPortCaptions, a.Port)) a.Port = 2;
    a.Baud = Choice(s, "Baud", 0, kBaudCaptions);
    a.Parity = Choice(s, "Parity", 0, kParityCaptions);
    a.Data = Choice(s, "Data", 3, kDataCaptions);
    // The dialog's hidden 4 data bits: no port would open with them, and the port scan would
    // end the program with every port "in use".
    if (Val(kDataCaptions[static_cast<size_t>(a.Data)]) < kMinDataBits) a.Data = 3;
    a.Stop = Choice(s, "Stop", 0, kStopCaptions);

    a.DateofTime = s.SettingGetBool(kMainForm, "DateofTime", true);
    a.TimeF = s.SettingGetText(kMainForm, "TimeF", kDefaultTimeF);
    if (!IsKnownTimePattern(a.TimeF)) a.TimeF = kDefaultTimeF;
    a.DateF = s.SettingGetText(kMainForm, "DateF", kDefaultDateF);
    if (!IsKnownDatePattern(a.DateF)) a.DateF = kDefaultDateF;
    a.Path = s.SettingGetText(kMainForm, "Path", programFolder);

    a.Format = s.SettingGetBool(kMainForm, "Format", true);
    a.Format1 = a.Format ? false : s.SettingGetBool(kMainForm, "Format1", true);
    a.ListFormat = s.SettingGetInt(kMainForm, "ListFormat", 0);
    if (a.ListFormat < 0 || a.ListFormat >= static_cast<int>(kDateTimeEntries.size())) a.ListFormat = 0;

    const double bar = Val(s.SettingGetText(kMainForm, "BarProgress", "0"));
    a.BarProgress = bar >= 0 && bar <= 0xFFFFFF ? static_cast<long>(bar) : 0;
    a.MaxBar = s.SettingGetInt(kMainForm, "MaxBar", 4000);
    if (a.MaxBar <= 0) a.MaxBar = 4000;

    if (chkCommOK) chkCommOK(a);
    if (!HasChoice(kPortCaptions, a.Port)) a.Port = 2;
    a.MakeSerialTexts();

    a.UnType = s.SettingGet(kMainForm, "UnType", "");
    a.ExtDimF = DigitKey(s, "ExtDimF", "0", 2);
    a.ExtDim = a.ExtDimF == 1 ? "," : ".";
    a.SeleDim = DigitKey(s, "SeleDim", "0", 2);
    a.AutoSave = DigitKey(s, "AutoSave", "1", 2);
    return a;
}

void SaveSettings(const AppSettings& a, Settings& s) {
    s.SettingSave(kMainForm, "Version", a.Version.empty() ? RunningVersion() : a.Version);
    for (size_t i = 0; i < a.RecentFiles.size(); ++i)
        s.SettingSave(kMainForm, "file" + std::to_string(i + 1), a.RecentFiles[i]);
    s.IniSet(kCommunications, "Port", std::to_string(static_cast<int>(Val(a.PortText))));
    s.IniSet(kCommunications, "Baud", std::to_string(a.Baud));
    s.IniSet(kCommunications, "Parity", std::to_string(a.Parity));
    s.IniSet(kCommunications, "Data", std::to_string(a.Data));
    s.IniSet(kCommunications, "Stop", std::to_string(a.Stop));
    s.SettingSaveBool(kMainForm, "DateofTime", a.DateofTime);
    s.SettingSaveBool(kMainForm, "Format", a.Format);
    s.SettingSaveBool(kMainForm, "Format1", a.Format1);
    s.SettingSave(kMainForm, "ListFormat", std::to_string(a.ListFormat));
    s.SettingSave(kMainForm, "TimeF", a.TimeF);
    s.SettingSave(kMainForm, "DateF", a.DateF);
    s.SettingSave(kMainForm, "MaxBar", std::to_string(a.MaxBar));
    s.SettingSave(kMainForm, "Path", a.Path);
    s.SettingSave(kMainForm, "BarProgress", std::to_string(a.BarProgress));
    s.SettingSave(kMainForm, "ExtDimF", std::to_string(a.ExtDimF));
    s.SettingSave(kMainForm, "AutoSave", std::to_string(a.AutoSave));
}

}  // namespace voltaro
