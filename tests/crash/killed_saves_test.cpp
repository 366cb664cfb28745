// A writer process saves a large settings file and city list over and over with the program's own
// writing code and is killed at random moments; after every kill each file must be whole (the old
// or the new version, byte for byte), and the start-up cleaning must leave no temporary file.
#include "settings/profile_file.h"
#include "settings/text_file.h"
#include "sound/list_file.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <poll.h>
#include <random>
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace kelvaro;
namespace fs = std::filesystem;

namespace {

constexpr int kSettingsKeys = 600; // about 25 kB, ten times a real settings file
constexpr int kCityRows = 1000;    // about 55 kB
constexpr int kGenerations = 500;  // each saves both files: 1,000 saves

// Most of the settings stay as they are; every save changes the generation and a stamp, and
// still rewrites the whole file, as the program's saves do.
ProfileFile settingsOf(const ProfileFile& base, int generation) {
    ProfileFile file = base;
    file.writeInteger("Data", "Generation", generation);
    file.writeString("Data", "Stamp", std::to_string(generation * 7919) + std::string(generation % 40, 's'));
    return file;
}

ProfileFile baseSettings(const std::string& path) {
    ProfileFile file(path);
    for (int key = 0; key < kSettingsKeys; ++key)
        file.writeString("Data", "Key" + std::to_string(key),
                         std::to_string(key) + std::string(20 + key % 17, 'x'));
    return file;
}

std::vector<ListRow> cityRows() {
    std::vector<ListRow> rows(kCityRows, ListRow(kCityListColumns));
    for (int r = 0; r < kCityRows; ++r) {
        rows[r][0] = "City " + std::to_string(r) + " Montréal";
        rows[r][3] = "07:" + std::to_string(10 + r % 50);
    }
    return rows;
}

// Every save changes the first cell and the hour difference of each city.
void setGeneration(std::vector<ListRow>& rows, int generation) {
    rows[0][0] = "Generation " + std::to_string(generation);
    for (int r = 0; r < kCityRows; ++r)
        rows[r][1] = std::to_string((generation + r) % 24) + ".30";
}

// The child: from the generation on disk onwards, one settings save and one city list save per
// generation, with the program's writing code, until killed.
// It tells `progress` one byte when it has read the file and one after each save, so that the
// parent can aim its kill at a save.
[[noreturn]] void saveForever(const std::string& settings, const std::string& cities,
                              std::vector<ListRow> rows, int progress) {
    const auto tell = [progress] {
        const char byte = '.';
        if (::write(progress, &byte, 1) != 1) std::abort();
    };
    const ProfileFile onDisk(settings);
    tell();
    for (int generation = onDisk.readInteger("Data", "Generation", 0) + 1;; ++generation) {
        settingsOf(onDisk, generation).flush();
        tell();
        setGeneration(rows, generation);
        writeListFile(cities, rows, kCityListColumns);
        tell();
    }
}

using Clock = std::chrono::steady_clock;

// Waits until a save creates its temporary file in the watched folder (events from before are
// dropped). False after 10 s without one.
bool waitForTemporaryFile(int watch) {
    alignas(inotify_event) char buffer[4096];
    while (::read(watch, buffer, sizeof buffer) > 0) {
    }
    pollfd ready{watch, POLLIN, 0};
    while (::poll(&ready, 1, 10000) == 1) {
        const ssize_t got = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && event->name[0] == '.') return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

// The generation the file holds when it is exactly as that generation's save wrote it, else -1.
int wholeSettings(const std::string& path, const ProfileFile& base) {
    const ProfileFile file(path);
    const int generation = file.readInteger("Data", "Generation", -1);
    if (generation < 0) return -1;
    return file.text() == settingsOf(base, generation).text() ? generation : -1;
}

int wholeCities(const std::string& path, std::vector<ListRow>& expected) {
    const auto rows = readListFile(path, kCityListColumns);
    if (!rows || rows->empty() || rows->front()[0].rfind("Generation ", 0) != 0) return -1;
    const int generation = std::stoi(rows->front()[0].substr(11));
    setGeneration(expected, generation);
    return *rows == expected ? generation : -1;
}

std::vector<std::string> folderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(KilledSaves, EveryFileStaysWholeAndNoTemporaryFileStays) {
    // In memory when the machine has /dev/shm: a kill tests the replacement, not the disk's flush, and
    // flushes to a busy disk would make the thousand saves slow.
    const fs::path scratch = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = scratch / ("kelvaro-killed-saves-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string settings = (folder / "Kelvaro.ini").string();
    const std::string cities = (folder / "Cities.txt").string();

    // Generation 0, written whole before the kills start.
    const ProfileFile baseFile = baseSettings(settings);
    settingsOf(baseFile, 0).flush();
    std::vector<ListRow> expectedRows = cityRows();
    setGeneration(expectedRows, 0);
    writeListFile(cities, expectedRows, kCityListColumns);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> savesBeforeKill(0, 9);
    std::uniform_real_distribution<double> partOfASave(0.0, 1.2);
    Clock::duration saveTime = std::chrono::milliseconds(20); // measured as the saves run
    std::uniform_int_distribution<int> microsecondsIntoTheWrite(0, 100);
    const int watch = ::inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, folder.c_str(), IN_CREATE), 0);
    int settingsGeneration = 0, citiesGeneration = 0, kills = 0, killsMidSave = 0;
    while (settingsGeneration < kGenerations) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever(settings, cities, expectedRows, ready[1]);
        // Let a few saves finish, then kill somewhere in the next one (or just after it).
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        auto last = Clock::now();
        for (int saves = savesBeforeKill(random); saves > 0; --saves) {
            ASSERT_EQ(::read(ready[0], &byte, 1), 1);
            saveTime = Clock::now() - last;
            last = Clock::now();
        }
        // Every other kill is aimed at the moments the temporary file exists, which are short.
        if (kills % 2 == 0) {
            ASSERT_TRUE(waitForTemporaryFile(watch)) << "the writer stopped saving";
            std::this_thread::sleep_for(std::chrono::microseconds(microsecondsIntoTheWrite(random)));
        } else {
            std::this_thread::sleep_for(
                std::chrono::duration_cast<Clock::duration>(saveTime * partOfASave(random)));
        }
        ::kill(child, SIGKILL);
        ::close(ready[0]);
        ::close(ready[1]);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;
        ++kills;

        if (fs::exists(settings)) {
            const int generation = wholeSettings(settings, baseFile);
            ASSERT_GE(generation, settingsGeneration) << "settings torn or older after kill " << kills;
            settingsGeneration = generation;
        }
        if (fs::exists(cities)) {
            const int generation = wholeCities(cities, expectedRows);
            ASSERT_GE(generation, citiesGeneration) << "city list torn or older after kill " << kills;
            // Each generation saves the settings first, the city list second.
            ASSERT_LE(generation, settingsGeneration) << "city list newer than the settings";
            citiesGeneration = generation;
        }
        // What the program's start does with the leftovers of killed saves.
        if (removeStaleTempFiles(folder.string(), {"Kelvaro.ini", "Cities.txt"}) > 0) ++killsMidSave;
        const auto names = folderNames(folder);
        for (const auto& name : names)
            ASSERT_TRUE(name == "Kelvaro.ini" || name == "Cities.txt") << "left behind: " << name;
    }
    std::printf("%d generations of both files saved, %d kills, %d of them in the middle of a save\n",
                settingsGeneration, kills, killsMidSave);
    ::close(watch);
    EXPECT_GT(killsMidSave, kills / 10) << "the kills must hit saves in progress to prove anything";
    fs::remove_all(folder);
}
