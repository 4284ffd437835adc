#pragma once

#include <string>

namespace voltaro {

// Why a printout or picture cannot be written to `path`, in the system's words with the
// folder or file it concerns ("" when it can). Checked before anything is drawn, so that a
// missing folder is named rather than found out page by page. A file that did not exist is
// not left behind by the check.
std::string OutputFileProblem(const std::string& path);

}  // namespace voltaro
