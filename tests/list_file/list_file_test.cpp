#include "sound/list_file.h"

#include <gtest/gtest.h>
#include <random>

#include "settings/text_file.h"
#include "temp_folder.h" // from tests/profile_file

using namespace kelvaro;
using Rows = std::vector<ListRow>;

TEST(ListFileBytes, CityRowWithNameAndDifferenceHas25CellEnds) {
    const std::string bytes = formatList({{"Sydney", "10.00"}}, kCityListColumns);
    EXPECT_EQ(bytes, "Sydney\x07"
                     "10.00\x07" +
                         std::string(23, '\x07') + "\r\n");
}

TEST(ListFileBytes, TwoMusicRowsLoadAndWriteBackTheSameBytes) {
    TempFolder dir;
    const std::string bytes = "TaDa.mp3\x07/home/me/Music/\x07\r\nWake.wav\x07/srv/\x07\r\n";
    dir.put("Waves.wva", bytes);
    const auto rows = readListFile(dir.file("Waves.wva"), kMusicListColumns);
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (Rows{{"TaDa.mp3", "/home/me/Music/"}, {"Wake.wav", "/srv/"}}));
    writeListFile(dir.file("Waves.wva"), *rows, kMusicListColumns);
    EXPECT_EQ(dir.get("Waves.wva"), bytes);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Waves.wva"});
}

TEST(ListFileRead, CellsArePaddedOrCutToTheGrid) {
    EXPECT_EQ(parseList("a\x07", 3), (Rows{{"a", "", ""}}));
    EXPECT_EQ(parseList("a\x07"
                        "b\x07"
                        "c\x07"
                        "d\x07",
                        2),
              (Rows{{"a", "b"}}));
    EXPECT_EQ(parseList("\x07\x07x\x07", 3), (Rows{{"", "", "x"}}));
    EXPECT_EQ(parseList("name\x07tail", 3), (Rows{{"name", "tail", ""}})); // hand-edited, no last 0x07
    EXPECT_EQ(parseList("a\x07", 0), (Rows{{}}));
}

TEST(ListFileRead, LineEndsEmptyLinesAndEmptyFile) {
    const Rows expected{{"a", "1"}, {"", ""}, {"b", "2"}};
    for (const char* text : {"a\x07"
                             "1\x07\r\n\r\nb\x07"
                             "2\x07\r\n",
                             "a\x07"
                             "1\x07\n\nb\x07"
                             "2\x07",
                             "a\x07"
                             "1\x07\r\rb\x07"
                             "2\x07\r"})
        EXPECT_EQ(parseList(text, 2), expected) << text;
    EXPECT_TRUE(parseList("", 2).empty());
}

TEST(ListFileRead, MissingFileAndWindows1252) {
    TempFolder dir;
    EXPECT_FALSE(readListFile(dir.file("Cities.txt"), kCityListColumns).has_value());
    dir.put("Cities.txt", "Montr\xE9"
                          "al\x07-5.00\x07\r\n");
    const auto rows = readListFile(dir.file("Cities.txt"), 2);
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (Rows{{"Montr\xC3\xA9"
                            "al",
                            "-5.00"}}));
    writeListFile(dir.file("Cities.txt"), *rows, 2);
    EXPECT_EQ(dir.get("Cities.txt"), "Montr\xC3\xA9"
                                     "al\x07-5.00\x07\r\n");
}

TEST(ListFileWrite, SeparatorsInsideCellsBecomeBlanksAndExtraCellsAreCut) {
    EXPECT_EQ(formatList({{"a\x07"
                           "b",
                           "c\r\nd", "dropped"}},
                         2),
              "a b\x07"
              "c  d\x07\r\n");
    EXPECT_EQ(formatList({}, 2), "");
}

TEST(ListFileWrite, FailureKeepsTheOldFile) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("CDs.wva"));
    EXPECT_THROW(writeListFile(dir.file("CDs.wva"), {{"Track01.cda", "/media/cd/"}}, 2), FileWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("CDs.wva")));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"CDs.wva"});
}

namespace {

std::string randomCell(std::mt19937& rng) {
    // Any byte but the three separators, mostly printable, some Latin-1 and UTF-8 letters.
    static const std::vector<std::string> pieces{
        "a", "Z", " ", "\t", ".", "-", "/", "\\", "\xC3\xA9", "\xE2\x82\xAC", "\x01", "\x7F", "0", "9"};
    std::string cell;
    for (auto n = rng() % 8; n > 0; --n)
        cell += pieces[rng() % pieces.size()];
    return cell;
}

} // namespace

TEST(ListFileProperty, GeneratedRowsSurviveARoundTrip) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 500; ++round) {
        const std::size_t columns = 1 + rng() % kCityListColumns;
        Rows rows(rng() % 6);
        for (auto& row : rows) {
            row.resize(columns);
            for (auto& cell : row)
                cell = randomCell(rng);
        }
        const std::string bytes = formatList(rows, columns);
        const Rows back = parseList(decodeText(bytes), columns);
        ASSERT_EQ(back, rows) << "round " << round;
        ASSERT_EQ(formatList(back, columns), bytes);
    }
}

TEST(ListFileProperty, RandomBytesNeverBreakTheReader) {
    std::mt19937 rng(7);
    const char alphabet[] = {'\x07', '\r', '\n', 'a', ' ', '\xE9', '\xC3', '\xA9', '\0', '\xFF'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(rng() % 200, '\0');
        for (auto& b : bytes)
            b = (rng() % 2) ? alphabet[rng() % sizeof alphabet] : static_cast<char>(rng());
        const std::size_t columns = rng() % 30;
        const Rows rows = parseList(decodeText(bytes), columns);
        for (const auto& row : rows)
            ASSERT_EQ(row.size(), columns);
        // Whatever was read, writing it is stable from then on.
        const std::string once = formatList(rows, columns);
        ASSERT_EQ(formatList(parseList(once, columns), columns), once);
    }
}
