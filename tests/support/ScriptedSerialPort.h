#pragma once

#include <set>
#include <string>
#include <string_view>

#include "link/SerialPort.h"

namespace voltaro {

// A serial control driven by a script: bytes are fed in and read back out.
class ScriptedSerialPort : public SerialPort {
public:
    int CommPort() const override { return port_; }
    void SetCommPort(int port) override;
    std::string Settings() const override { return settings_; }
    void SetSettings(const std::string& settings) override { settings_ = settings; }
    int InputLen() const override { return inputLen_; }
    void SetInputLen(int count) override { inputLen_ = count; }
    bool PortOpen() override { return open_; }
    // Like the real layer, opens only with settings that parse.
    void SetPortOpen(bool open) override;
    int InBufferCount() override { return open_ ? static_cast<int>(waiting.size()) : 0; }
    std::string Input() override;

    // Characters the "line" has delivered and the program has not read.
    std::string waiting;
    // Port numbers that open; every port opens when empty.
    std::set<int> openable;
    int opens = 0;
    int closes = 0;
    // Which port and settings the last successful open used.
    int openedPort = 0;
    std::string openedSettings;

    void Feed(std::string_view bytes) { waiting.append(bytes); }
    // The device goes away: the port reads as closed and what was waiting is gone.
    void Vanish();

private:
    int port_ = 1;
    std::string settings_ = "9600,N,8,1";
    int inputLen_ = 0;
    bool open_ = false;
};

}  // namespace voltaro
