#pragma once

#include <QLabel>

#include "link/LinkView.h"

namespace voltaro {

// A label as the core sees it: single-byte text in, single-byte text out.
class LabelCaption : public Caption {
public:
    explicit LabelCaption(QLabel* label = nullptr) : label_(label) {}
    std::string Text() const override {
        const QByteArray b = label_->text().toLatin1();
        return std::string(b.constData(), static_cast<size_t>(b.size()));
    }
    void SetText(const std::string& text) override {
        label_->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    QLabel* label_;
};

inline QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string Latin1(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

}  // namespace voltaro
