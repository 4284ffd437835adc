#pragma once

#include <string>

namespace voltaro {

// The folder that holds "Setup.ini", the trace files and "Untitled.dmm": the executable's
// folder when it is writable, otherwise the per-user data folder (created when missing).
// Ends without a separator. Needs a QCoreApplication.
std::string DefaultProgramFolder();

// The executable's file name without folder and extension ("voltaro"), which names the
// ".rec" and ".err" trace files.
std::string ExecutableTitle();

// folder + "/" + name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace voltaro
