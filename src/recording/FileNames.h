#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// The text before the last "/" of path ("/" for a file at the root); "" when it holds none.
std::string FolderOf(std::string_view path);
// The text after the last "/" of path, or path itself when it holds none.
std::string FileTitle(std::string_view path);

// Position in path of the separator in front of the extension: the last extDim or "." of the
// file name, so "run.data.dmm" is a ".dmm" file and a dot in a folder name changes nothing.
// npos when the file name holds neither.
size_t ExtensionSeparator(std::string_view path, char extDim);
// The three characters after that separator, lower case; "" when there are not exactly three.
std::string ExtensionOf(std::string_view path, char extDim);
// The path with the separator in front of its extension replaced by extDim.
std::string RenameExtension(std::string_view path, char extDim);

// The numbered follow-on name: test.dmm -> test001.dmm -> test002.dmm, run7.dmm -> run7001.dmm,
// test999.dmm -> test1000.dmm; "" when the name is too short to carry a number.
std::string NextNumberedName(std::string_view name, int step, int digits, char extDim = '.');

// The numbered follow-on files of `file` that exist, in order (run.dmm: run001.dmm, run002.dmm,
// ...). Parts missing between the first and the last one found are put into `missing`; a gap
// longer than twenty parts ends the search.
std::vector<std::string> FollowOnParts(const std::string& file, std::vector<std::string>* missing = nullptr);

}  // namespace voltaro
