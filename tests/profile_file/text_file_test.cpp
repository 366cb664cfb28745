#include "settings/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
