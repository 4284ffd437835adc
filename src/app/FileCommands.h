#pragma once

#include <array>
#include <functional>
#include <string>

#include "base/Messages.h"

namespace voltaro {

inline const std::string kSaveAsTitle = "Save File As ";
inline const std::string kChangedQuestion =
    "Current file has been changed !\r\nSave Changes before continuing ";
inline const std::string kNewFileTitle = "New File";
inline const std::string kOpenFileTitle = "Open File";
inline const std::string kImportTitle = "Import Readings ";
inline const std::string kExportTitle = "Export File As ";
// The file types of the Delete File dialog, the first chosen at its start.
inline const char* const kDeleteFileTypes[2] = {"Csv File (*.csv)", "All File (*.*)"};

// The name chosen in a file dialog with ".dmm" added when its fourth character from the end
// is not a period ("run" -> "run.dmm", "a.csv" stays, "run.data" -> "run.data.dmm").
std::string CheckFileName(const std::string& name);

// The first filter of the open and save dialogs for an extension: 1 "csv", 2 "txt", 3 "xls",
// 0 any other (in any letter case).
int FilterIndexFor(const std::string& extension);

// The recent-file list: `path` first, then the others in their order without it, at most six.
void AddRecentFile(std::array<std::string, 6>& list, const std::string& path);

// The file list's pattern of a file type: the text between its first "(" and its first ")",
// "" when either is missing ("Csv File (*.csv)" -> "*.csv").
std::string TypePattern(const std::string& type);

// Delete File's question before a file goes.
std::string DeleteQuestion(const std::string& fullName);

// The unsaved-data question before New, Open, Close, Exit and closing the main window. Asks
// nothing while no reading is held (answers Ok). Yes runs Save as; when Save as is cancelled or
// the save fails the answer becomes Cancel, so that the command does not go on and lose the
// recording.
MessageAnswer CheckSave(int recordCount, MessageSeam& messages, const std::function<bool()>& saveAs);

}  // namespace voltaro
