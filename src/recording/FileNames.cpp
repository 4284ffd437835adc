#include "recording/FileNames.h"

#include <QFileInfo>

#include <algorithm>
#include <cctype>

#include "base/Notation.h"

namespace voltaro {

namespace {

std::string_view Left(std::string_view s, long n) {
    return s.substr(0, static_cast<size_t>(std::clamp<long>(n, 0, static_cast<long>(s.size()))));
}
std::string_view Right(std::string_view s, long n) {
    const size_t k = static_cast<size_t>(std::clamp<long>(n, 0, static_cast<long>(s.size())));
    return s.substr(s.size() - k);
}

// digits + step in decimal, without leading zeros; a number of any length (a name may carry more
// digits than a long holds).
std::string AddToDigits(std::string_view digits, int step) {
    std::string n(digits.substr(std::min(digits.find_first_not_of('0'), digits.size())));
    long carry = std::max(step, 0);
    for (size_t i = n.size(); i-- > 0 && carry != 0;) {
        const long d = (n[i] - '0') + carry;
        n[i] = static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    if (carry != 0) n.insert(0, std::to_string(carry));
    return n.empty() ? "0" : n;
}

}  // namespace

std::string FolderOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    // A file at the root lives in "/", not in the current folder.
    return slash == 0 ? std::string("/") : std::string(path.substr(0, slash));
}

std::string FileTitle(std::string_view path) {
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

size_t ExtensionSeparator(std::string_view path, char extDim) {
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    size_t best = std::string_view::npos;
    for (size_t i = nameStart; i < path.size(); ++i) {
        if (path[i] == extDim || path[i] == '.') best = i;
    }
    return best;
}

std::string ExtensionOf(std::string_view path, char extDim) {
    const size_t sep = ExtensionSeparator(path, extDim);
    if (sep == std::string_view::npos) return {};
    // Exactly three letters: the numbered follow-on names put their number in front of them.
    if (path.size() - sep - 1 != 3) return {};
    std::string ext(path.substr(sep + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

std::string RenameExtension(std::string_view path, char extDim) {
    std::string out(path);
    const size_t sep = ExtensionSeparator(path, extDim);
    if (sep != std::string_view::npos) out[sep] = extDim;
    return out;
}

std::string NextNumberedName(std::string_view name, int step, int digits, char extDim) {
    // The number goes in front of the last four characters: a separator and a three-letter
    // extension.
    const std::string title = FileTitle(name);
    const size_t sep = ExtensionSeparator(title, extDim);
    const std::string_view base = std::string_view(title).substr(0, sep);
    std::string work(name);
    if (Val(Right(base, digits)) == 0) {
        work = std::string(Left(name, static_cast<long>(name.size()) - 4)) +
               std::string(Left("0000", digits)) + std::string(Right(name, 4));
    }
    const long len = static_cast<long>(work.size());
    int count = 0;
    for (long i = len - 5; i >= 0 && std::isdigit(static_cast<unsigned char>(work[static_cast<size_t>(i)]));
         --i) {
        ++count;
    }
    if (count != 0) digits = count;
    if (len <= digits) return {};
    const std::string_view w(work);
    const std::string prefix(Left(w, len - 4 - digits));
    const size_t width = static_cast<size_t>(std::min(digits, 5));
    std::string number = step == 0 ? "0" : AddToDigits(Left(Right(w, 4 + digits), digits), step);
    if (number.size() < width) number.insert(0, width - number.size(), '0');
    return prefix + number + std::string(Right(w, 4));
}

std::vector<std::string> FollowOnParts(const std::string& file, std::vector<std::string>* missing) {
    constexpr size_t kLookAhead = 20;
    std::vector<std::string> parts, gap;
    for (std::string next = NextNumberedName(file, 1, 3); !next.empty(); next = NextNumberedName(next, 1, 3)) {
        if (!QFileInfo(QString::fromLocal8Bit(next.c_str())).isFile()) {
            gap.push_back(next);
            if (gap.size() > kLookAhead) break;
            continue;
        }
        if (missing) missing->insert(missing->end(), gap.begin(), gap.end());
        gap.clear();
        parts.push_back(next);
    }
    return parts;
}

}  // namespace voltaro
