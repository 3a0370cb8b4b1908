// The records and par of the player's own levels in "MyRecords.dat": kept per level by the
// fingerprint of its bytes, never mixed up between levels or with an older version of one,
// and read safely from a file the player may have edited or damaged.
#include <gtest/gtest.h>

#include "framework/settings.h"
#include "frontend/own_records.h"
#include "tests/support/temp_dir.h"

namespace {

// The player's saves in a folder of the test's own.
class OwnRecords : public ::testing::Test {
protected:
    void SetUp() override { KeepSettingsFilesIn(saves.Path(), {SettingsIniFile}); }
    void TearDown() override { KeepSettingsFilesIn("", {}); }

    static LevelData Level(const std::string& title, int coinColumn)
    {
        LevelData level;
        level.title = title;
        level.At(1, 1).switches = SwitchStartCode;
        level.At(coinColumn, 1).item = ItemCoin;
        return level;
    }

    TempDir saves;
};

TEST_F(OwnRecords, LiveBesideTheSettingsAndStartEmpty)
{
    EXPECT_EQ(OwnRecordsPath(), saves.File(OwnRecordsFile));
    const OwnLevelFacts facts = ReadOwnLevelFacts(Level("A", 3));
    EXPECT_EQ(facts.parState, OwnParState::Unknown);
    EXPECT_TRUE(facts.steps.empty());
}

TEST_F(OwnRecords, FingerprintsTellLevelsApartByEveryByte)
{
    const LevelData level = Level("A", 3);
    EXPECT_EQ(LevelFingerprintText(level), LevelFingerprintText(Level("A", 3)));
    EXPECT_EQ(LevelFingerprintText(level).size(), 16u);
    EXPECT_NE(LevelFingerprintText(level), LevelFingerprintText(Level("A", 4)));
    EXPECT_NE(LevelFingerprintText(level), LevelFingerprintText(Level("B", 3)));
}

TEST_F(OwnRecords, ParAndRecordComeBackForTheirLevelOnly)
{
    const LevelData level = Level("A", 3), changed = Level("A", 4);
    StoreOwnPar(level, OwnParState::Proven, 12);
    StoreOwnRecord(level, "anna", "DDSSA", "3 20 40 60 80");
    StoreOwnPar(changed, OwnParState::NoWayWithEveryCoin, 0);

    const OwnLevelFacts facts = ReadOwnLevelFacts(level);
    EXPECT_EQ(facts.parState, OwnParState::Proven);
    EXPECT_EQ(facts.par, 12);
    EXPECT_EQ(facts.holder, "ANNA");
    EXPECT_EQ(facts.steps, "ddssa");
    EXPECT_EQ(facts.frames, "3 20 40 60 80");
    const OwnLevelFacts other = ReadOwnLevelFacts(changed);
    EXPECT_EQ(other.parState, OwnParState::NoWayWithEveryCoin);
    EXPECT_TRUE(other.steps.empty());
}

TEST_F(OwnRecords, AForgottenLevelHasNothingLeft)
{
    const LevelData level = Level("A", 3);
    StoreOwnPar(level, OwnParState::TooHard, 0);
    StoreOwnRecord(level, "", "dd", "");
    EXPECT_EQ(ReadOwnLevelFacts(level).parState, OwnParState::TooHard);
    EXPECT_EQ(ReadOwnLevelFacts(level).steps, "dd");
    ForgetOwnLevel(level);
    EXPECT_EQ(ReadOwnLevelFacts(level).parState, OwnParState::Unknown);
    EXPECT_TRUE(ReadOwnLevelFacts(level).steps.empty());
}

TEST_F(OwnRecords, ValuesTheGameNeverWritesCountAsMissing)
{
    EXPECT_EQ(ParFromText("17").parState, OwnParState::Proven);
    for (const char* value : {"", "-3", "12x", "123456", "hardly", "none "})
        EXPECT_EQ(ParFromText(value).parState, OwnParState::Unknown) << value;

    const LevelData level = Level("A", 3);
    const std::string key = LevelFingerprintText(level);
    WriteFileBytes(OwnRecordsPath(), key + ".par = lots\r\n" + key + ".player = eve\r\n" + key +
                                         ".score = dd!x\r\n");
    OwnLevelFacts facts = ReadOwnLevelFacts(level);
    EXPECT_EQ(facts.parState, OwnParState::Unknown);
    EXPECT_TRUE(facts.steps.empty());

    // Frames that do not fit the steps are dropped; the steps stay a record.
    WriteFileBytes(OwnRecordsPath(), key + ".player = eve\r\n" + key + ".score = dds\r\n" + key +
                                         ".frames = 9 5\r\n");
    facts = ReadOwnLevelFacts(level);
    EXPECT_EQ(facts.steps, "dds");
    EXPECT_TRUE(facts.frames.empty());
}

}  // namespace
