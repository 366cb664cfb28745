#include "settings/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {

FileWriteError::FileWriteError(const std::string& path, const std::string& reason)
    : std::runtime_error("Cannot write file " + path + ": " + reason), path_(path) {}

namespace {

// Length of the well-formed UTF-8 sequence starting at bytes[i]; 0 when there is none.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + extra >= bytes.size()) return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return extra + 1;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if ((cp >= 0xD800 && cp < 0xE000) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls, as Windows does.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string describeErrno(int error) {
    return std::strerror(error);
}

} // namespace

namespace {

void appendWindows1252(std::string& out, unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        appendUtf8(out, kHighControls[b - 0x80]);
    else
        appendUtf8(out, b);
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes)
        appendWindows1252(out, static_cast<unsigned char>(c));
    return out;
}

std::string decodeText(std::string_view bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    // All of them: a second mark left in the text would be lost on the next read after a write.
    while (bytes.substr(0, bom.size()) == bom)
        bytes.remove_prefix(bom.size());
    // Sequence by sequence: a file edited in both encodings keeps its UTF-8 text as it is.
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, i);
        if (length == 0) {
            appendWindows1252(out, static_cast<unsigned char>(bytes[i]));
            ++i;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    return out;
}

TextFileContent readTextFileLimited(const std::string& path, std::size_t maxBytes) {
    TextFileContent result;
    auto refuse = [&](ReadOutcome outcome, std::string reason) {
        result.outcome = outcome;
        result.reason = std::move(reason);
        return result;
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return result;
        return refuse(ReadOutcome::Unreadable, describeErrno(errno));
    }
    if (!S_ISREG(st.st_mode)) return refuse(ReadOutcome::Unreadable, "not a regular file");
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return refuse(ReadOutcome::TooLarge, "larger than " + std::to_string(maxBytes >> 20) + " MB");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return refuse(ReadOutcome::Unreadable, describeErrno(errno));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return refuse(ReadOutcome::Unreadable, describeErrno(error));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > maxBytes) { // grew while being read
            ::close(fd);
            return refuse(ReadOutcome::TooLarge, "larger than " + std::to_string(maxBytes >> 20) + " MB");
        }
    }
    ::close(fd);
    result.outcome = ReadOutcome::Read;
    result.text = decodeText(bytes);
    return result;
}

std::optional<std::string> readTextFile(const std::string& path, std::size_t maxBytes) {
    TextFileContent content = readTextFileLimited(path, maxBytes);
    if (content.outcome != ReadOutcome::Read) return std::nullopt;
    return std::move(content.text);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The new file keeps the old file's permissions; a new file gets the usual ones under the umask.
mode_t modeForReplacement(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd); // best effort: the rename is already visible
    ::close(fd);
}

} // namespace

std::string tempFilePrefix(const std::string& fileName) {
    std::string prefix = "."; // appended: "." + name trips GCC 12's false -Wrestrict at -O2
    prefix += fileName;
    prefix += ".tmp-";
    return prefix;
}

namespace {

constexpr std::size_t kTempSuffixLength = 6; // mkstemp's XXXXXX

// A new temporary file, locked before anyone can take it for a stale one: a cleaner may lock
// and remove it between mkstemp and flock, so a file that lost its name is made again.
int openLockedTempFile(std::string& name, const std::string& pattern) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        name = pattern;
        const int fd = ::mkstemp(name.data());
        if (fd < 0) return -1;
        struct stat st {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Writing through a link replaces its target, not the link.
    fs::path target = fs::is_symlink(path, ec) ? fs::canonical(path, ec) : fs::path(path);
    if (ec) target = path;

    const fs::path folder = target.parent_path();
    std::string tempName;
    const int fd =
        openLockedTempFile(tempName, (folder / tempFilePrefix(target.filename().string())).string() +
                                         std::string(kTempSuffixLength, 'X'));
    if (fd < 0) throw FileWriteError(path, describeErrno(errno));

    auto fail = [&](int error) {
        ::unlink(tempName.c_str());
        ::close(fd);
        throw FileWriteError(path, describeErrno(error));
    };
    if (::fchmod(fd, modeForReplacement(target.string())) != 0) fail(errno);
    if (!writeAll(fd, bytes)) fail(errno);
    if (::fsync(fd) != 0) fail(errno);
    // Renamed while still open and locked, so no cleaner takes it for a stale one.
    if (::rename(tempName.c_str(), target.c_str()) != 0) fail(errno);
    ::close(fd); // the data is on disk already
    syncFolder(folder);
}

int removeStaleTempFiles(const std::string& folder, const std::vector<std::string>& fileNames) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool ours = std::any_of(fileNames.begin(), fileNames.end(), [&](const std::string& file) {
            const std::string prefix = tempFilePrefix(file);
            return name.size() == prefix.size() + kTempSuffixLength &&
                   name.compare(0, prefix.size(), prefix) == 0;
        });
        if (!ours) continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        // A lock held means a save is writing it right now, here or in another process.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::unlink(it->path().c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace kelvaro
