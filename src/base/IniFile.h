#pragma once

#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// Reader and writer of "Setup.ini". Every section of the file goes through this one class, so
// writing a key of one section keeps every other section, key and comment as it was.
// Section and key names match without regard to letter case.
class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }
    bool Exists() const;

    // The stored text: at most 1024 characters, cut at the first NUL, trailing blanks removed;
    // "" when the file, the section or the key is missing.
    std::string IniReadRaw(const std::string& section, const std::string& key) const;
    // Writes one key, creating the file and the section when needed. False when the file
    // cannot be written, or is there but cannot be read.
    bool IniWriteRaw(const std::string& section, const std::string& key, const std::string& value);
    // Every key of a section in file order, as (key, value) pairs.
    std::vector<std::pair<std::string, std::string>> Section(const std::string& section) const;

private:
    // No lines for a missing file; nothing when the file is there but cannot be read.
    std::optional<std::vector<std::string>> ReadLines() const;
    std::string path_;
};

}  // namespace voltaro
