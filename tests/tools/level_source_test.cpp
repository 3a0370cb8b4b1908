#include "tools/levelc/level_source.h"

#include <gtest/gtest.h>

#include "game/level_loader.h"
#include "tests/support/level_builder.h"

namespace {

std::string ParseError(const std::string& text)
{
    LevelData level;
    return ParseLevelText(text, "lab.txt", level);
}

}  // namespace

TEST(LevelSource, BuiltInSymbolsStandForTheirCells)
{
    LevelData level;
    ASSERT_EQ(ParseLevelText(LevelSource({" .,;#%&@*k$wxo", "ABCabc123"}, {}, "Ten"), "x", level), "");
    const LevelCell expected[] = {
        {0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}, {6, 0, 0},
        {1, 11, 0}, {1, 1, 0}, {1, 0, 4}, {1, 0, 5}, {1, 0, 1}, {1, 0, 2}, {1, 0, 3}};
    for (int column = 0; column < 14; ++column)
        EXPECT_EQ(level.At(column, 0), expected[column]) << column;
    const uint8_t switches[] = {4, 7, 10, 3, 6, 9, 2, 5, 8};
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(level.At(column, 1), (LevelCell{1, switches[column], 0})) << column;
    EXPECT_EQ(level.title, "Ten");
    EXPECT_EQ(level.keys, 1);
    EXPECT_EQ(level.coins, 1);
    // A short row ends in empty cells.
    EXPECT_EQ(level.At(22, 0), LevelCell{});
}

TEST(LevelSource, TheLegendPutsAnythingInOneCell)
{
    LevelData level;
    ASSERT_EQ(ParseLevelText(LevelSource({"DEFG"}, {"D = active:1 box", "E = floor:2 static:0 coin",
                                                    "F = wall:1  switch:200 item:9", "G ="}),
                             "x", level),
              "");
    EXPECT_EQ(level.At(0, 0), (LevelCell{0, 6, 2}));
    EXPECT_EQ(level.At(1, 0), (LevelCell{3, 2, 5}));
    EXPECT_EQ(level.At(2, 0), (LevelCell{5, 200, 9}));
    EXPECT_EQ(level.At(3, 0), LevelCell{});
    EXPECT_EQ(level.coins, 1);
}

TEST(LevelSource, ErrorsNameFileLineAndColumn)
{
    EXPECT_EQ(ParseError("name: x\n"), "lab.txt:1:1: the first line is \"title: \" and the level's title");
    EXPECT_EQ(ParseError("title: x\n#\n"), "lab.txt:3:1: the field needs 16 rows, the file ends after 1");
    EXPECT_EQ(ParseError(LevelSource({"", "..Q"})),
              "lab.txt:3:3: unknown symbol 'Q' (neither built in nor in the legend)");
    EXPECT_EQ(ParseError(LevelSource({std::string(24, '.')})), "lab.txt:2:24: a row holds 23 cells");
    EXPECT_EQ(ParseError(LevelSource({}, {"D = floor box wall"})),
              "lab.txt:18:15: a second part for the same layer: 'wall'");
    EXPECT_EQ(ParseError(LevelSource({}, {"", "D = gate:3"})),
              "lab.txt:19:5: 'gate:3' needs 0, 1 or 2 after the colon");
    EXPECT_EQ(ParseError(LevelSource({}, {"D = coin:1"})), "lab.txt:18:5: 'coin' takes no number");
    EXPECT_EQ(ParseError(LevelSource({}, {"D = item"})), "lab.txt:18:5: 'item' needs a code, as in item:12");
    EXPECT_EQ(ParseError(LevelSource({}, {"D = lava"})), "lab.txt:18:5: unknown part 'lava'");
    EXPECT_EQ(ParseError(LevelSource({}, {"# = box"})), "lab.txt:18:1: '#' is a built-in symbol");
    EXPECT_EQ(ParseError(LevelSource({}, {"D = box", "D = coin"})), "lab.txt:19:1: 'D' is already in the legend");
    EXPECT_EQ(ParseError(LevelSource({}, {"D: box"})), "lab.txt:18:1: a legend line reads \"S = PART PART ...\"");
}

TEST(LevelSource, KeysAndCoinsAreCountedAndMustFitInAByte)
{
    std::vector<std::string> rows(12, std::string(23, '$'));
    EXPECT_EQ(ParseError(LevelSource(rows)), "lab.txt:13:3: more than 255 keys or coins of one kind; a level file counts them in a byte");
    rows.resize(11);
    LevelData level;
    ASSERT_EQ(ParseLevelText(LevelSource(rows), "x", level), "");
    EXPECT_EQ(level.coins, 253);
}

TEST(LevelSource, TextAndFilesSurviveTheRoundTrip)
{
    LevelData level;
    const std::string source = LevelSource({"#######", "#@.k*D#", "#wxo$E%"},
                                           {"D = floor:1 active:2 boulder", "E = switch:99"}, "Two words");
    ASSERT_EQ(ParseLevelText(source, "x", level), "");
    LevelData decoded;
    ASSERT_EQ(DecodeLevel(EncodeLevel(level), "x.lev", decoded), "");
    std::string text;
    ASSERT_EQ(FormatLevelText(decoded, text), "");
    EXPECT_EQ(text, source);
}

TEST(LevelSource, TheWriterInventsLegendSymbolsForOtherCells)
{
    LevelData level;
    level.title = "Odd";
    level.At(0, 0) = {0, 3, 5};
    level.At(1, 0) = {0, 3, 5};
    level.At(2, 0) = {6, 12, 7};
    std::string text;
    ASSERT_EQ(FormatLevelText(level, text), "");
    EXPECT_EQ(text.substr(0, text.find('\n', 11) + 1), "title: Odd\nDDE\n");
    EXPECT_NE(text.find("\nD = active coin\nE = wall:2 switch:12 item:7\n"), std::string::npos);
    level.title = "two\nlines";
    EXPECT_EQ(FormatLevelText(level, text), "the title holds a line break, which a title line cannot");
}

TEST(LevelSource, FileLayoutMatchesTheGame)
{
    const std::string bytes = LevelBytes({"", "@"}, {}, "");
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(LevelFileBaseSize));
    // Column 0, row 1: ground byte 1 and switch byte 1 of their layers.
    EXPECT_EQ(bytes[6 + 1], GroundFloorCode);
    EXPECT_EQ(bytes[6 + 368 + 1], SwitchStartCode);
    LevelData level;
    EXPECT_EQ(DecodeLevel(bytes.substr(1), "a.lev", level), "a.lev: truncated: 1109 bytes, a level needs at least 1110");
    std::string wall = bytes;
    wall[6 + 17] = 9;
    EXPECT_EQ(DecodeLevel(wall, "a.lev", level), "a.lev: unknown ground code 9 at column 1, row 1");
}
