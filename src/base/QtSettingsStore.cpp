#include "base/QtSettingsStore.h"

#include <QSettings>

namespace voltaro {

namespace {
QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
}  // namespace

std::optional<std::string> QtSettingsStore::Get(const std::string& application, const std::string& section,
                                                const std::string& key) const {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organisation_, QString::fromStdString(application));
    if (s.status() != QSettings::NoError) return std::nullopt;
    const QVariant v = s.value(KeyOf(section, key));
    if (!v.isValid()) return std::nullopt;
    const QByteArray bytes = v.toString().toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void QtSettingsStore::Save(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& value) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organisation_, QString::fromStdString(application));
    s.setValue(KeyOf(section, key), QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace voltaro
