#include "sound/default_sounds.h"

#include <filesystem>
#include <system_error>

namespace kelvaro {

namespace fs = std::filesystem;

const std::vector<std::string>& defaultSoundNames() {
    static const std::vector<std::string> names = {"TaDa.mp3", "Mission2.mid"};
    return names;
}

namespace {

bool holdsAllSounds(const fs::path& dir) {
    std::error_code ec;
    for (const auto& name : defaultSoundNames())
        if (!fs::is_regular_file(dir / name, ec)) return false;
    return true;
}

std::string withSlash(const fs::path& dir) {
    std::string text = dir.lexically_normal().string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

} // namespace

std::string findDefaultSoundsDir(const std::string& executableDir) {
    std::vector<fs::path> candidates;
    if (!executableDir.empty()) {
        candidates.push_back(fs::path(executableDir) / "sounds");
        candidates.push_back(fs::path(executableDir) / ".." / "share" / "kelvaro" / "sounds");
    }
#ifdef KELVARO_SOUNDS_DIR
    candidates.emplace_back(KELVARO_SOUNDS_DIR);
#endif
    for (const auto& dir : candidates)
        if (holdsAllSounds(dir)) return withSlash(dir);
    return {};
}

std::vector<std::string> installDefaultSounds(const std::string& programDir, const std::string& sourceDir) {
    std::vector<std::string> copied;
    if (programDir.empty() || sourceDir.empty()) return copied;
    for (const auto& name : defaultSoundNames()) {
        const fs::path target = fs::path(programDir) / name;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(target, ec))) continue;
        // Copy under a temporary name first so a half-written sound never looks installed.
        const fs::path partial = fs::path(programDir) / ("." + name + ".part");
        if (!fs::copy_file(fs::path(sourceDir) / name, partial, fs::copy_options::overwrite_existing, ec)) {
            fs::remove(partial, ec);
            continue;
        }
        fs::rename(partial, target, ec);
        if (ec) {
            fs::remove(partial, ec);
            continue;
        }
        copied.push_back(name);
    }
    return copied;
}

} // namespace kelvaro
