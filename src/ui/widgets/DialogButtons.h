#pragma once

#include <QHBoxLayout>
#include <QWidget>

namespace voltaro {

// The row of buttons at the foot of a dialog: pushed to the right, in the order given.
inline QHBoxLayout* ButtonRow(QWidget* first, QWidget* second) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(first);
    row->addWidget(second);
    return row;
}

}  // namespace voltaro
