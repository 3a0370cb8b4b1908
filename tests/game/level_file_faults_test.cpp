// Level files cut to every length, from nothing to past their end: a file too short for its
// title and layers is refused with a message naming it, before any object is made; a file
// long enough loads, whatever follows its layers.
#include "game/level_loader.h"

#include "tests/game/world_fixture.h"

namespace {

class LevelFileLengths : public WorldTest {};

}  // namespace

TEST_F(LevelFileLengths, EveryLengthFromNothingTo1200Bytes)
{
    // A title of ten characters makes the level 1150 bytes long; 50 more follow it.
    const std::string whole = LevelBytes({"#@k$*#"}, {}, "Ten chars!") + std::string(50, '\x07');
    ASSERT_EQ(whole.size(), 1200u);
    const std::string path = folder.File("cut.lev");
    const std::string refusal = "Level file " + path + " is truncated: it holds ";
    for (size_t length = 0; length <= whole.size(); ++length) {
        WriteFileBytes(path, whole.substr(0, length));
        std::string error;
        try {
            Player->Reset();
            Map::Load(path);
        } catch (const std::runtime_error& fatal) {
            error = fatal.what();
        }
        if (length < 1150) {
            EXPECT_EQ(error.substr(0, refusal.size()), refusal) << length << " bytes";
            EXPECT_EQ(LevelObjects.Count(), 0) << length << " bytes";
        } else {
            EXPECT_EQ(error, "") << length << " bytes";
            EXPECT_EQ(LevelTitle, "Ten chars!");
            // Two walls, four floors, the key, the coin, the goal and the player.
            EXPECT_EQ(LevelObjects.Count(), 10) << length << " bytes";
        }
        TGameObject::ClearAll();
    }
}
