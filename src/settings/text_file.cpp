#include "settings/text_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {

FileWriteError::FileWriteError(const std::string& path, const std::string& reason)
    : std::runtime_error("Cannot write file " + path + ": " + reason), path_(path) {}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            ++i;
            continue;
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
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls, as Windows does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string describeErrno(int error) { return std::strerror(error); }

} // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            appendUtf8(out, kHighControls[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string decodeText(std::string_view bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    // All of them: a second mark left in the text would be lost on the next read after a write.
    while (bytes.substr(0, bom.size()) == bom) bytes.remove_prefix(bom.size());
    if (isValidUtf8(bytes)) return std::string(bytes);
    return windows1252ToUtf8(bytes);
}

std::optional<std::string> readTextFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return decodeText(bytes.str());
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
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

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Writing through a link replaces its target, not the link.
    fs::path target = fs::is_symlink(path, ec) ? fs::canonical(path, ec) : fs::path(path);
    if (ec) target = path;

    const fs::path folder = target.parent_path();
    std::string tempName = (folder / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) throw FileWriteError(path, describeErrno(errno));

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(tempName.c_str());
        throw FileWriteError(path, describeErrno(error));
    };
    if (::fchmod(fd, modeForReplacement(target.string())) != 0) fail(errno);
    if (!writeAll(fd, bytes)) fail(errno);
    if (::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        throw FileWriteError(path, describeErrno(error));
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        throw FileWriteError(path, describeErrno(error));
    }
    syncFolder(folder);
}

} // namespace kelvaro
