#include "support/ScriptedSerialPort.h"

#include <algorithm>

namespace voltaro {

void ScriptedSerialPort::SetCommPort(int port) {
    if (!open_) port_ = port;  // an open control keeps its port
}

void ScriptedSerialPort::SetPortOpen(bool open) {
    if (open == open_) return;
    if (open) {
        if (!openable.empty() && !openable.count(port_)) return;
        if (!ParseLineSettings(settings_)) return;
        open_ = true;
        ++opens;
        openedPort = port_;
        openedSettings = settings_;
    } else {
        open_ = false;
        ++closes;
    }
}

std::string ScriptedSerialPort::Input() {
    if (!open_) return {};
    size_t n = inputLen_ > 0 ? std::min(waiting.size(), static_cast<size_t>(inputLen_)) : waiting.size();
    std::string out = waiting.substr(0, n);
    waiting.erase(0, n);
    return out;
}

void ScriptedSerialPort::Vanish() {
    open_ = false;
    waiting.clear();
}

}  // namespace voltaro
