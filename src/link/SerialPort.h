#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace voltaro {

class IniFile;

// One window's serial control, with the operations the link uses. Failures are never thrown
// or reported: a port that cannot be opened stays closed, and a device that goes away while
// open reads as closed.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // "CommPort": the port number (1 = COM1), mapped to a device by the port table.
    virtual int CommPort() const = 0;
    virtual void SetCommPort(int port) = 0;
    // "Settings": the line settings text, as "2400,O,7,1". A text the line cannot run with is
    // kept, and the port then refuses to open rather than run with the parameters before it.
    virtual std::string Settings() const = 0;
    virtual void SetSettings(const std::string& settings) = 0;
    // "InputLen": characters returned by one Input; 0 returns every waiting character.
    virtual int InputLen() const = 0;
    virtual void SetInputLen(int count) = 0;
    // "PortOpen".
    virtual bool PortOpen() = 0;
    virtual void SetPortOpen(bool open) = 0;
    // "InBufferCount": characters waiting; 0 for a closed port.
    virtual int InBufferCount() = 0;
    // "Input": the waiting characters (at most InputLen of them), as single-byte text.
    virtual std::string Input() = 0;
};

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineParams {
    int baud = 2400;
    Parity parity = Parity::Odd;
    int dataBits = 7;
    StopBits stopBits = StopBits::One;
    bool operator==(const LineParams&) const = default;
};

// Character sizes the serial drivers here run (none sends 4-bit characters).
inline constexpr int kMinDataBits = 5;
inline constexpr int kMaxDataBits = 8;

// Reads a settings text "baud,parity,data,stop": parity one of O E N M S (either case), data
// bits kMinDataBits to kMaxDataBits, stop bits 1, 1.5 or 2. Nothing when the text is not of
// that shape.
std::optional<LineParams> ParseLineSettings(std::string_view text);

// Port numbers to devices: COM1-COM4 /dev/ttyS0-3, COM5-COM8 /dev/ttyUSB0-3, COM9-COM10
// /dev/ttyACM0-1, each replaceable by the "Ports" section of "Setup.ini" ("COM3=/dev/pts/7").
class PortTable {
public:
    PortTable();
    // The defaults with the overrides of the file's "Ports" section; keys that do not name a
    // port and empty values are passed over.
    static PortTable FromIni(const IniFile& ini);

    // The device of a port number, "" when it has none.
    std::string Device(int port) const;
    void Set(int port, const std::string& device);

private:
    std::map<int, std::string> devices_;
};

}  // namespace voltaro
