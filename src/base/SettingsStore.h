#pragma once

#include <optional>
#include <string>

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

}  // namespace voltaro
