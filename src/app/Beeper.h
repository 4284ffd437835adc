#pragma once

namespace voltaro {

// The system beep.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// Counts beeps instead of sounding them (tests, and the command-line tools).
class CountingBeeper : public Beeper {
public:
    void Beep() override { ++count; }
    int count = 0;
};

}  // namespace voltaro
