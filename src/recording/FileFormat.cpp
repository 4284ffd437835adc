#include "recording/FileFormat.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "base/ProgramFolder.h"
#include "recording/FileNames.h"

namespace voltaro {

namespace {

constexpr int kLinesPerBlock = 512;

std::string_view Trimmed(std::string_view s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    const size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

bool SeparatorsAt(const char* line, const std::array<int, 13>& offsets, char sep) {
    for (int off : offsets) {
        if (line[off] != sep) return false;
    }
    return true;
}

bool IsCurrentLine(const char* line, char sep) {
    return line[109] == '\r' && line[110] == '\n' && SeparatorsAt(line, kSeparatorOffsets, sep);
}

bool IsOldLine(const char* line, char sep) {
    return line[102] == '\r' && line[103] == '\n' && SeparatorsAt(line, kOldSeparatorOffsets, sep);
}

std::string_view FieldIn(const char* line, Field f, Layout layout) {
    const FieldPlace& p = PlaceOf(f);
    return {line + (layout == Layout::Old ? p.oldOffset : p.offset), static_cast<size_t>(p.width)};
}

bool HasTitles(const char* line, Layout layout) {
    if (Trimmed(FieldIn(line, Field::Date, layout)) != "Date") return false;
    if (Trimmed(FieldIn(line, Field::Notes, layout)).substr(0, 5) != "Notes") return false;
    return layout == Layout::Old || Trimmed(FieldIn(line, Field::Type, layout)) == "Type";
}

// The 13th item of a comma-separated reading of the text, items ending at a comma or a line
// end, blanks in front and surrounding quotes removed.
bool NthItemBeginsWithNotes(std::string_view text, std::string_view* fourth) {
    int item = 0;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size() || text[i] == ',' || text[i] == '\n' || text[i] == '\r';
        if (!end) continue;
        if (i < text.size() && text[i] == '\n' && i > 0 && text[i - 1] == '\r') {
            start = i + 1;  // the LF of a CR LF ends no further item
            continue;
        }
        std::string_view v = Trimmed(text.substr(start, i - start));
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        ++item;
        if (item == 4 && fourth) *fourth = v;
        if (item == 13) return v.substr(0, 5) == "Notes";
        start = i + 1;
        if (i == text.size()) break;
    }
    return false;
}

std::string WithReason(const char* what, int err) {
    return std::string(what) + " (" + std::strerror(err) + ").";
}

bool WriteAll(int fd, const char* data, size_t n, off_t at) {
    while (n > 0) {
        const ssize_t w = pwrite(fd, data, n, at);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += w;
        n -= static_cast<size_t>(w);
        at += w;
    }
    return true;
}

// Copies rows from .. to into the open file at their records.
bool WriteRowsTo(int fd, RecordStore& store, char separator, int from, int to,
                 const DateRewriteFn& dateRewrite, const ProgressFn& progress) {
    std::vector<char> buf(static_cast<size_t>(kLinesPerBlock) * kLineLength);
    int row = from;
    while (row <= to) {
        const int first = row;
        char* out = buf.data();
        for (; row <= to && row - first < kLinesPerBlock; ++row) {
            if (dateRewrite && row > 0) store.Set(row, Field::Date, dateRewrite(store.Get(row, Field::Date)));
            std::memcpy(out, store.Line(row), kLineLength);
            if (separator != ',') {
                for (int off : kSeparatorOffsets) out[off] = separator;
            }
            out += kLineLength;
            if (progress) progress(row, to);
        }
        if (!WriteAll(fd, buf.data(), static_cast<size_t>(out - buf.data()),
                      static_cast<off_t>(first) * kLineLength)) {
            return false;
        }
    }
    return true;
}

mode_t NewFileMode(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
    const int dfd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
}

// Makes folder and any folder above it that is missing; 0 or the error.
int MakeFolders(const std::string& folder) {
    if (folder.empty()) return 0;
    struct stat st;
    if (stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const std::string parent = FolderOf(folder);
    if (!parent.empty() && parent != folder) {
        if (const int err = MakeFolders(parent)) return err;
    }
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return errno;
    return 0;
}

// The temporary files of saves are named "." + file title + kTempMark + six letters or
// digits; the mark keeps them apart from any other program's hidden files.
constexpr std::string_view kTempMark = ".voltaro-";

bool IsAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool EndsInSixAlnum(std::string_view name) {
    if (name.size() < 6) return false;
    for (char c : name.substr(name.size() - 6)) {
        if (!IsAlnum(c)) return false;
    }
    return true;
}

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A report working file's name: the date as eight digits, "-", the time as a number of up to
// six digits, ".tmp".
bool IsReportName(std::string_view name) {
    const size_t dash = name.find('-');
    if (dash != 8 || name.size() < 14 || name.substr(name.size() - 4) != ".tmp") return false;
    const std::string_view date = name.substr(0, 8), time = name.substr(9, name.size() - 13);
    if (!AllDigits(date) || !AllDigits(time) || time.size() > 6) return false;
    int d = 0, t = 0;
    std::from_chars(date.data(), date.data() + date.size(), d);
    std::from_chars(time.data(), time.data() + time.size(), t);
    const int month = d / 100 % 100, day = d % 100;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && t / 10000 < 24 && t / 100 % 100 < 60 &&
           t % 100 < 60;
}

bool IsOwnTemp(std::string_view name, std::string_view title) {
    if (name.size() < 2 || name[0] != '.' || !EndsInSixAlnum(name)) return false;
    const std::string_view stem = name.substr(1, name.size() - 7);  // without "." and the six
    if (stem.size() > kTempMark.size() && stem.substr(stem.size() - kTempMark.size()) == kTempMark)
        return true;
    // The older naming, "." + title + "." + six: for the file being saved, and for report
    // working files, whose names no other program has.
    if (stem.empty() || stem.back() != '.') return false;
    const std::string_view owner = stem.substr(0, stem.size() - 1);
    return (!title.empty() && owner == title) || IsReportName(owner);
}

// True when the file is not held by a save in progress: its writer keeps it locked, and the
// lock goes with the process.
bool WriterGone(int dirFd, const char* name) {
    const int fd = openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    const bool gone = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return gone;
}

WriteOutcome Fail(int err, bool ofFolder = true) {
    return {false, SaveErrorText(err, ofFolder)};
}

// Writes a new file beside path with fill(fd) and renames it over path.
template <typename Fill>
WriteOutcome WriteBeside(const std::string& path, Fill fill) {
    const std::string folder = FolderOf(path);
    const std::string pattern = JoinPath(folder, "." + FileTitle(path) + std::string(kTempMark) + "XXXXXX");
    std::string temp = pattern;
    int fd = mkstemp(temp.data());
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        // The folder has gone since the recording began: it is made again.
        if (const int err = MakeFolders(folder)) {
            return {false, WithReason("The folder is missing and could not be made again", err)};
        }
        temp = pattern;
        fd = mkstemp(temp.data());
    }
    if (fd < 0) return Fail(errno);
    // Held until the file is closed: a cleaner in another process leaves a locked file alone.
    flock(fd, LOCK_EX);
    const mode_t mode = NewFileMode(path);
    bool ok = fill(fd) && fsync(fd) == 0;
    int err = ok ? 0 : errno;
    if (ok) fchmod(fd, mode);  // a mode that cannot be set is no reason to lose the file
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        return Fail(err);
    }
    SyncFolder(folder);
    RemoveStaleFiles(folder, FileTitle(path));
    return {true, {}};
}

// A file read front to back in blocks, through a window of bytes that always holds whole
// lines: a line that straddles two blocks is moved to the front before the next block is read.
class FileWindow {
public:
    // `at`: where the file stands; block: bytes read at a time, at least one line.
    FileWindow(std::FILE* f, long long at, size_t block) : f_(f), buf_(block), start_(at), end_(at) {}

    // Makes bytes pos .. pos + n of the file readable through At; false when the file ends
    // first. pos goes neither back before what was held last nor beyond its end.
    bool Hold(long long pos, int n) {
        if (pos >= start_ && pos + n <= end_) return true;
        if (eof_) return false;
        const long long keep = std::max<long long>(0, end_ - pos);
        if (keep > 0) std::memmove(buf_.data(), buf_.data() + (pos - start_), static_cast<size_t>(keep));
        start_ = pos;
        end_ = pos + keep;
        while (end_ - start_ < static_cast<long long>(buf_.size()) && !eof_) {
            const size_t room = buf_.size() - static_cast<size_t>(end_ - start_);
            const size_t got = std::fread(buf_.data() + (end_ - start_), 1, room, f_);
            end_ += static_cast<long long>(got);
            if (got < room) eof_ = true;
        }
        return pos + n <= end_;
    }
    const char* At(long long pos) const { return buf_.data() + (pos - start_); }
    // Where the file ended, once Hold has said so.
    long long End() const { return end_; }

private:
    std::FILE* f_;
    std::vector<char> buf_;
    long long start_;
    long long end_;
    bool eof_ = false;
};

// Whole lines of the open file, a torn last line cut off; the reading lines it then holds.
int CutToWholeLines(int fd) {
    struct stat st;
    if (fstat(fd, &st) != 0) return -1;
    const off_t whole = st.st_size - st.st_size % kLineLength;
    if (whole != st.st_size && ftruncate(fd, whole) == 0) fdatasync(fd);
    return whole >= kLineLength ? static_cast<int>(std::min<off_t>(whole / kLineLength - 1, kMaxRows)) : 0;
}

}  // namespace

std::string SaveErrorText(int err, bool ofFolder) {
    switch (err) {
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return WithReason("The disk is full", err);
        case ENOENT:
        case ENOTDIR:
            return WithReason("The folder is missing", err);
        case EACCES:
        case EPERM:
        case EROFS:
            return WithReason(ofFolder ? "The folder is read-only" : "The file is read-only", err);
        default:
            return std::string(std::strerror(err)) + ".";
    }
}

void RemoveStaleFiles(const std::string& folder, const std::string& title) {
    DIR* d = opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return;
    const time_t now = time(nullptr);
    constexpr time_t kEmptyReportAge = 600;  // a live recording has written its report by then
    while (dirent* e = readdir(d)) {
        const std::string_view name = e->d_name;
        if (IsOwnTemp(name, title)) {
            if (WriterGone(dirfd(d), e->d_name)) unlinkat(dirfd(d), e->d_name, 0);
        } else if (IsReportName(name)) {
            struct stat st;
            if (fstatat(dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
                st.st_size == 0 && st.st_mtime <= now - kEmptyReportAge) {
                unlinkat(dirfd(d), e->d_name, 0);
            }
        }
    }
    closedir(d);
}

HeaderInfo ReadHeader(const std::string& path) {
    // Not blocking: a pipe under a recording's name must not hang the program until a writer
    // comes along.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {Layout::None, ',', errno};
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        close(fd);
        return {Layout::None, ',', folder ? EISDIR : 0};
    }
    char head[4096];
    size_t n = 0;
    while (n < sizeof head) {
        const ssize_t got = read(fd, head + n, sizeof head - n);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int err = errno;
            close(fd);
            return {Layout::None, ',', err};
        }
        if (got == 0) break;
        n += static_cast<size_t>(got);
    }
    close(fd);
    for (char sep : {',', ' '}) {
        if (n >= kLineLength && IsCurrentLine(head, sep) && head[kNulOffset] == '\0' &&
            HasTitles(head, Layout::Current)) {
            return {Layout::Current, sep};
        }
        if (n >= kOldLineLength && IsOldLine(head, sep) && HasTitles(head, Layout::Old)) {
            return {Layout::Old, sep};
        }
    }
    std::string_view fourth;
    if (NthItemBeginsWithNotes(std::string_view(head, n), &fourth)) {
        return {fourth.substr(0, 4) == "Type" ? Layout::Current : Layout::Old, ','};
    }
    return {};
}

WriteOutcome WriteRows(RecordStore& store, const std::string& path, char separator, int from, int to,
                       const DateRewriteFn& dateRewrite, const ProgressFn& progress) {
    store.WriteTitles();
    if (from > to) return {true, {}};
    struct stat st;
    const bool inPlace = from > 0 && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                         st.st_size >= static_cast<off_t>(from) * kLineLength;
    if (!inPlace) {
        return WriteBeside(
            path, [&](int fd) { return WriteRowsTo(fd, store, separator, 0, to, dateRewrite, progress); });
    }
    const int fd = open(path.c_str(), O_WRONLY);
    if (fd < 0) {
        WriteOutcome out = Fail(errno, false);
        out.readingsInFile = static_cast<int>(std::min<off_t>(st.st_size / kLineLength - 1, kMaxRows));
        return out;
    }
    bool ok = WriteRowsTo(fd, store, separator, from, to, dateRewrite, progress) && fdatasync(fd) == 0;
    int err = ok ? 0 : errno;
    // A write that stopped part-way (the disk filled up) leaves no torn line behind.
    const int kept = ok ? -1 : CutToWholeLines(fd);
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        WriteOutcome out = Fail(err, false);
        out.readingsInFile = kept;
        return out;
    }
    RemoveStaleFiles(FolderOf(path), FileTitle(path));
    return {true, {}};
}

WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes) {
    return WriteBeside(path, [&](int fd) { return WriteAll(fd, bytes.data(), bytes.size(), 0); });
}

int ReadingLinesIn(const std::string& path, const HeaderInfo& header) {
    struct stat st;
    if (header.layout == Layout::None || stat(path.c_str(), &st) != 0) return 0;
    const long long lines = static_cast<long long>(st.st_size) / LineLengthOf(header.layout) - 1;
    return static_cast<int>(std::clamp<long long>(lines, 0, kMaxRows));
}

ReadOutcome ReadRows(RecordStore& store, const std::string& path, const HeaderInfo& header, int offset,
                     const std::function<void(int row)>& onRow, const ProgressFn& progress) {
    ReadOutcome out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        out.openError = true;
        return out;
    }
    const int len = LineLengthOf(header.layout);
    const bool old = header.layout == Layout::Old;
    const auto intact = [&](const char* line) {
        return old ? IsOldLine(line, header.separator) : IsCurrentLine(line, header.separator);
    };
    struct stat st;
    const long long size = fstat(fileno(f), &st) == 0 ? static_cast<long long>(st.st_size) : 0;
    const int total = static_cast<int>(std::clamp<long long>(size / len - 1, 0, 1 << 30));
    if (progress) progress(0, total);
    long long pos = len;  // the header line is not a reading
    if (std::fseek(f, pos, SEEK_SET) != 0) {
        std::fclose(f);
        out.openError = true;
        return out;
    }
    FileWindow file(f, pos, static_cast<size_t>(kLinesPerBlock) * static_cast<size_t>(len));
    int row = offset;
    long long lineNo = 1;  // pos / len, counted rather than divided for each line
    while (file.Hold(pos, len)) {
        if (row >= kMaxRows) {
            out.linesLeftOut = static_cast<int>(std::clamp<long long>((size - pos) / len, 0, 1 << 30));
            break;
        }
        const char* line = file.At(pos);
        if (!intact(line)) {
            // Skip to the next intact line: it ends at a CR LF, wherever the damage ended. The
            // damaged lines are the CR LFs passed (short lines), or the lines' worth of bytes
            // passed where line ends were garbled too, whichever is more.
            const auto lineEndAt = [&file](long long at) {
                return file.At(at)[0] == '\r' && file.At(at)[1] == '\n';
            };
            long long lineEnds = lineEndAt(pos) ? 1 : 0;
            long long next = pos + 1;
            while (file.Hold(next, len) && !intact(file.At(next))) {
                if (lineEndAt(next)) ++lineEnds;
                ++next;
            }
            const long long end = file.Hold(next, len) ? next : file.End();
            for (long long at = next; end == file.End() && at + 1 < end; ++at) {
                if (lineEndAt(at)) ++lineEnds;  // in the last bytes, too few for a whole line
            }
            const long long linesWorth = (end - pos + len / 2) / len;
            out.damagedLines += static_cast<int>(std::max<long long>({1, lineEnds, linesWorth}));
            pos = next;
            lineNo = pos / len;
            continue;
        }
        ++row;
        if (progress) progress(static_cast<int>(std::min<long long>(lineNo, total)), total);
        store.RecordCount = row;
        if (old) {
            for (int fi = 0; fi < kFieldCount; ++fi) {
                const Field fld = static_cast<Field>(fi);
                if (fld != Field::Type) store.Set(row, fld, FieldIn(line, fld, Layout::Old));
            }
        } else {
            char* dst = store.MutableLine(row);
            std::memcpy(dst, line, kLineLength);
            for (int off : kSeparatorOffsets) dst[off] = ',';
            dst[kNulOffset] = '\0';
        }
        ++out.rowsRead;
        pos += len;
        ++lineNo;
        if (onRow) onRow(row);
    }
    std::fclose(f);
    store.RecordCount = offset + out.rowsRead;
    return out;
}

}  // namespace voltaro
