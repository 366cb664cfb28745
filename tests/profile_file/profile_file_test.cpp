#include "settings/profile_file.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "../support/file_modes_as_user.h"
#include "temp_folder.h"

using kelvaro::FileWriteError;
using kelvaro::ProfileFile;

namespace {

ProfileFile load(const TempFolder& dir, const std::string& bytes) {
    dir.put("Kelvaro.ini", bytes);
    return ProfileFile(dir.file("Kelvaro.ini"));
}

} // namespace

TEST(ProfileRead, NamesAreCaseInsensitiveAndBlanksIgnored) {
    TempFolder dir;
    const auto ini = load(dir, "[ data ]\r\n  timehost =  time.example.org  \r\n");
    EXPECT_EQ(ini.readString("Data", "TimeHost", "x"), "time.example.org");
    EXPECT_TRUE(ini.hasKey("DATA", "TIMEHOST"));
    EXPECT_FALSE(ini.hasKey("Other", "TimeHost"));
    EXPECT_EQ(ini.readString("Data", "Missing", "def"), "def");
}

TEST(ProfileRead, OnePairOfMatchingQuotesIsRemoved) {
    TempFolder dir;
    const auto ini = load(dir, "[Data]\nA=\"  spaced  \"\nB='x'\nC=\"x'\nD=\"\"y\"\"\nE=\"\nF=\n");
    EXPECT_EQ(ini.readString("Data", "A", ""), "  spaced  ");
    EXPECT_EQ(ini.readString("Data", "B", ""), "x");
    EXPECT_EQ(ini.readString("Data", "C", ""), "\"x'");
    EXPECT_EQ(ini.readString("Data", "D", ""), "\"y\"");
    EXPECT_EQ(ini.readString("Data", "E", ""), "\"");
    EXPECT_EQ(ini.readString("Data", "F", "def"), ""); // present but empty is not missing
}

TEST(ProfileRead, FirstDuplicateKeyAndFirstSectionWin) {
    TempFolder dir;
    const auto ini = load(dir, "[Data]\nHour=06\nhour=09\n[Data]\nHour=11\nMinute=45\n");
    EXPECT_EQ(ini.readString("Data", "Hour", ""), "06");
    EXPECT_FALSE(ini.hasKey("Data", "Minute"));
}

TEST(ProfileRead, AllLineEndsAndCommentsAndStrayLines) {
    TempFolder dir;
    const auto cr = load(dir, "[Data]\rA=1\rB=2");
    EXPECT_EQ(cr.readString("Data", "A", ""), "1");
    EXPECT_EQ(cr.readString("Data", "B", ""), "2");
    const auto mixed = load(dir, "Top=0\n[Data]\r\n;A=9\r\nnot a key\nA=1\r");
    EXPECT_EQ(mixed.readString("Data", "A", ""), "1");
    EXPECT_FALSE(mixed.hasKey("", "Top"));
}

TEST(ProfileRead, TextIsCutTo1023Characters) {
    TempFolder dir;
    const auto ini = load(dir, "[Data]\nTimeHost=" + std::string(1500, 'h') +
                                   "\nWide=" + std::string(1500 * 2, '\xC3') + "\n");
    EXPECT_EQ(ini.readString("Data", "TimeHost", ""), std::string(1023, 'h'));
    // Characters, not bytes: a two-byte letter is never split.
    std::string wide;
    for (int i = 0; i < 1500; ++i)
        wide += "\xC3\xA9";
    const auto utf8 = load(dir, "[Data]\nW=" + wide + "\n");
    EXPECT_EQ(utf8.readString("Data", "W", ""), wide.substr(0, 2 * 1023));
}

TEST(ProfileRead, IntegersAndBooleans) {
    TempFolder dir;
    const auto ini =
        load(dir, "[Data]\nN24Hour=0x1\nHex=0XfF\nNeg=-12\nPlus=+7\nBare=0x\nWord=abc\nTail=12a\n"
                  "Big=4294967296\nZero=0\nTwo=2\nEmpty=\nAllBits=0xFFFFFFFF\nQuoted=\"5\"\n");
    EXPECT_TRUE(ini.readBool("Data", "N24Hour", false));
    EXPECT_EQ(ini.readInteger("Data", "Hex", 0), 255);
    EXPECT_EQ(ini.readInteger("Data", "Neg", 0), -12);
    EXPECT_EQ(ini.readInteger("Data", "Plus", 0), 7);
    EXPECT_EQ(ini.readInteger("Data", "AllBits", 0), -1);
    EXPECT_EQ(ini.readInteger("Data", "Quoted", 0), 5);
    for (const char* notNumber : {"Bare", "Word", "Tail", "Big", "Empty", "Missing"})
        EXPECT_EQ(ini.readInteger("Data", notNumber, 32767), 32767) << notNumber;
    EXPECT_FALSE(ini.readBool("Data", "Zero", true));
    EXPECT_TRUE(ini.readBool("Data", "Two", false));
    EXPECT_TRUE(ini.readBool("Data", "Word", true));
    EXPECT_FALSE(ini.readBool("Data", "Word", false));
}

TEST(ProfileRead, MissingFileIsEmptyAndWindows1252IsConverted) {
    TempFolder dir;
    EXPECT_EQ(ProfileFile(dir.file("none.ini")).readString("Data", "Hour", "07"), "07");
    const auto ini = load(dir, "[Data]\nCity=Z\xE9land \x80\n");
    EXPECT_EQ(ini.readString("Data", "City", ""), "Z\xC3\xA9land \xE2\x82\xAC");
}

TEST(ProfileWrite, EncodingsAndNewFile) {
    TempFolder dir;
    ProfileFile ini(dir.file("Kelvaro.ini"));
    ini.writeBool("Data", "AlarmON", true);
    ini.writeBool("Data", "AlarmOFF", false);
    ini.writeInteger("Data", "TClockH", -3);
    ini.writeString("Data", "Hour", "07");
    ini.flush();
    EXPECT_EQ(dir.get("Kelvaro.ini"), "[Data]\r\nAlarmON=1\r\nAlarmOFF=0\r\nTClockH=-3\r\nHour=07\r\n");
}

TEST(ProfileWrite, KeepsEveryOtherLine) {
    TempFolder dir;
    auto ini = load(dir, "; settings\n[Data]\nhour = 06 \nUnknown=keep\n\n; planner\n[Other]\nX=1\n");
    ini.writeString("DATA", "Hour", "09");   // existing key: replaced in place, stored spelling kept
    ini.writeString("Data", "Minute", "45"); // new key: after the section's last key line
    ini.writeString("Other", "Y", "2");
    ini.writeString("New", "Z", "3"); // new section: at the end
    ini.flush();
    EXPECT_EQ(dir.get("Kelvaro.ini"), "; settings\r\n[Data]\r\nhour=09\r\nUnknown=keep\r\nMinute=45\r\n\r\n"
                                      "; planner\r\n[Other]\r\nX=1\r\nY=2\r\n\r\n[New]\r\nZ=3\r\n");
}

TEST(ProfileWrite, DuplicateKeyWritesTheFirstAndLineBreaksEndAValue) {
    TempFolder dir;
    auto ini = load(dir, "[Data]\rA=1\rA=2\r");
    ini.writeString("Data", "A", "x\r\ny=z");
    ini.flush();
    EXPECT_EQ(dir.get("Kelvaro.ini"), "[Data]\r\nA=x\r\nA=2\r\n");
    EXPECT_EQ(ProfileFile(dir.file("Kelvaro.ini")).readString("Data", "A", ""), "x");
}

TEST(ProfileWrite, ValuesReadBackAsWritten) {
    TempFolder dir;
    ProfileFile ini(dir.file("Kelvaro.ini"));
    ini.writeString("Data", "AMPM", "\xC3\xA9m");
    ini.writeInteger("Data", "CDVolume", 32767);
    ini.writeBool("Data", "Locked", true);
    ini.flush();
    const ProfileFile again(dir.file("Kelvaro.ini"));
    EXPECT_EQ(again.readString("Data", "AMPM", ""), "\xC3\xA9m");
    EXPECT_EQ(again.readInteger("Data", "CDVolume", 0), 32767);
    EXPECT_TRUE(again.readBool("Data", "Locked", false));
    // A Windows-1252 file is written back as UTF-8.
    auto old = load(dir, "[Data]\nCity=\xE9\n");
    old.writeString("Data", "X", "1");
    old.flush();
    EXPECT_EQ(dir.get("Kelvaro.ini"), "[Data]\r\nCity=\xC3\xA9\r\nX=1\r\n");
}

TEST(ProfileWrite, OneShotWriteAndNoTemporaryFileLeft) {
    TempFolder dir;
    dir.put("Kelvaro.ini", "[Data]\nA=1\n");
    kelvaro::writeProfileString(dir.file("Kelvaro.ini"), "Data", "CurrDir", "/opt/kelvaro/");
    kelvaro::writeProfileBool(dir.file("Kelvaro.ini"), "Data", "A", false);
    kelvaro::writeProfileInteger(dir.file("Kelvaro.ini"), "Data", "B", 12);
    EXPECT_EQ(dir.get("Kelvaro.ini"), "[Data]\r\nA=0\r\nCurrDir=/opt/kelvaro/\r\nB=12\r\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Kelvaro.ini"});
}

TEST(ProfileWrite, ObjectsDoNotShareState) {
    TempFolder dir;
    ProfileFile first(dir.file("Kelvaro.ini"));
    kelvaro::writeProfileString(dir.file("Kelvaro.ini"), "Data", "A", "1");
    EXPECT_FALSE(first.hasKey("Data", "A")); // loaded before the write
    EXPECT_TRUE(ProfileFile(dir.file("Kelvaro.ini")).hasKey("Data", "A"));
}

TEST(ProfileWrite, FailureThrowsNamingTheFileAndKeepsTheOldOne) {
    TempFolder dir;
    auto ini = load(dir, "[Data]\nA=1\n");
    ini.writeString("Data", "A", "2");
    FileModesAsUser asUser;
    std::filesystem::permissions(dir.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    try {
        ini.flush();
        FAIL() << "no error";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("Kelvaro.ini")), std::string::npos) << e.what();
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(dir.get("Kelvaro.ini"), "[Data]\nA=1\n");
    EXPECT_TRUE(ini.hasUnsavedChanges());
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Kelvaro.ini"});
}

TEST(ProfileKeep, AFileThatCannotBeReadIsNeverReplaced) {
    TempFolder dir;
    const std::string stored = "[Data]\r\nHour=09\r\nMinute=15\r\n";
    dir.put("Kelvaro.ini", stored);
    chmod(dir.file("Kelvaro.ini").c_str(), 0);
    {
        FileModesAsUser asUser;
        ProfileFile ini(dir.file("Kelvaro.ini"));
        EXPECT_FALSE(ini.mayReplace());
        EXPECT_EQ(ini.loadOutcome(), kelvaro::ReadOutcome::Unreadable);
        EXPECT_EQ(ini.readString("Data", "Hour", "07"), "07"); // defaults meanwhile
        ini.writeString("Data", "Hour", "07");
        EXPECT_THROW(ini.flush(), FileWriteError);
        EXPECT_THROW(kelvaro::writeProfileString(dir.file("Kelvaro.ini"), "Data", "CurrDir", "/x/"),
                     FileWriteError);
    }
    chmod(dir.file("Kelvaro.ini").c_str(), 0600);
    EXPECT_EQ(dir.get("Kelvaro.ini"), stored);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Kelvaro.ini"});
}

TEST(ProfileKeep, AFileOverTheLimitIsRefusedWholeAndKept) {
    TempFolder dir;
    std::string big = "[Data]\r\nHour=09\r\n; " + std::string(kelvaro::kMaxSettingsFileBytes, 'x') + "\r\n";
    dir.put("Kelvaro.ini", big);
    ProfileFile ini(dir.file("Kelvaro.ini"));
    EXPECT_EQ(ini.loadOutcome(), kelvaro::ReadOutcome::TooLarge);
    EXPECT_NE(ini.loadProblem().find("4 MB"), std::string::npos) << ini.loadProblem();
    EXPECT_EQ(ini.readString("Data", "Hour", "07"), "07");
    ini.writeString("Data", "Hour", "07");
    EXPECT_THROW(ini.flush(), FileWriteError);
    EXPECT_EQ(dir.get("Kelvaro.ini").size(), big.size());
}

TEST(ProfileWrite, PathThatIsAFolderThrows) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("Kelvaro.ini"));
    try {
        kelvaro::writeProfileString(dir.file("Kelvaro.ini"), "Data", "A", "1");
        FAIL() << "no error";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("Kelvaro.ini")), std::string::npos) << e.what();
        EXPECT_EQ(e.path(), dir.file("Kelvaro.ini"));
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Kelvaro.ini")));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Kelvaro.ini"});
}

TEST(ProfileWrite, WriteCutShortKeepsTheOldFile) {
    TempFolder dir;
    auto ini = load(dir, "[Data]\nA=1\n");
    ini.writeString("Data", "A", std::string(4096, 'x'));
    // A size limit makes the write fail half-way, even for root; the old file must survive.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &tight);
    EXPECT_THROW(ini.flush(), FileWriteError);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(dir.get("Kelvaro.ini"), "[Data]\nA=1\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Kelvaro.ini"});
    ini.flush(); // the changes are still there to retry
    EXPECT_EQ(ProfileFile(dir.file("Kelvaro.ini")).readString("Data", "A", "").size(), 1023u);
}

TEST(ProfileSection, KeysInOrderFirstDuplicateOnlyAndErasedOneByOne) {
    TempFolder dir;
    auto ini = load(dir, "[Data]\r\nHour=07\r\n[Zones]\r\n; a note\r\nParis=Europe/Paris\r\nSão Paulo = "
                         "\"America/Sao_Paulo\"\r\n"
                         "paris=Europe/Berlin\r\n[Other]\r\nX=1\r\n");
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(ini.keys("zones"), (Pairs{{"Paris", "Europe/Paris"}, {"São Paulo", "America/Sao_Paulo"}}));
    EXPECT_TRUE(ini.keys("Missing").empty());
    ini.eraseKey("Zones", "PARIS");
    ini.eraseKey("Zones", "Nowhere");
    EXPECT_EQ(ini.keys("Zones"), (Pairs{{"São Paulo", "America/Sao_Paulo"}, {"paris", "Europe/Berlin"}}));
    EXPECT_EQ(ini.text(), "[Data]\r\nHour=07\r\n[Zones]\r\n; a note\r\nSão Paulo = \"America/Sao_Paulo\"\r\n"
                          "paris=Europe/Berlin\r\n[Other]\r\nX=1\r\n");
}
