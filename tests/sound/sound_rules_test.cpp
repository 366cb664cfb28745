#include "sound/list_order.h"
#include "sound/sound_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace kelvaro {
namespace {

TEST(SoundPaths, SplitAtEitherSeparator) {
    EXPECT_EQ(folderPart("D:\\Track01.cda"), "D:");
    EXPECT_EQ(fileNamePart("D:\\Track01.cda"), "Track01.cda");
    EXPECT_EQ(folderPart("/dev/sr0/Track07.cda"), "/dev/sr0");
    EXPECT_EQ(folderPart("Track07.cda"), "");
    EXPECT_EQ(fileNamePart("/music/"), "");
}

TEST(SoundPaths, TitleStopsAtTheFirstDotOfTheFileName) {
    EXPECT_EQ(titleOf("/home/a.b/TaDa.mp3"), "TaDa");
    EXPECT_EQ(titleOf("C:\\x\\song.live.ogg"), "song");
    EXPECT_EQ(titleOf("/music/noextension"), "");
    EXPECT_EQ(titleOf("https://radio.example/live"), "");
}

TEST(SoundPaths, TrackIsTheTwoDigitsBeforeTheFirstDot) {
    EXPECT_EQ(cdTrackOf("D:\\Track01.cda"), 1);
    EXPECT_EQ(cdTrackOf("/dev/sr0/Track07.cda"), 7);
    EXPECT_EQ(cdTrackOf("/media/cd.rom/Track12.cda"), 12); // a dot in the folder does not count
    EXPECT_EQ(cdTrackOf("/dev/sr0/Track7.cda"), std::nullopt);
    EXPECT_EQ(cdTrackOf("/dev/sr0/7.cda"), std::nullopt);
    EXPECT_EQ(cdTrackOf("/dev/sr0/Track07"), std::nullopt);
}

TEST(SoundPaths, ParametersSplitAtBlanksOutsideQuotes) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitProgramParams(""), V{});
    EXPECT_EQ(splitProgramParams("  -a   b "), (V{"-a", "b"}));
    EXPECT_EQ(splitProgramParams("-title \"Wake up\" -n 1"), (V{"-title", "Wake up", "-n", "1"}));
    EXPECT_EQ(splitProgramParams("--file=\"/my music/a.mp3\""), (V{"--file=/my music/a.mp3"}));
    EXPECT_EQ(splitProgramParams("a \"\" b"), (V{"a", "", "b"}));
    EXPECT_EQ(splitProgramParams("\"unclosed quote"), (V{"unclosed quote"}));
}

TEST(ListOrder, InOrderWrapsAfterTheLastRow) {
    // Header plus three entries.
    int row = 0;
    std::vector<int> played;
    for (int i = 0; i < 5; ++i)
        played.push_back(row = nextInOrder(row, 4));
    EXPECT_EQ(played, (std::vector<int>{1, 2, 3, 1, 2}));
    EXPECT_EQ(nextInOrder(9, 4), 1); // a row from a longer list starts over
    EXPECT_EQ(nextInOrder(-1, 4), 1);
    EXPECT_EQ(nextInOrder(1, 2), 1); // one entry repeats
}

TEST(ListOrder, ShufflePlaysEveryEntryOncePerCycle) {
    std::mt19937 gen(7);
    auto random = [&gen] { return static_cast<int>(gen() % 32768); };
    for (int entries : {1, 2, 3, 7}) {
        ListPlayState state;
        for (int cycle = 0; cycle < 20; ++cycle) {
            std::multiset<int> rows;
            for (int i = 0; i < entries; ++i) {
                const int row = nextShuffled(state, entries + 1, random);
                EXPECT_EQ(row, state.ListRow);
                EXPECT_EQ(state.shufflePosition, entries - 1 - i);
                rows.insert(row);
            }
            std::multiset<int> all;
            for (int r = 1; r <= entries; ++r)
                all.insert(r);
            EXPECT_EQ(rows, all) << entries << " entries, cycle " << cycle;
        }
    }
}

TEST(ListOrder, ShuffleTakesTheOrderFromItsEnd) {
    ListPlayState state;
    auto fixed = [] { return 0; }; // swaps position 0 with itself: the order stays 1..N-1
    EXPECT_EQ(nextShuffled(state, 4, fixed), 3);
    EXPECT_EQ(nextShuffled(state, 4, fixed), 2);
    EXPECT_EQ(nextShuffled(state, 4, fixed), 1);
    EXPECT_EQ(nextShuffled(state, 4, fixed), 3);
    EXPECT_EQ(state.shuffleOrder, (std::vector<std::string>{"1", "2", "3"}));
}

TEST(ListOrder, AResetOrAListOfAnotherLengthStartsANewCycle) {
    auto fixed = [] { return 0; };
    ListPlayState state;
    nextShuffled(state, 4, fixed);
    state.reset();
    EXPECT_EQ(state.ListRow, 0);
    EXPECT_EQ(nextShuffled(state, 4, fixed), 3);
    EXPECT_EQ(state.shufflePosition, 2);
    // The list lost an entry since the order was drawn: no row 3 may come out.
    EXPECT_EQ(nextShuffled(state, 3, fixed), 2);
    EXPECT_EQ(state.shuffleOrder.size(), 2u);
}

} // namespace
} // namespace kelvaro
