#pragma once

#include "base/SettingsStore.h"

#include <QString>

namespace voltaro {

// The platform's per-user store (QSettings in its native format) under the organisation
// "voltaro"; each application name is one store. `organisation` lets tests use a store of
// their own.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(QString organisation = QStringLiteral("voltaro"))
        : organisation_(std::move(organisation)) {}
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) const override;
    void Save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override;

private:
    QString organisation_;
};

}  // namespace voltaro
