#pragma once

#include <array>
#include <functional>
#include <string>

namespace voltaro {

class Settings;

inline const std::string kMainForm = "frmMain";

// The captions of the communication setup dialog's choices, by option index; "" where the
// index has no option. The caption is the value the serial line is set with.
inline constexpr std::array<const char*, 11> kPortCaptions{"0", "1", "2", "3", "4", "5",
                                                           "6", "7", "8", "9", "10"};
inline constexpr std::array<const char*, 5> kBaudCaptions{"2400", "4800", "9600", "14400", "22800"};
inline constexpr std::array<const char*, 5> kParityCaptions{"O", "E", "N", "M", "S"};
inline constexpr std::array<const char*, 10> kDataCaptions{"5", "", "6", "7", "8", "", "", "", "", "4"};
inline constexpr std::array<const char*, 3> kStopCaptions{"1", "1.5", "2"};

// The running version: major.minor.revision.
std::string RunningVersion();

// Every persistent setting of the main window and its dialogs, as the program uses them.
// LoadSettings and SaveSettings are the only mapping between this and the two stores.
struct AppSettings {
    std::string Version;
    std::array<std::string, 6> RecentFiles;  // "file1" .. "file6"
    std::string ExtDim = ".";

    // "Setup.ini", section "Communications": option indices of the setup dialog.
    int Port = 2;
    int Baud = 0;
    int Parity = 0;
    int Data = 3;
    int Stop = 0;

    bool DateofTime = true;
    std::string TimeF = "HH:MM:SS";
    std::string DateF = "YY/MM/DD";
    std::string Path;     // folder for recording files; the program's folder by default
    bool Format = true;   // "12 Hour Clock" selected
    bool Format1 = true;  // "24 Hour Clock" selected (read only when Format is off)
    int ListFormat = 0;
    long BarProgress = 0;
    int MaxBar = 4000;
    std::string UnType;
    int ExtDimF = 0;   // 0 period, 1 comma
    int SeleDim = 0;   // "Don't show me this again"
    int AutoSave = 1;  // "AutoSave Recording Data"

    // The serial line as texts, made from the indices after the port scan.
    std::string PortText, BaudText, ParityText, DataText, StopText, LineSettings;

    // Recent-file entries that are shown (not empty).
    bool RecentVisible(size_t i) const { return !RecentFiles[i].empty(); }
    // The port text, line settings and captions from the indices; an index without a choice
    // is set back to its default first.
    void MakeSerialTexts();
};

// Fills the settings from both stores in the order the main window loads them. A stored
// value that is not a number, an index outside its choices, or 4 data bits, gives its default. The port
// scan runs at its place in the order through `chkCommOK`, which may move the port.
// Running a different version than the one stored marks "Parity" = 2 in MainWindow.
AppSettings LoadSettings(Settings& settings, const std::string& programFolder,
                         const std::function<void(AppSettings&)>& chkCommOK = {});
// Writes the settings back, in the order the program always has.
void SaveSettings(const AppSettings& app, Settings& settings);

}  // namespace voltaro
