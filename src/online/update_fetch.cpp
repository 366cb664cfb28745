// The update fetch: the description from the update site, then each file it names
// that is newer there, then the deletes it lists. Every answer comes as an event,
// so the fetch goes on step by step and never waits inside a handler.
//
// Safe by default: no site is configured, a site must be https, a name must be on
// the allow-list of update_rules.h, each download goes to a temporary file that is
// checked (status, size) before it replaces anything, and nothing fetched is run.
#include "online/online.h"
#include "online/update_rules.h"

#include "app/windows.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/conversions.h"
#include "settings/profile_file.h"

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

// Fetches d.name into a temporary file and renames it into place only when the
// answer is complete, 200, within the limit and of the described size.
void fetchInto(Application& app, std::shared_ptr<Download> d, std::size_t baseIndex, Done done) {
    if (baseIndex >= d->bases.size()) return done(false);
    const std::string url = d->bases[baseIndex] + d->name;
    const std::string temp = app.filePath(downloadName(d->name));
    app.platform().http->get(url, temp, d->limit, [&app, d, baseIndex, done, temp](const HttpResult& r) {
        app.guarded([&] {
            const bool good = r.transferred && r.status == 200 && !r.tooLarge && r.bytes <= d->limit &&
                              (d->expected == 0 || r.bytes == d->expected);
            std::error_code ec;
            if (good) {
                fs::rename(temp, app.filePath(d->name), ec);
                if (!ec) return done(true);
            }
            fs::remove(temp, ec);
            logUpdate(app, "its bad " + d->name + " status=" + std::to_string(r.status) +
                               " size=" + std::to_string(r.bytes) + (r.error.empty() ? "" : " " + r.error));
            if (baseIndex == 0 && d->bases.size() > 1)
                logUpdate(app, d->name == kUpdateDescription ? "Trying FC" : "Get- failed 1");
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

void finish(Application& app, const std::shared_ptr<Fetch>& f) {
    OnlineState& s = online(app);
    const ProfileFile& ini = *f->description;
    s.TopMax = ini.readInteger("Main", "topMax", 30);
    s.Top1Max = ini.readInteger("Main", "top1Max", 30);
    for (int i = 0; i < 3; ++i)
        s.topMore[i] = ini.readInteger("Main", "top" + std::to_string(i + 2) + "Max", 30);
    const int deletes = ini.readInteger("Delete", "Count", 0);
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

void nextFileOrThrow(Application& app, std::shared_ptr<Fetch> f);

// A malformed number in the description ends the fetch.
void nextFile(Application& app, std::shared_ptr<Fetch> f) {
    try {
        nextFileOrThrow(app, std::move(f));
    } catch (...) {
        online(app).fetching = false;
        throw;
    }
}

void nextFileOrThrow(Application& app, std::shared_ptr<Fetch> f) {
    if (f->next > f->count) return finish(app, f);
    const int i = f->next++;
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
        return nextFile(app, f);
    }
    const std::string path = app.filePath(name);
    const double local = localFileDate(app, path);
    if (local >= release) {
        logUpdate(app, "no update needed " + name);
        lamp(app).checked = true;
        lamp(app).oncolor = colors::Green;
        return nextFile(app, f);
    }
    lamp(app).offcolor = Magenta;
    logUpdate(app, "Get-" + name);
    auto d = std::make_shared<Download>();
    d->name = name;
    d->bases = sites({ini.readString("Sub", "PathPri", ""), ini.readString("Sub", "PathSec", "")});
    d->expected = static_cast<std::uint64_t>(size);
    d->limit = d->expected ? d->expected : kUpdateFileLimit;
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
        l.hint = "No update site (an https:// address) is set";
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
        f->count = f->description->readInteger("Sub", "Count", 0);
        logUpdate(app, "got ini-" + std::to_string(f->count));
        nextFile(app, f);
    });
}

} // namespace kelvaro
