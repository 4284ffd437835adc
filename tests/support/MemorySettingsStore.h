#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "base/SettingsStore.h"

namespace voltaro {

// A settings store that keeps its values in memory and shows them to the test.
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
