// The update fetch: the description from the update site, then each file it names
// that is newer there, then the deletes it lists. Every answer comes as an event,
// so the fetch goes on step by step and never waits inside a handler.
//
// Safe by default: no site is configured, a site must be https, a name must be on
// the allow-list of update_rules.h, each download goes to a temporary file that is
// checked (status, size, a body that arrived whole) before it replaces anything, every
// count of the description is bounded, and nothing fetched is run.
#include "framework/translatable.h"
#include "online/online.h"
#include "online/update_rules.h"

#include "app/windows.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/conversions.h"
#include "settings/profile_file.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>

namespace kelvaro {

namespace fs = std::filesystem;

namespace {

constexpr int Lime = 0x00FF00;
constexpr int Magenta = 0xFF00FF;
constexpr int Teal = 0x808000;

Control& lamp(Application& app) {
    return mainWindow(app).LightCheckUpDated;
}

// One file to get: where from, where to, what it must be.
struct Download {
    std::string name;
    std::vector<std::string> bases; // tried in order
    std::uint64_t limit = 0;        // most bytes accepted
    std::uint64_t expected = 0;     // the described size; 0: not checked
};

using Done = std::function<void(bool ok)>;

// What the temporary file holds is the answer only when it is a complete 200 with a
// body that arrived whole: not empty, within the limit, of the described size. A body
// that failed on the way (an undecodable compressed one) carries an error however it ended.
bool goodDownload(const HttpResult& r, const Download& d, const std::string& temp) {
    if (!r.transferred || r.status != 200 || r.tooLarge || !r.error.empty()) return false;
    if (r.bytes == 0 || r.bytes > d.limit || (d.expected != 0 && r.bytes != d.expected)) return false;
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(temp, ec);
    return !ec && fs::is_regular_file(st) && fs::file_size(temp, ec) == r.bytes && !ec;
}

// Fetches d.name into a temporary file and renames it into place only when it is good.
// Calls `done` from the answer's event, never before returning: d->bases is not empty.
void fetchInto(Application& app, std::shared_ptr<Download> d, std::size_t baseIndex, Done done) {
    const std::string url = d->bases[baseIndex] + d->name;
    const std::string temp = app.filePath(downloadName(d->name));
    app.platform().http->get(url, temp, d->limit, [&app, d, baseIndex, done, temp](const HttpResult& r) {
        app.guarded([&] {
            std::error_code ec;
            if (goodDownload(r, *d, temp)) {
                fs::rename(temp, app.filePath(d->name), ec);
                if (!ec) return done(true);
            }
            fs::remove(temp, ec);
            logUpdate(app, "its bad " + d->name + " status=" + std::to_string(r.status) +
                               " size=" + std::to_string(r.bytes) + (r.error.empty() ? "" : " " + r.error));
            if (baseIndex == 0 && d->bases.size() > 1)
                logUpdate(app, d->name == kUpdateDescription ? "Trying FC" : "Get- failed 1");
            if (baseIndex + 1 >= d->bases.size()) return done(false);
            fetchInto(app, d, baseIndex + 1, done);
        });
    });
}

std::vector<std::string> sites(std::initializer_list<std::string> candidates) {
    std::vector<std::string> out;
    for (const std::string& s : candidates)
        if (isUpdateSite(s)) out.push_back(s);
    return out;
}

double localFileDate(Application& app, const std::string& path) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return -1e9; // a missing file is always fetched, however old the release

    const auto system = fs::file_time_type::clock::to_sys(written);
    const double seconds = std::chrono::duration<double>(system.time_since_epoch()).count();
    return 25569.0 + seconds / 86'400.0 + app.platform().clock->utcOffsetMinutes() / 1440.0;
}

struct Fetch {
    std::unique_ptr<ProfileFile> description;
    int count = 0;
    int next = 1;
};

// A count of the description, within 0 .. kUpdateEntryLimit.
int entryCount(Application& app, const ProfileFile& ini, const char* section) {
    const int count = ini.readInteger(section, "Count", 0);
    if (count > kUpdateEntryLimit) logUpdate(app, std::string("only the first entries of ") + section);
    return std::clamp(count, 0, kUpdateEntryLimit);
}

void finish(Application& app, const std::shared_ptr<Fetch>& f) {
    OnlineState& s = online(app);
    const ProfileFile& ini = *f->description;
    s.TopMax = ini.readInteger("Main", "topMax", 30);
    s.Top1Max = ini.readInteger("Main", "top1Max", 30);
    for (int i = 0; i < 3; ++i)
        s.topMore[i] = ini.readInteger("Main", "top" + std::to_string(i + 2) + "Max", 30);
    const int deletes = entryCount(app, ini, "Delete");
    for (int i = 1; i <= deletes; ++i) {
        const std::string name = ini.readString("Delete", "PathP" + std::to_string(i), "");
        if (!updateMayTouch(name)) {
            logUpdate(app, "refused delete-" + name);
            continue;
        }
        std::error_code ec;
        fs::remove(app.filePath(name), ec);
    }
    s.fetching = false;
}

// Looks at entry i; true when a download of it has started, whose answer goes on.
bool startEntry(Application& app, const std::shared_ptr<Fetch>& f, int i);

// Walks the entries in a loop, not by recursion: a description of thousands of refused
// names must not grow the stack. A malformed number in the description ends the fetch.
void nextFile(Application& app, const std::shared_ptr<Fetch>& f) {
    try {
        while (f->next <= f->count)
            if (startEntry(app, f, f->next++)) return;
        finish(app, f);
    } catch (...) {
        online(app).fetching = false;
        throw;
    }
}

bool startEntry(Application& app, const std::shared_ptr<Fetch>& f, int i) {
    const ProfileFile& ini = *f->description;
    const std::string n = std::to_string(i);
    const std::string name = ini.readString("Sub", "NameP" + n, "");
    const std::string releaseText = ini.readString("Sub", "UpdateP" + n, "0");
    const double release = strToFloat(releaseText, LocaleInfo::enUS());
    const std::string sizeText = ini.readString("Sub", "SizeP" + n, "0");
    const double size = std::trunc(strToFloat(sizeText, LocaleInfo::enUS()));
    if (!updateMayTouch(name) || size < 0 || size > static_cast<double>(kUpdateFileLimit)) {
        logUpdate(app, "refused-" + name + " size=" + sizeText);
        lamp(app).offcolor = colors::Red;
        return false;
    }
    const std::string path = app.filePath(name);
    const double local = localFileDate(app, path);
    if (local >= release) {
        logUpdate(app, "no update needed " + name);
        lamp(app).checked = true;
        lamp(app).oncolor = colors::Green;
        return false;
    }
    lamp(app).offcolor = Magenta;
    logUpdate(app, "Get-" + name);
    auto d = std::make_shared<Download>();
    d->name = name;
    d->bases = sites({ini.readString("Sub", "PathPri", ""), ini.readString("Sub", "PathSec", "")});
    d->expected = static_cast<std::uint64_t>(size);
    d->limit = d->expected ? d->expected : kUpdateFileLimit;
    if (d->bases.empty()) {
        lamp(app).offcolor = colors::Red; // no https path to fetch it from
        return false;
    }
    fetchInto(app, d, 0, [&app, f, name](bool ok) {
        if (ok) {
            logUpdate(app, "Got it " + name);
            lamp(app).checked = true;
            lamp(app).offcolor = Teal;
        } else {
            lamp(app).offcolor = colors::Red;
        }
        app.touch();
        nextFile(app, f);
    });
    return true;
}

} // namespace

void CheckForUpdates(Application& app) {
    OnlineState& s = online(app);
    if (s.fetching) return;
    Control& l = lamp(app);
    l.checked = false;
    l.offcolor = colors::DarkRed;
    l.oncolor = Lime;
    SettingsNotebook& nb = notebook(app);
    auto d = std::make_shared<Download>();
    d->name = kUpdateDescription;
    d->bases = sites({nb.EditFTPIP1.text, nb.EditFTPIP2.text});
    d->limit = kDescriptionLimit;
    if (d->bases.empty()) {
        // Nothing to ask: the lamp stays out, grey, and the banners go on.
        l.offcolor = colors::Grey;
        l.hint = KV_TR("No update site (an https:// address) is set");
        logUpdate(app, "no update site");
        return;
    }
    s.fetching = true;
    fetchInto(app, d, 0, [&app](bool ok) {
        if (!ok) {
            online(app).fetching = false; // the lamp stays dark red: no banners this run
            return;
        }
        lamp(app).offcolor = colors::Green;
        auto f = std::make_shared<Fetch>();
        f->description = std::make_unique<ProfileFile>(app.filePath(kUpdateDescription));
        f->count = entryCount(app, *f->description, "Sub");
        logUpdate(app, "got ini-" + std::to_string(f->count));
        nextFile(app, f);
    });
}

int removeStaleDownloads(const std::string& folder) {
    const std::string tail = downloadName("");
    const std::string suffix = tail.substr(1); // ".download"
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= tail.size() || name.front() != '.' ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string target = name.substr(1, name.size() - tail.size());
        if (!updateMayTouch(target) && target != kUpdateDescription) continue;
        std::error_code removeError;
        if (!fs::is_directory(it->symlink_status(removeError)) && fs::remove(it->path(), removeError))
            ++removed;
    }
    return removed;
}

} // namespace kelvaro
