#include "game/level_format.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A level whose cells carry every code each layer can hold: the ground codes the format
// defines, and all 256 switch and item codes, known or not.
LevelData EveryCode()
{
    LevelData level;
    level.title = "Every code";
    level.keys = 255;
    level.coins = 7;
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        level.cells[cell] = {static_cast<uint8_t>(cell % 7), static_cast<uint8_t>(cell % 256),
                             static_cast<uint8_t>((cell + 100) % 256)};
    }
    return level;
}

void SetInt32(std::string& bytes, std::size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

LevelFault Decoded(const std::string& bytes)
{
    LevelData level;
    return DecodeLevel(bytes, level);
}

}  // namespace

TEST(LevelCodes, GroundCodesAreNothingThreeFloorsAndThreeWalls)
{
    EXPECT_EQ(GroundOf(0), (GroundPart{GroundKind::None, 0}));
    for (int variant = 0; variant < 3; ++variant) {
        EXPECT_EQ(GroundOf(static_cast<uint8_t>(1 + variant)), (GroundPart{GroundKind::Floor, variant}));
        EXPECT_EQ(GroundOf(static_cast<uint8_t>(4 + variant)), (GroundPart{GroundKind::Wall, variant}));
    }
    for (int code = 7; code <= 255; ++code)
        EXPECT_EQ(GroundOf(static_cast<uint8_t>(code)).kind, GroundKind::Unknown) << code;
}

TEST(LevelCodes, SwitchCodesRunStaticActiveGateForEachColour)
{
    EXPECT_EQ(SwitchOf(0).kind, SwitchKind::None);
    EXPECT_EQ(SwitchOf(1).kind, SwitchKind::Goal);
    const SwitchKind order[3] = {SwitchKind::Static, SwitchKind::Active, SwitchKind::Gate};
    for (int color = 0; color < 3; ++color) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(SwitchOf(static_cast<uint8_t>(2 + 3 * color + i)), (SwitchPart{order[i], color}));
    }
    EXPECT_EQ(SwitchOf(11).kind, SwitchKind::Start);
    for (int code = 12; code <= 255; ++code)
        EXPECT_EQ(SwitchOf(static_cast<uint8_t>(code)).kind, SwitchKind::Unknown) << code;
}

TEST(LevelCodes, ItemCodesAreTheFiveItems)
{
    const ItemKind items[] = {ItemKind::None, ItemKind::Woody, ItemKind::Boxy, ItemKind::Boulder,
                              ItemKind::Key, ItemKind::Coin};
    for (int code = 0; code < 6; ++code)
        EXPECT_EQ(ItemOf(static_cast<uint8_t>(code)), items[code]) << code;
    for (int code = 6; code <= 255; ++code)
        EXPECT_EQ(ItemOf(static_cast<uint8_t>(code)), ItemKind::Unknown) << code;
}

TEST(LevelCodes, EveryKnownCodeIsThePartItStandsFor)
{
    for (int code = 0; code <= 255; ++code) {
        const auto byte = static_cast<uint8_t>(code);
        if (GroundOf(byte).kind != GroundKind::Unknown) {
            EXPECT_EQ(GroundCodeOf(GroundOf(byte)), code);
        }
        if (SwitchOf(byte).kind != SwitchKind::Unknown) {
            EXPECT_EQ(SwitchCodeOf(SwitchOf(byte)), code);
        }
        if (ItemOf(byte) != ItemKind::Unknown) {
            EXPECT_EQ(ItemCodeOf(ItemOf(byte)), code);
        }
    }
    // A part the format has no code for.
    EXPECT_EQ(GroundCodeOf({GroundKind::Floor, 3}), -1);
    EXPECT_EQ(SwitchCodeOf({SwitchKind::Goal, 1}), -1);
    EXPECT_EQ(ItemCodeOf(ItemKind::Unknown), -1);
}

TEST(LevelLayout, FieldsFollowTheTitleAndTheLayersEachOther)
{
    const LevelLayout empty = LevelLayoutOf(0);
    EXPECT_EQ(empty.title, 4);
    EXPECT_EQ(empty.keys, 4);
    EXPECT_EQ(empty.coins, 5);
    EXPECT_EQ(empty.layers, (std::array<int64_t, 3>{6, 374, 742}));
    EXPECT_EQ(empty.end, 1110);
    EXPECT_EQ(LevelFileBaseSize, 1110);
    EXPECT_EQ(LevelLayoutOf(3).keys, 16);
    EXPECT_EQ(LevelLayoutOf(3).end, 1122);
    // No title characters follow a negative length.
    EXPECT_EQ(LevelLayoutOf(-5).end, 1110);
    EXPECT_EQ(LevelLayoutOf(INT_MAX).end, 8589935698);
}

TEST(LevelLayout, CellsAreNumberedColumnByColumn)
{
    EXPECT_EQ(CellOf(0, 15), 15);
    EXPECT_EQ(CellOf(1, 0), 16);
    EXPECT_EQ(CellOf(22, 15), LevelCellCount - 1);
    EXPECT_EQ(CellName(CellOf(3, 5)), "column 3, row 5");
}

TEST(LevelLayout, LevelFilesLiveInTheLevelsFolder)
{
    EXPECT_EQ(LevelFilePath(0), "Levels/0.lev");
    EXPECT_EQ(LevelFilePath(3), "Levels/3.lev");
    EXPECT_EQ(LevelFilePath(12), "Levels/12.lev");
}

TEST(LevelEncoding, EveryCodeSurvivesTheRoundTrip)
{
    const LevelData level = EveryCode();
    const std::string bytes = EncodeLevel(level);
    ASSERT_EQ(bytes.size(), 1110u + 4 * level.title.size());
    LevelData decoded;
    ASSERT_EQ(DecodeLevel(bytes, decoded).kind, LevelFaultKind::None);
    EXPECT_EQ(decoded.title, level.title);
    EXPECT_EQ(decoded.keys, level.keys);
    EXPECT_EQ(decoded.coins, level.coins);
    EXPECT_TRUE(decoded.cells == level.cells);
}

TEST(LevelEncoding, BytesStandWhereTheLayoutSays)
{
    LevelData level;
    level.title = "Hi\xe9";
    level.keys = 3;
    level.coins = 200;
    level.At(2, 5) = {5, 9, 4};
    const std::string bytes = EncodeLevel(level);
    const LevelLayout layout = LevelLayoutOf(3);
    EXPECT_EQ(bytes.substr(0, 4 + 12), std::string("\x03\0\0\0H\0\0\0i\0\0\0\xe9\0\0\0", 16));
    EXPECT_EQ(bytes[layout.keys], 3);
    EXPECT_EQ(static_cast<uint8_t>(bytes[layout.coins]), 200);
    const int cell = CellOf(2, 5);
    EXPECT_EQ(bytes[layout.layers[0] + cell], 5);
    EXPECT_EQ(bytes[layout.layers[1] + cell], 9);
    EXPECT_EQ(bytes[layout.layers[2] + cell], 4);
}

TEST(LevelDecoding, TitleCharactersBeyondEightBitsBecomeQuestionMarks)
{
    LevelData level;
    level.title = "abc";
    std::string bytes = EncodeLevel(level);
    SetInt32(bytes, 4, 0x263a);
    SetInt32(bytes, 12, 0xffffffff);
    LevelData decoded;
    ASSERT_EQ(DecodeLevel(bytes, decoded).kind, LevelFaultKind::None);
    EXPECT_EQ(decoded.title, "?b?");
}

TEST(LevelDecoding, ANegativeTitleLengthMeansNoTitle)
{
    std::string bytes = EncodeLevel(EveryCode());
    bytes.erase(4, 4 * 10);
    SetInt32(bytes, 0, static_cast<uint32_t>(-3));
    LevelData decoded;
    ASSERT_EQ(DecodeLevel(bytes, decoded).kind, LevelFaultKind::None);
    EXPECT_EQ(decoded.title, "");
    EXPECT_EQ(decoded.keys, 255);
    EXPECT_TRUE(decoded.cells == EveryCode().cells);
}

TEST(LevelDecoding, WhatFollowsTheItemLayerIsIgnored)
{
    const std::string bytes = EncodeLevel(EveryCode());
    LevelData decoded;
    ASSERT_EQ(DecodeLevel(bytes + std::string(300, '\x7f'), decoded).kind, LevelFaultKind::None);
    EXPECT_EQ(EncodeLevel(decoded), bytes);
}

TEST(LevelDecoding, EveryShortLengthIsTruncatedAndNamesWhatIsNeeded)
{
    const std::string whole = EncodeLevel(EveryCode());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        LevelData untouched;
        untouched.title = "kept";
        const LevelFault fault = DecodeLevel(whole.substr(0, length), untouched);
        EXPECT_EQ(fault.kind, LevelFaultKind::Truncated) << length;
        EXPECT_EQ(fault.size, static_cast<int64_t>(length));
        // Fewer than four bytes give no title length.
        EXPECT_EQ(fault.titleLength, length < 4 ? 0 : 10) << length;
        EXPECT_EQ(fault.needed, length < 4 ? 1110 : 1150) << length;
        EXPECT_EQ(untouched.title, "kept");
    }
}

TEST(LevelDecoding, TheLargestTitleLengthIsRefusedByItsSize)
{
    std::string bytes = EncodeLevel(LevelData{});
    SetInt32(bytes, 0, 0x7fffffff);
    const LevelFault fault = Decoded(bytes);
    EXPECT_EQ(fault.kind, LevelFaultKind::Truncated);
    EXPECT_EQ(fault.titleLength, INT_MAX);
    EXPECT_EQ(fault.needed, 8589935698);
}

TEST(LevelDecoding, TheFirstUnknownGroundCodeInFileOrderIsRefused)
{
    LevelData level = EveryCode();
    level.At(4, 2).ground = 7;
    level.At(3, 9).ground = 255;
    LevelData untouched;
    const LevelFault fault = DecodeLevel(EncodeLevel(level), untouched);
    EXPECT_EQ(fault.kind, LevelFaultKind::UnknownGround);
    EXPECT_EQ(fault.cell, CellOf(3, 9));
    EXPECT_EQ(fault.code, 255);
    EXPECT_EQ(untouched.title, "");
    // Unknown switch and item codes are kept as they are: the loader makes nothing of them.
    level.At(4, 2).ground = 6;
    level.At(3, 9).ground = 0;
    level.At(0, 0) = {0, 12, 6};
    LevelData decoded;
    ASSERT_EQ(DecodeLevel(EncodeLevel(level), decoded).kind, LevelFaultKind::None);
    EXPECT_EQ(decoded.At(0, 0), (LevelCell{0, 12, 6}));
}
