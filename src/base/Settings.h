#pragma once

#include <optional>
#include <string>

#include "base/IniFile.h"
#include "base/SettingsStore.h"

namespace voltaro {

// The per-user store's application name: the executable's name without extension.
inline const std::string kApplicationName = "voltaro";
inline const std::string kCommunications = "Communications";

// True when the path is not empty and names an existing file (not a folder).
bool FileExists(const std::string& path);

// The two stores behind every setting: "Setup.ini" for the serial line, the per-user store
// for everything else. A missing key gives the caller's default; an empty one does too,
// except through SettingGet, whose callers may store "" on purpose.
class Settings {
public:
    Settings(SettingsStore& store, IniFile& ini, std::string application = kApplicationName)
        : store_(store), ini_(ini), application_(std::move(application)) {}

    std::string IniGet(const std::string& section, const std::string& key, const std::string& def) const;
    bool IniSet(const std::string& section, const std::string& key, const std::string& value);
    std::string SettingGet(const std::string& form, const std::string& key, const std::string& def) const;
    void SettingSave(const std::string& form, const std::string& key, const std::string& value);
    std::string SettingGetText(const std::string& form, const std::string& key, const std::string& def) const;

    // Typed readings of stored texts. A text that is not what the key holds gives the
    // default: an integer must be a whole (signed) number, a boolean one of "True", "False",
    // "-1", "0" in any letter case.
    int IniGetInt(const std::string& section, const std::string& key, int def) const;
    int SettingGetInt(const std::string& form, const std::string& key, int def) const;
    bool SettingGetBool(const std::string& form, const std::string& key, bool def) const;
    void SettingSaveBool(const std::string& form, const std::string& key, bool value);

    IniFile& Ini() { return ini_; }

private:
    SettingsStore& store_;
    IniFile& ini_;
    std::string application_;
};

std::optional<int> ParseInteger(const std::string& text);
std::optional<bool> ParseBoolean(const std::string& text);
inline std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

}  // namespace voltaro
