#include "print/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace voltaro {

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Problem(const std::string& what, int err) {
    return what + ": " + std::strerror(err);
}

}  // namespace

std::string OutputFileProblem(const std::string& path) {
    if (path.empty()) return "no file name given";
    const std::string folder = FolderOf(path);
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0) return Problem("folder '" + folder + "'", errno);
    if (!S_ISDIR(st.st_mode)) return Problem("folder '" + folder + "'", ENOTDIR);
    if (access(folder.c_str(), W_OK | X_OK) != 0) return Problem("folder '" + folder + "'", errno);

    const bool existed = lstat(path.c_str(), &st) == 0;
    if (existed && S_ISDIR(st.st_mode)) return Problem("'" + path + "'", EISDIR);
    // A file made here only to try is made exclusively, so that the one removed again is surely
    // ours; not blocking, so that a pipe given as the output does not wait for a reader.
    const int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (existed ? 0 : O_CREAT | O_EXCL);
    const int fd = open(path.c_str(), flags, 0666);
    if (fd < 0) {
        if (!existed && errno == EEXIST) return "";  // another program made it meanwhile: not ours to try
        return Problem("'" + path + "'", errno);
    }
    close(fd);
    if (!existed) unlink(path.c_str());
    return "";
}

}  // namespace voltaro
