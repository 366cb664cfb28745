#include "settings/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "../support/file_modes_as_user.h"
#include "temp_folder.h"

using namespace kelvaro;

TEST(TextDecoding, Utf8KeptOtherwiseWindows1252) {
    EXPECT_EQ(decodeText("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\xEF\xBB\xBFx"), "x");
    EXPECT_EQ(decodeText("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(decodeText("\x80\x81\x9F\xFF"), "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xBF");
    // Not UTF-8: overlong form, surrogate, cut-off sequence, beyond U+10FFFF.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80\xEF\xBF\xBF"));
}

TEST(TextDecoding, OnlyTheBytesThatAreNotUtf8AreReadAsWindows1252) {
    // A file edited once on each platform: the UTF-8 line must not be decoded a second time.
    EXPECT_EQ(decodeText("CurrDir=/home/j\xC3\xB6rg/\r\nName=Z\xFCrich\r\n"),
              "CurrDir=/home/j\xC3\xB6rg/\r\nName=Z\xC3\xBCrich\r\n");
    // A cut-off sequence, a lone continuation byte and an overlong form, each among good text.
    EXPECT_EQ(decodeText("\xE2\x82 \xE2\x82\xAC"), "\xC3\xA2\xE2\x80\x9A \xE2\x82\xAC");
    EXPECT_EQ(decodeText("\x80\xC3\xA9"), "\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(decodeText("\xC0\xAF\xF0\x9F\x98\x80"), "\xC3\x80\xC2\xAF\xF0\x9F\x98\x80");
    // Whatever comes in, what comes out is UTF-8, and decoding it again changes nothing.
    const std::string once = decodeText("\xFF\xFE\xC3\xB6\xED\xA0\x80");
    EXPECT_TRUE(isValidUtf8(once));
    EXPECT_EQ(decodeText(once), once);
}

TEST(TextFileRead, TellsMissingFromUnreadableAndTooLarge) {
    TempFolder dir;
    EXPECT_EQ(readTextFileLimited(dir.file("none.ini"), 100).outcome, ReadOutcome::Missing);
    EXPECT_EQ(readTextFileLimited(dir.file("no/such/folder.ini"), 100).outcome, ReadOutcome::Missing);

    dir.put("fits.ini", std::string(100, 'x'));
    const TextFileContent fits = readTextFileLimited(dir.file("fits.ini"), 100);
    EXPECT_EQ(fits.outcome, ReadOutcome::Read);
    EXPECT_EQ(fits.text.size(), 100u);
    EXPECT_TRUE(fits.mayReplace());

    dir.put("big.ini", std::string(101, 'x'));
    const TextFileContent big = readTextFileLimited(dir.file("big.ini"), 100);
    EXPECT_EQ(big.outcome, ReadOutcome::TooLarge);
    EXPECT_TRUE(big.text.empty());
    EXPECT_FALSE(big.mayReplace());
    EXPECT_FALSE(readTextFile(dir.file("big.ini"), 100).has_value());

    std::filesystem::create_directory(dir.file("folder.ini"));
    EXPECT_EQ(readTextFileLimited(dir.file("folder.ini"), 100).outcome, ReadOutcome::Unreadable);
}

TEST(TextFileRead, AFileTheUserMayNotReadIsUnreadableNotMissing) {
    TempFolder dir;
    dir.put("Kelvaro.ini", "[Data]\r\nHour=09\r\n");
    chmod(dir.file("Kelvaro.ini").c_str(), 0);
    FileModesAsUser asUser;
    const TextFileContent content = readTextFileLimited(dir.file("Kelvaro.ini"), 100);
    EXPECT_EQ(content.outcome, ReadOutcome::Unreadable);
    EXPECT_FALSE(content.reason.empty());
    EXPECT_FALSE(content.mayReplace());
}

TEST(TextLines, EveryLineEndAndMissingLastEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(splitLines("\n\r"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(AtomicWrite, ReplacesKeepingPermissionsAndFollowsLinks) {
    TempFolder dir;
    dir.put("list.txt", "old");
    chmod(dir.file("list.txt").c_str(), 0640);
    writeFileAtomically(dir.file("list.txt"), "new");
    EXPECT_EQ(dir.get("list.txt"), "new");
    struct stat st {};
    stat(dir.file("list.txt").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    std::filesystem::create_symlink("list.txt", dir.file("link.txt"));
    writeFileAtomically(dir.file("link.txt"), "via link");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(dir.get("list.txt"), "via link");
}

TEST(AtomicWrite, MissingFolderThrows) {
    TempFolder dir;
    EXPECT_THROW(writeFileAtomically(dir.file("no/such.txt"), "x"), FileWriteError);
    EXPECT_FALSE(readTextFile(dir.file("no/such.txt")).has_value());
}

TEST(StaleTempFiles, OnlyOursAndNeverOneASaveIsWriting) {
    TempFolder dir;
    dir.put("Kelvaro.ini", "kept");
    dir.put(".Kelvaro.ini.tmp-AbC123", "left by a kill");
    dir.put(".Kelvaro.ini.tmp-AbC12", "too short for ours");
    dir.put(".Other.ini.tmp-AbC123", "not one of the names");
    std::filesystem::create_directory(dir.file(".Kelvaro.ini.tmp-folder"));
    // A save in progress holds the lock on its file.
    dir.put(".Kelvaro.ini.tmp-saving", "being written");
    const int writing = open(dir.file(".Kelvaro.ini.tmp-saving").c_str(), O_RDONLY);
    ASSERT_EQ(flock(writing, LOCK_EX), 0);

    EXPECT_EQ(removeStaleTempFiles(dir.path().string(), {"Kelvaro.ini", "Cities.txt"}), 1);
    std::vector<std::string> left = dir.names();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{".Kelvaro.ini.tmp-AbC12", ".Kelvaro.ini.tmp-folder",
                                        ".Kelvaro.ini.tmp-saving", ".Other.ini.tmp-AbC123", "Kelvaro.ini"}));
    close(writing);
    EXPECT_EQ(removeStaleTempFiles(dir.path().string(), {"Kelvaro.ini"}), 1); // its save was killed
    EXPECT_EQ(removeStaleTempFiles(dir.file("no-such-folder"), {"Kelvaro.ini"}), 0);
}
