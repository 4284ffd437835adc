#pragma once

#include <QString>
#include <string>

namespace voltaro {

// Single-byte (Latin-1) text of the core at the widget boundary, and back.
inline QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string Latin1(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

}  // namespace voltaro
