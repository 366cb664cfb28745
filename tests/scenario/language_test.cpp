#include "compare.h"
#include "lexer.h"
#include "script.h"

#include <gtest/gtest.h>

namespace kelvaro::scenario {
namespace {

using W = std::vector<std::string>;

TEST(ScenarioLexer, SplitsWordsAndDecodesEscapesInQuotes) {
    EXPECT_EQ(splitWords("  click   ButtonStopAlarm\t"), (W{"click", "ButtonStopAlarm"}));
    EXPECT_EQ(splitWords(R"(write a.txt "x \"y\" \\ \n\r\t\x07\xc3\xa4")"),
              (W{"write", "a.txt", "x \"y\" \\ \n\r\t\x07\xc3\xa4"}));
    EXPECT_EQ(splitWords(R"(expect X.caption = "")"), (W{"expect", "X.caption", "=", ""}));
    // Unquoted words keep backslashes as they are.
    EXPECT_EQ(splitWords(R"(answer-file C:\dir\n)"), (W{"answer-file", "C:\\dir\\n"}));
    EXPECT_EQ(splitWords("start\r"), (W{"start"}));
}

TEST(ScenarioLexer, RejectsBrokenQuotes) {
    EXPECT_THROW(splitWords(R"(write a "open)"), LexError);
    EXPECT_THROW(splitWords(R"(write a "\q")"), LexError);
    EXPECT_THROW(splitWords(R"(write a "\x4")"), LexError);
    EXPECT_THROW(splitWords(R"(write a "x"y)"), LexError);
}

TEST(ScenarioLexer, CommentsAndQuotingForReports) {
    EXPECT_TRUE(isIgnorable("   # note"));
    EXPECT_TRUE(isIgnorable(" \t\r"));
    EXPECT_FALSE(isIgnorable("tick # not a comment here"));
    EXPECT_EQ(quoteText("a\"b\\\n\x01"), R"("a\"b\\\n\x01")");
    EXPECT_EQ(utf8Characters("a\xc3\xa4z"), (W{"a", "\xc3\xa4", "z"}));
}

TEST(ScenarioValues, EachKindComparesByItsOwnRules) {
    EXPECT_TRUE(valuesMatch(ValueKind::Boolean, "true", "1"));
    EXPECT_TRUE(valuesMatch(ValueKind::Boolean, "0", "false"));
    EXPECT_FALSE(valuesMatch(ValueKind::Boolean, "true", "false"));
    EXPECT_TRUE(valuesMatch(ValueKind::Colour, "0x000080", "128"));
    EXPECT_FALSE(valuesMatch(ValueKind::Colour, "0x800000", "128"));
    EXPECT_TRUE(valuesMatch(ValueKind::Number, "7", "7.0"));
    // Text is exact: a missing leading zero is a real difference on a clock.
    EXPECT_FALSE(valuesMatch(ValueKind::Text, "7", "07"));
    EXPECT_TRUE(valuesMatch(ValueKind::Loose, "5.3", "5.30"));
    EXPECT_TRUE(valuesMatch(ValueKind::Loose, "true", "1"));
    EXPECT_FALSE(valuesMatch(ValueKind::Loose, "true", "2"));
    EXPECT_FALSE(valuesMatch(ValueKind::Loose, "abc", "ABC"));
    EXPECT_TRUE(valuesMatch(ValueKind::Stored, "true", "1"));
    EXPECT_FALSE(valuesMatch(ValueKind::Stored, "7", "07"));
}

TEST(ScenarioValues, NumbersMustBeWholeNumbers) {
    EXPECT_EQ(parseNumber("-12.5"), -12.5);
    EXPECT_EQ(parseNumber("0xFF"), 255.0);
    for (const char* bad : {"", "-", "1e3", " 1", "1 ", "0x", "inf", "1.2.3", "0xG"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
}

TEST(ScenarioScript, SplitsScenariosAndKeepsLineNumbers) {
    auto scenarios =
        parseScript("# head\n\nscenario  first one  \nstart\n  tick 5m\nscenario second\n", "f.scn");
    ASSERT_EQ(scenarios.size(), 2u);
    EXPECT_EQ(scenarios[0].name, "first one");
    ASSERT_EQ(scenarios[0].commands.size(), 2u);
    EXPECT_EQ(scenarios[0].commands[1].line, 5);
    EXPECT_EQ(scenarios[0].commands[1].args, (W{"5m"}));
    EXPECT_TRUE(scenarios[1].commands.empty());
}

TEST(ScenarioScript, JoinsCellReferencesWithBlanks) {
    auto scenarios = parseScript("scenario s\nexpect MgridCities[1, 2] = Paris\n", "f.scn");
    EXPECT_EQ(scenarios[0].commands[0].args, (W{"MgridCities[1,2]", "=", "Paris"}));
}

TEST(ScenarioScript, ReportsTheLineOfEverySyntaxError) {
    const char* bad[] = {
        "start",                  // before any scenario
        "scenario s\nfrobnicate", // unknown command
        "scenario s\ntick 5s",    // bad count
        "scenario s\nnow 2024-02-30 07:00:00",
        "scenario s\nutc-offset 2:00",
        "scenario s\nanswer Maybe",
        "scenario s\nkey Home",
        "scenario s\nclick X sideways",
        "scenario s\nexpect X.colour = 1", // unknown property
        "scenario s\nexpect X.checked = yes",
        "scenario s\nexpect X.color = red",
        "scenario s\nexpect shown popup \"x\"",
        "scenario s\nexpect ini Key",
        "scenario s\nexpect file a.txt has x",
        "scenario s\nplayer stop",
        "scenario s\ncd tracks many",
        "scenario s\nmixer set loud 5",     // no such line
        "scenario s\nmixer set wave 65536", // beyond the mixer's scale
        "scenario s\nmixer set wave 5 quiet",
        "scenario s\nsettle now",
        "scenario s\nwrite a \"unterminated",
        "scenario s\nanswer-font Tahoma",            // no size
        "scenario s\nanswer-font Tahoma,8,heavy",    // no such style
        "scenario s\nanswer-font apply Tahoma,8",    // applied, then neither OK nor Cancel
        "scenario s\nanswer-font cancel Tahoma,8",   // the answer ends the line
        "scenario s\ndrag PanelKV 10",               // no end
        "scenario s\ndrag PanelKV 10 20 ctrl+super", // no such key
    };
    for (const char* text : bad) {
        try {
            parseScript(text, "bad.scn");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ParseError& e) {
            EXPECT_EQ(e.file, "bad.scn");
            EXPECT_EQ(e.line, std::string(text).find('\n') == std::string::npos ? 1 : 2) << text;
        }
    }
}

TEST(ScenarioScript, ReadsTimesOffsetsAndCounts) {
    // 2002-01-01 is day 37257; 07:05:00.250 is 25,500,250 ms into it.
    EXPECT_EQ(parseNow("2002-01-01", "07:05:00.250"), 37257LL * 86'400'000 + 25'500'250);
    EXPECT_FALSE(parseNow("2002-01-01", "24:00:00").has_value());
    EXPECT_EQ(parseUtcOffset("-05:30"), -330);
    EXPECT_EQ(parseTickCount("2h"), 7200);
    EXPECT_EQ(splitCell("G[3,0]")->row, 3);
    EXPECT_FALSE(splitCell("G[3]").has_value());
    EXPECT_EQ(splitProperty("Speaker.last")->property, "last");
}

TEST(ScenarioScript, ReadsFontAnswers) {
    const auto answer =
        parseFontAnswer({"apply", "Serif,20", "apply", "Sans,9,italic", "DejaVu Serif,14,bold,underline"});
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->applied.size(), 2u);
    EXPECT_EQ(answer->applied[1].name, "Sans");
    EXPECT_TRUE(answer->applied[1].italic);
    ASSERT_TRUE(answer->chosen);
    EXPECT_EQ(*answer->chosen, (FontChoice{"DejaVu Serif", 14, true, false, true, 0}));
    EXPECT_FALSE(parseFontAnswer({"cancel"})->chosen);
    EXPECT_FALSE(parseFontChoice("Serif,0"));
}

} // namespace
} // namespace kelvaro::scenario
