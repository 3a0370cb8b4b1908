#include "media/core/text.h"

#include <gtest/gtest.h>

TEST(TextToInt, ReadsSignsBasesAndStopsAtTheFirstOtherCharacter)
{
    EXPECT_EQ(TextToInt("640"), 640);
    EXPECT_EQ(TextToInt("  \t-17"), -17);
    EXPECT_EQ(TextToInt("+5"), 5);
    EXPECT_EQ(TextToInt("12abc"), 12);
    EXPECT_EQ(TextToInt("$ff"), 255);
    EXPECT_EQ(TextToInt("$Ff"), 255);
    EXPECT_EQ(TextToInt("-$10"), -16);
    EXPECT_EQ(TextToInt("%1011"), 11);
    EXPECT_EQ(TextToInt("%1021"), 2);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("-"), 0);
    EXPECT_EQ(TextToInt("$"), 0);
    EXPECT_EQ(TextToInt(" 1 2"), 1);
}

TEST(TextToInt, WrapsLikeA32BitIntegerInsteadOfOverflowing)
{
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(TextToInt("4294967296"), 0);
    EXPECT_EQ(TextToInt("4294967302"), 6);
    // 10^26 - 1 modulo 2^32 is 3825205247, which is negative as a 32-bit integer.
    EXPECT_EQ(TextToInt("99999999999999999999999999"), -469762049);
    EXPECT_EQ(TextToInt("-4294967295"), 1);
}

TEST(IntToText, WritesPlainDecimal)
{
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(IntToText(2147483647), "2147483647");
}

TEST(SubText, CountsFromOneAndClipsAtBothEnds)
{
    EXPECT_EQ(SubText("abcdef", 1, 3), "abc");
    EXPECT_EQ(SubText("abcdef", 4, -1), "def");
    EXPECT_EQ(SubText("abcdef", 4, 100), "def");
    EXPECT_EQ(SubText("abcdef", 7, 1), "");
    EXPECT_EQ(SubText("abcdef", 0, 3), "ab");
    EXPECT_EQ(SubText("abcdef", -1, 3), "a");
    EXPECT_EQ(SubText("abcdef", 2, 0), "");
    EXPECT_EQ(SubText("", 1, 1), "");
    // The replay driver's use: the letter after the last one is the empty text.
    EXPECT_EQ(SubText("WDS", 3, 1), "S");
    EXPECT_EQ(SubText("WDS", 4, 1), "");
}

TEST(LeadingText, TakesAtMostTheWholeText)
{
    EXPECT_EQ(LeadingText("abc", 2), "ab");
    EXPECT_EQ(LeadingText("abc", 5), "abc");
    EXPECT_EQ(LeadingText("abc", 0), "");
    EXPECT_EQ(LeadingText("abc", -1), "");
}

TEST(ReplaceAll, ScansLeftToRightWithoutOverlap)
{
    EXPECT_EQ(ReplaceAll("a = ba = c", "a = ", ""), "bc");
    EXPECT_EQ(ReplaceAll("a = b a = c", "a = ", ""), "b c");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("MUSIC ON", "ON", "OFF"), "MUSIC OFF");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("abc", "x", "y"), "abc");
    EXPECT_EQ(ReplaceAll("ab", "b", "bb"), "abb");
}

TEST(CaseConversion, TouchesOnlyTheAsciiLetters)
{
    const std::string finnish = "P\xe4\xe4valikko \xc4\xd6";  // "Päävalikko ÄÖ" in Latin-1
    EXPECT_EQ(UpperText(finnish), "P\xe4\xe4VALIKKO \xc4\xd6");
    EXPECT_EQ(LowerText(finnish), "p\xe4\xe4valikko \xc4\xd6");
    EXPECT_EQ(UpperText("abz09[`{"), "ABZ09[`{");
    EXPECT_EQ(LowerText("ABZ09[@"), "abz09[@");
}

TEST(CompareText, OrdersByteByByteWithPrefixesFirst)
{
    EXPECT_EQ(CompareText("abc", "abc"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_GT(CompareText("abc", "ab"), 0);
    EXPECT_LT(CompareText("a", "b"), 0);
    EXPECT_GT(CompareText("\xe4", "z"), 0);  // bytes compare unsigned
}

TEST(SmallHelpers, CharJoinAndTruncate)
{
    EXPECT_EQ(CharText(65), "A");
    EXPECT_EQ(CharText(0xe4), "\xe4");
    EXPECT_EQ(JoinText("Moves: ", "12"), "Moves: 12");
    EXPECT_EQ(TruncToInt(2.7), 2);
    EXPECT_EQ(TruncToInt(-2.7), -2);
    EXPECT_EQ(TruncToInt(1e300), 2147483647);
}
