#include "game/level_loader.h"

#include <sys/stat.h>

#include "game/switches.h"
#include "game/tiles.h"
#include "tests/game/world_fixture.h"

class LevelLoader : public WorldTest {
protected:
    std::string LoadError(const std::string& bytes)
    {
        const std::string path = folder.File("bad.lev");
        WriteFileBytes(path, bytes);
        try {
            Map::Load(path);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "";
    }

    std::vector<std::string> Kinds()
    {
        std::vector<std::string> kinds;
        for (const GameObject& object : LevelObjects)
            kinds.push_back(KindTag(object->Kind));
        return kinds;
    }
};

TEST_F(LevelLoader, CreatesLayerByLayerColumnByColumnThePlayerLast)
{
    // Column 1 holds a coin above a box; column 2 a gate above a button, each on a floor.
    Load({"  $A@", "  x1"});
    EXPECT_EQ(Kinds(), (std::vector<std::string>{"FLOORY", "FLOORY", "FLOORY", "FLOORY", "FLOORY",
                                                 "COLORGATE", "BUTTYS", "COIN", "BOXY", "PLAYER"}));
    const std::vector<std::pair<int, int>> cells = {{2, 0}, {2, 1}, {3, 0}, {3, 1}, {4, 0}};
    int i = 0;
    for (const GameObject& object : LevelObjects) {
        if (i < 5) {
            EXPECT_EQ(object->X, CellX(cells[i].first)) << i;
            EXPECT_EQ(object->Y, CellY(cells[i].second)) << i;
        }
        ++i;
    }
    EXPECT_TRUE(PlayerAt(4, 0));
    EXPECT_EQ(LevelTitle, "Test level");
}

TEST_F(LevelLoader, TurnsEveryCodeIntoItsObject)
{
    Load({"%&;,B C", "DE"}, {"D = switch:12 item:6", "E = wall:2 static:2 boulder"});
    EXPECT_EQ(At<TWally>(0, 0, ObjectKind::Wally)->Variant, 1);
    EXPECT_EQ(At<TWally>(1, 0, ObjectKind::Wally)->Variant, 2);
    EXPECT_EQ(At<TFloory>(2, 0, ObjectKind::Floory)->Variant, 2);
    EXPECT_EQ(At<TFloory>(3, 0, ObjectKind::Floory)->Variant, 1);
    EXPECT_EQ(At<TColorGate>(4, 0, ObjectKind::ColorGate)->ColorIndex, 1);
    EXPECT_EQ(At<TColorGate>(6, 0, ObjectKind::ColorGate)->ColorIndex, 2);
    EXPECT_EQ(At<TButty_Static>(1, 1, ObjectKind::ButtyStatic)->ColorIndex, 2);
    EXPECT_TRUE(At(1, 1, ObjectKind::Boulder));
    // Codes 12 and 6 make nothing; nor does an empty cell.
    int atCell = 0;
    for (const GameObject& object : LevelObjects)
        atCell += object->X == CellX(0) && object->Y == CellY(1) ? 1 : 0;
    EXPECT_EQ(atCell, 0);
    EXPECT_EQ(LevelObjects.Count(), 7 + 3 + 1 + 1);
}

TEST_F(LevelLoader, TheLastStartCellInFileOrderWinsAndNoneLeavesThePlayerAsReset)
{
    Load({".....@", "", "", "..@"});
    EXPECT_TRUE(PlayerAt(5, 0));
    Load({"..."});
    EXPECT_EQ(Player->X, 0.0f);
    EXPECT_EQ(Player->Y, 0.0f);
    EXPECT_EQ(Player->Kind, ObjectKind::Player);
}

TEST_F(LevelLoader, ReadsTitleAndCountsFromTheHeader)
{
    std::string bytes = LevelBytes({"@"}, {}, "Hi");
    bytes[4 + 8] = 3;
    bytes[4 + 8 + 1] = 7;
    EXPECT_EQ(LoadError(bytes), "");
    EXPECT_EQ(LevelTitle, "Hi");
    EXPECT_EQ(KeysInLevel, 3);
    EXPECT_EQ(CoinsInLevel, 7);
    // An empty title: the counts right after the length.
    bytes = LevelBytes({"@"}, {}, "");
    ASSERT_EQ(bytes.size(), 1110u);
    bytes[4] = 2;
    EXPECT_EQ(LoadError(bytes), "");
    EXPECT_EQ(KeysInLevel, 2);
}

TEST_F(LevelLoader, LoadingTwiceGivesTheSameListWithoutRunningHooks)
{
    Load({"#@$k*"});
    const std::vector<std::string> first = Kinds();
    Hold({KeyRight});
    Run(1);
    ASSERT_EQ(CoinsTaken, 1);
    Load({"#@$k*"});
    EXPECT_EQ(Kinds(), first);
    EXPECT_EQ(CoinsTaken, 0);
}

TEST_F(LevelLoader, AReadOnlyFileLoads)
{
    const std::string path = folder.File("locked.lev");
    WriteLevel(path, {"#@#"});
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    Map::Load(path);
    EXPECT_TRUE(PlayerAt(1, 0));
}

TEST_F(LevelLoader, DamagedFilesAreRefusedNamingTheFileAndTheFault)
{
    const std::string path = folder.File("bad.lev");
    const std::string good = LevelBytes({"#@"}, {}, "Hi");

    EXPECT_EQ(LoadError(good.substr(0, good.size() - 1)),
              "Level file " + path + " is truncated: it holds 1117 bytes where 1118 are needed"
                                     " (1110 and 4 for each of its 2 title characters)");
    EXPECT_EQ(LoadError(""), "Level file " + path + " is truncated: it holds 0 bytes where 1110 are needed");

    // The largest title length must be refused before anything is read or allocated.
    std::string huge = good;
    huge[0] = '\xff';
    huge[1] = '\xff';
    huge[2] = '\xff';
    huge[3] = '\x7f';
    EXPECT_EQ(LoadError(huge), "Level file " + path +
                                   " is truncated: it holds 1118 bytes where 8589935698 are needed"
                                   " (1110 and 4 for each of its 2147483647 title characters)");

    std::string wall = good;
    wall[4 + 8 + 2 + 16 * 3 + 5] = 7;
    EXPECT_EQ(LoadError(wall), "Level file " + path + " has the unknown ground code 7 at column 3, row 5");
    EXPECT_EQ(LevelObjects.Count(), 0);
}

TEST_F(LevelLoader, AMissingFileKeepsTheGamesMessage)
{
    try {
        Map::Load("Levels/99.lev");
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Failed to open map file from: Levels/99.lev");
    }
}
