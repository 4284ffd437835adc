#pragma once

#include <QApplication>

#include "base/Beeper.h"

namespace voltaro {

// The system beep.
class QtBeeper : public Beeper {
public:
    void Beep() override { QApplication::beep(); }
};

}  // namespace voltaro
