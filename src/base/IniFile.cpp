#include "base/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cctype>

namespace voltaro {

namespace {

constexpr size_t kMaxValue = 1024;

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]" gives name; anything else gives no section header.
bool SectionHeader(const std::string& line, std::string& name) {
    std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool KeyLine(const std::string& line, std::string& key, std::string& value) {
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#' || t[0] == '[') return false;
    size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(t.substr(0, eq));
    value = t.substr(eq + 1);
    return !key.empty();
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

bool IniFile::Exists() const { return !path_.empty() && QFile::exists(QString::fromStdString(path_)); }

std::optional<std::vector<std::string>> IniFile::ReadLines() const {
    std::vector<std::string> lines;
    QFile f(QString::fromStdString(path_));
    if (!f.exists()) return lines;
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    std::string current;
    for (char c : all) {
        if (c == '\n') {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            lines.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

std::vector<std::pair<std::string, std::string>> IniFile::Section(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> out;
    bool inSection = false;
    for (const std::string& line : ReadLines().value_or(std::vector<std::string>{})) {
        std::string name, key, value;
        if (SectionHeader(line, name)) {
            inSection = SameName(name, section);
        } else if (inSection && KeyLine(line, key, value)) {
            out.emplace_back(key, value);
        }
    }
    return out;
}

std::string IniFile::IniReadRaw(const std::string& section, const std::string& key) const {
    for (const auto& [k, v] : Section(section)) {
        if (!SameName(k, key)) continue;
        std::string value = v.substr(0, std::min(v.find('\0'), kMaxValue));
        value = Trim(value);
        return value;
    }
    return "";
}

bool IniFile::IniWriteRaw(const std::string& section, const std::string& key, const std::string& value) {
    // A file that is there but cannot be read would be replaced by this one key.
    std::optional<std::vector<std::string>> read = ReadLines();
    if (!read) return false;
    std::vector<std::string>& lines = *read;
    const std::string newLine = key + "=" + value;
    int sectionAt = -1, keyAt = -1, lastInSection = -1;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name, k, v;
        if (SectionHeader(lines[i], name)) {
            inSection = SameName(name, section);
            if (inSection && sectionAt < 0) {
                sectionAt = static_cast<int>(i);
                lastInSection = sectionAt;
            }
        } else if (inSection) {
            if (!Trim(lines[i]).empty()) lastInSection = static_cast<int>(i);
            if (keyAt < 0 && KeyLine(lines[i], k, v) && SameName(k, key)) keyAt = static_cast<int>(i);
        }
    }
    if (keyAt >= 0) {
        lines[keyAt] = newLine;
    } else if (sectionAt >= 0) {
        lines.insert(lines.begin() + lastInSection + 1, newLine);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(newLine);
    }
    // Written whole to a temporary file and renamed, so a failed write keeps the old settings.
    QSaveFile f(QString::fromStdString(path_));
    if (!f.open(QIODevice::WriteOnly)) return false;
    for (const std::string& line : lines) {
        f.write(line.data(), static_cast<qint64>(line.size()));
        f.write("\r\n", 2);
    }
    return f.commit();
}

}  // namespace voltaro
