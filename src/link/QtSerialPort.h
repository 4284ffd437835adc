#pragma once

#include <memory>

#include "link/SerialPort.h"

class QSerialPort;

namespace voltaro {

// The serial control over QSerialPort. Line parameters are given before the device is opened:
// a pseudo-terminal accepts them only then; settings that do not parse keep the port closed.
// Reads are pulled at each poll, so no event loop is needed; a device that fails (unplugged,
// pty closed) is closed and reads as closed.
class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(PortTable table = PortTable());
    ~QtSerialPort() override;

    int CommPort() const override { return port_; }
    void SetCommPort(int port) override;
    std::string Settings() const override { return settings_; }
    void SetSettings(const std::string& settings) override;
    int InputLen() const override { return inputLen_; }
    void SetInputLen(int count) override { inputLen_ = count; }
    bool PortOpen() override;
    void SetPortOpen(bool open) override;
    int InBufferCount() override;
    std::string Input() override;

    // The device behind the current port number.
    std::string Device() const { return table_.Device(port_); }
    // Why the last open failed, in words for a person; "" after an open that succeeded.
    const std::string& OpenError() const { return openError_; }

private:
    void ApplyParams();
    // Takes what the device has delivered into the port's buffer; closes a device that failed.
    void Pull();

    PortTable table_;
    std::unique_ptr<QSerialPort> serial_;
    int port_ = 1;
    std::string settings_ = "9600,N,8,1";
    std::optional<LineParams> params_ = LineParams{9600, Parity::None, 8, StopBits::One};
    int inputLen_ = 0;
    std::string openError_;
};

}  // namespace voltaro
