#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace voltaro {

// The per-user settings store, addressed by (application, section, key) with text values.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key was never stored (or cannot be read).
    virtual std::optional<std::string> Get(const std::string& application, const std::string& section,
                                           const std::string& key) const = 0;
    virtual void Save(const std::string& application, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) const override {
        auto it = values.find({application, section, key});
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void Save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        values[{application, section, key}] = value;
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};

}  // namespace voltaro
