#include "base/Settings.h"

#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <charconv>

#include "base/Conversions.h"

namespace voltaro {

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && !info.isDir();
}

std::string Settings::IniGet(const std::string& section, const std::string& key,
                             const std::string& def) const {
    if (!ini_.Exists()) return def;
    const std::string value = ini_.IniReadRaw(section, key);
    return value.empty() ? def : value;
}

bool Settings::IniSet(const std::string& section, const std::string& key, const std::string& value) {
    return ini_.IniWriteRaw(section, key, value);
}

std::string Settings::SettingGet(const std::string& form, const std::string& key,
                                 const std::string& def) const {
    const std::optional<std::string> value = store_.Get(application_, form, key);
    return value ? *value : def;
}

std::string Settings::SettingGetText(const std::string& form, const std::string& key,
                                     const std::string& def) const {
    const std::string value = SettingGet(form, key, def);
    return value.empty() ? def : value;
}

void Settings::SettingSave(const std::string& form, const std::string& key, const std::string& value) {
    store_.Save(application_, form, key, value);
}

std::optional<int> ParseInteger(const std::string& raw) {
    const std::string text = TrimBoth(raw);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last) return std::nullopt;
    return value;
}

std::optional<bool> ParseBoolean(const std::string& raw) {
    std::string text = TrimBoth(raw);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    if (text == "true" || text == "-1") return true;
    if (text == "false" || text == "0") return false;
    return std::nullopt;
}

int Settings::IniGetInt(const std::string& section, const std::string& key, int def) const {
    return ParseInteger(IniGet(section, key, "")).value_or(def);
}

int Settings::SettingGetInt(const std::string& form, const std::string& key, int def) const {
    return ParseInteger(SettingGet(form, key, "")).value_or(def);
}

bool Settings::SettingGetBool(const std::string& form, const std::string& key, bool def) const {
    return ParseBoolean(SettingGet(form, key, "")).value_or(def);
}

void Settings::SettingSaveBool(const std::string& form, const std::string& key, bool value) {
    SettingSave(form, key, BooleanText(value));
}

}  // namespace voltaro
