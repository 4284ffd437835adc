#include "link/PortDevice.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace voltaro {

namespace {

// /dev/tty: whichever terminal controls the process that opens it.
const dev_t kControllingTerminal = makedev(5, 0);

std::string GroupName(gid_t gid) {
    std::vector<char> buf(4096);
    group g{};
    group* found = nullptr;
    if (getgrgid_r(gid, &g, buf.data(), buf.size(), &found) != 0 || !found) return {};
    return found->gr_name;
}

// The device number of the terminal this process runs in, 0 when it has none.
dev_t OwnTerminal() {
    const int fd = open("/dev/tty", O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    struct stat st;
    const dev_t d = fstat(fd, &st) == 0 ? st.st_rdev : 0;
    close(fd);
    return d;
}

}  // namespace

std::string DevicePath(const std::string& portName) {
    if (portName.empty() || portName[0] == '/' || portName.rfind("./", 0) == 0 ||
        portName.rfind("../", 0) == 0)
        return portName;
    return "/dev/" + portName;
}

std::string RefusedAsMeterPort(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return {};  // opening it says why
    if (!S_ISCHR(st.st_mode)) return "not a serial device (not a character device)";
    if (st.st_rdev == kControllingTerminal || st.st_rdev == OwnTerminal())
        return "not a serial device: it is the terminal the program runs in, not a meter port";
    return {};
}

std::string OpenErrorCause(int err, const std::string& deviceGroup) {
    const std::string system = std::strerror(err);
    switch (err) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "no such device (" + system + ")";
        case EACCES:
        case EPERM:
            if (deviceGroup.empty() || deviceGroup == "root") return "permission denied (" + system + ")";
            return "permission denied; the device belongs to the group " + deviceGroup +
                   ": to get access, join it (sudo usermod -aG " + deviceGroup +
                   " $USER), then log out and in again";
        case EBUSY:
            return "busy: another program has the device open";
        case ENOTTY:
            return "not a serial device (" + system + ")";
        default:
            return system;
    }
}

std::string DiagnoseOpenFailure(const std::string& path, bool lockRefused) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return OpenErrorCause(errno, {});
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;  // before the group lookup sets it
        // Joining the group helps only where the group may read and write the device.
        const bool groupMayUse = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
        return OpenErrorCause(err, groupMayUse ? GroupName(st.st_gid) : std::string());
    }
    termios line{};
    const bool terminal = tcgetattr(fd, &line) == 0;
    const int err = errno;
    close(fd);
    if (!terminal) return OpenErrorCause(err, {});
    if (lockRefused) return OpenErrorCause(EBUSY, {});
    return {};
}

bool ResetLineToRaw(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    termios line{};
    bool ok = tcgetattr(fd, &line) == 0;
    if (ok) {
        cfmakeraw(&line);
        // cfmakeraw leaves the parity kind, its input handling and the stop bits as they were.
        line.c_iflag &= ~(IGNPAR | INPCK);
        line.c_cflag &= ~(PARODD | CMSPAR | CSTOPB | CRTSCTS);
        line.c_cflag |= CLOCAL | CREAD;
        ok = tcsetattr(fd, TCSANOW, &line) == 0;
    }
    close(fd);
    return ok;
}

}  // namespace voltaro
