#pragma once

namespace voltaro {

// The system beep.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// Sounds nothing: for the command-line tools, which have no bell to ring.
class SilentBeeper : public Beeper {
public:
    void Beep() override {}
};

}  // namespace voltaro
