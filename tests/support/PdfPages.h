#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace voltaro {

// Number of page objects in a PDF file written by Qt; -1 when there is no such file.
inline int PdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

}  // namespace voltaro
