#pragma once

#include "base/Beeper.h"

namespace voltaro {

// Counts beeps instead of sounding them.
class CountingBeeper : public Beeper {
public:
    void Beep() override { ++count; }
    int count = 0;
};

}  // namespace voltaro
