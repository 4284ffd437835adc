#include "link/QtSerialPort.h"

#include <QSerialPort>

#include "link/PortDevice.h"

namespace voltaro {

namespace {

QSerialPort::Parity QtParity(Parity p) {
    switch (p) {
        case Parity::None:
            return QSerialPort::NoParity;
        case Parity::Odd:
            return QSerialPort::OddParity;
        case Parity::Even:
            return QSerialPort::EvenParity;
        case Parity::Mark:
            return QSerialPort::MarkParity;
        case Parity::Space:
            return QSerialPort::SpaceParity;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits QtStopBits(StopBits s) {
    switch (s) {
        case StopBits::One:
            return QSerialPort::OneStop;
        case StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case StopBits::Two:
            return QSerialPort::TwoStop;
    }
    return QSerialPort::OneStop;
}

// Errors after which the device is gone or unusable; a timeout or a refused parameter is not.
bool DeviceFailed(QSerialPort::SerialPortError e) {
    return e == QSerialPort::ResourceError || e == QSerialPort::ReadError ||
           e == QSerialPort::DeviceNotFoundError || e == QSerialPort::PermissionError ||
           e == QSerialPort::UnknownError;
}

}  // namespace

QtSerialPort::QtSerialPort(PortTable table)
    : table_(std::move(table)), serial_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() = default;

void QtSerialPort::SetCommPort(int port) {
    if (!serial_->isOpen()) port_ = port;  // an open control keeps its port
}

void QtSerialPort::SetSettings(const std::string& settings) {
    settings_ = settings;
    // A refused text is remembered, so that the next open fails instead of running the line
    // with the parameters before it; an open line keeps what it runs with.
    params_ = ParseLineSettings(settings);
    // On an open pty the driver refuses some of them; the port stays open and readable.
    if (params_ && serial_->isOpen()) {
        ApplyParams();
        serial_->clearError();
    }
}

void QtSerialPort::ApplyParams() {
    serial_->setBaudRate(params_->baud);
    serial_->setDataBits(static_cast<QSerialPort::DataBits>(params_->dataBits));
    serial_->setParity(QtParity(params_->parity));
    // Linux has no 1.5 stop bits: the driver runs the line with one, which still receives
    // every character of a sender that sends one and a half.
    serial_->setStopBits(QtStopBits(params_->stopBits));
    serial_->setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::PortOpen() {
    Pull();
    return serial_->isOpen();
}

void QtSerialPort::SetPortOpen(bool open) {
    if (!open) {
        if (serial_->isOpen()) serial_->close();
        return;
    }
    if (serial_->isOpen()) return;
    openError_.clear();
    if (!params_) {
        openError_ = "the line settings " + settings_ + " are not of the form 2400,O,7,1";
        return;
    }
    const std::string device = table_.Device(port_);
    if (device.empty()) {
        openError_ = "no device for COM" + std::to_string(port_);
        return;
    }
    const std::string path = DevicePath(device);
    openError_ = RefusedAsMeterPort(path);
    if (!openError_.empty()) return;
    serial_->setPortName(QString::fromStdString(device));
    ApplyParams();
    serial_->clearError();
    if (serial_->open(QIODevice::ReadWrite)) return;
    // A program killed while it held the line can leave its settings half-changed (odd parity
    // without parity on), and the driver then refuses every open: set the line raw and retry.
    if (serial_->error() == QSerialPort::UnsupportedOperationError && ResetLineToRaw(path)) {
        serial_->clearError();
        if (serial_->open(QIODevice::ReadWrite)) return;
    }
    const QSerialPort::SerialPortError error = serial_->error();
    const std::string said = serial_->errorString().toStdString();
    serial_->clearError();
    openError_ = DiagnoseOpenFailure(path, error == QSerialPort::PermissionError);
    if (openError_.empty()) openError_ = said.empty() ? "the port refused to open" : said;
}

void QtSerialPort::Pull() {
    if (!serial_->isOpen()) return;
    serial_->waitForReadyRead(0);
    if (DeviceFailed(serial_->error())) serial_->close();
    serial_->clearError();
}

int QtSerialPort::InBufferCount() {
    Pull();
    if (!serial_->isOpen()) return 0;
    return static_cast<int>(std::min<qint64>(serial_->bytesAvailable(), INT32_MAX));
}

std::string QtSerialPort::Input() {
    Pull();
    if (!serial_->isOpen()) return {};
    const QByteArray bytes = inputLen_ > 0 ? serial_->read(inputLen_) : serial_->readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace voltaro
