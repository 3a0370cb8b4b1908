#include "game/timed_record.h"

#include <gtest/gtest.h>

#include "game/headless_world.h"
#include "game/step_frames.h"
#include "media/platform/input.h"
#include "tests/game/world_fields.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using Fields = std::vector<std::string>;

// The player steps onto the active button, which opens the gate beside the boulder, and
// pushes the boulder from there. Pushed at once, while the button's hold time runs, the
// boulder rolls through the open gate to the far wall; pushed after a wait on the button,
// the gate closes as the player steps off, and the boulder stays where it was.
const std::vector<std::string> HoldTimeLevel = {"########", "#@aoA..#", "########"};

float CellX(int column)
{
    return static_cast<float>(MapOffsetX + CellSize * column);
}

float CellY(int row)
{
    return static_cast<float>(MapOffsetY + CellSize * row);
}

std::vector<GameObject> ObjectsInList()
{
    std::vector<GameObject> objects;
    for (const GameObject& object : LevelObjects)
        objects.push_back(object);
    return objects;
}

// Where every object is, the player included, and whether it moves: what a replay frame
// for frame must show in every frame.
Fields ObjectPlaces()
{
    Fields places = {"player " + Exact(Player->X) + "," + Exact(Player->Y) + " " +
                     std::to_string(Player->Moving) + " frame " + std::to_string(PlayerFrame)};
    for (const GameObject& object : LevelObjects) {
        places.push_back(std::string(KindTag(object->Kind)) + " " + Exact(object->X) + "," + Exact(object->Y) + " " +
                         std::to_string(object->Moving));
    }
    return places;
}

struct PlayedRun {
    std::string letters;
    std::vector<int> frames;
    float x = 0;
    float y = 0;
    std::vector<Fields> places;  // at the end of each frame
};

class TimedRecords : public testing::Test {
protected:
    std::string Level(const std::vector<std::string>& rows, const std::string& name = "level.lev")
    {
        const std::string path = folder.File(name);
        WriteLevel(path, rows);
        return path;
    }

    // Right held for one frame, nothing for `wait` frames, then Right again; the frames run
    // on until everything has come to rest.
    static PlayedRun PlayWithAWait(const std::string& path, int wait)
    {
        HeadlessWorld world;
        GameState = StatePlay;
        world.Load(path);
        PlayedRun run;
        for (int frame = 1; frame <= wait + 40; ++frame) {
            world.PlayFrame(frame == 1 || frame == wait + 2 ? ArrowOf(DirRight) : NoArrows);
            run.places.push_back(ObjectPlaces());
        }
        run.letters = ReplayString;
        run.frames = StepFrames;
        run.x = Player->X;
        run.y = Player->Y;
        return run;
    }

    // The record replayed, frame for frame when `frames` are given, letter by letter when not.
    static std::vector<Fields> Replay(const std::string& path, const std::string& letters,
                                      const std::vector<int>& frames, int length)
    {
        HeadlessWorld world;
        GameState = StateReplay;
        Player->ReplayMoves = letters;
        Player->ReplayFrames = frames;
        world.Load(path);
        std::vector<Fields> places;
        for (int frame = 1; frame <= length; ++frame) {
            world.ReplayFrame(Player->NextReplayLetter());
            places.push_back(ObjectPlaces());
        }
        return places;
    }

    TempDir folder;
};

}  // namespace

TEST_F(TimedRecords, ARunWithAWaitReplaysFrameForFrameWhereTheLettersGoAstray)
{
    const std::string path = Level(HoldTimeLevel);
    const PlayedRun played = PlayWithAWait(path, 58);
    ASSERT_EQ(played.letters, "DD");
    ASSERT_EQ(played.frames, (std::vector<int>{1, 60}));
    EXPECT_TRUE(ReplaysAsPlayed(path, played.letters, played.frames, played.x, played.y));

    const std::vector<Fields> timed = Replay(path, played.letters, played.frames, static_cast<int>(played.places.size()));
    for (std::size_t frame = 0; frame < timed.size(); ++frame)
        ASSERT_EQ(timed[frame], played.places[frame]) << "frame " << frame + 1;

    // Handed over as soon as the player stands still, the second letter pushes the boulder
    // while the gate is open.
    const std::vector<Fields> lettered = Replay(path, played.letters, {}, static_cast<int>(played.places.size()));
    EXPECT_NE(lettered.back(), played.places.back());
}

TEST_F(TimedRecords, FramesThatDoNotGiveTheRunAreRefused)
{
    const std::string path = Level(HoldTimeLevel);
    const PlayedRun played = PlayWithAWait(path, 58);
    // The second push earlier: the boulder rolls through, and the replay still ends on the
    // player's cell, but the check looks at the frames each step was taken in.
    EXPECT_TRUE(ReplaysAsPlayed(path, "DD", {1, 17}, played.x, played.y)) << "another run, as played";
    EXPECT_FALSE(ReplaysAsPlayed(path, "DD", {1, 10}, played.x, played.y)) << "a step while the last still went on";
    EXPECT_FALSE(ReplaysAsPlayed(path, "DD", {1, 60}, played.x + CellSize, played.y)) << "another cell";
    EXPECT_FALSE(ReplaysAsPlayed(path, "DDD", {1, 60, 80}, played.x, played.y)) << "a step refused";
    EXPECT_FALSE(ReplaysAsPlayed(path, "DD", {1}, played.x, played.y)) << "frames that do not fit";
    EXPECT_FALSE(ReplaysAsPlayed(path, "DD", {60, 1}, played.x, played.y));
    EXPECT_FALSE(ReplaysAsPlayed(folder.File("gone.lev"), "DD", {1, 60}, played.x, played.y)) << "no level file";
    WriteFileBytes(folder.File("short.lev"), "\x01");
    EXPECT_FALSE(ReplaysAsPlayed(folder.File("short.lev"), "DD", {1, 60}, played.x, played.y)) << "a damaged file";
}

TEST_F(TimedRecords, AReplayThatEntersTheGoalOrLeavesACoinIsRefused)
{
    const std::string path = Level({"######", "#@.*$#", "######"});
    EXPECT_FALSE(ReplaysAsPlayed(path, "DD", {1, 17}, CellX(3), CellY(1))) << "into the goal";
    EXPECT_FALSE(ReplaysAsPlayed(path, "D", {1}, CellX(2), CellY(1))) << "the coin left";
    const std::string coinFirst = Level({"######", "#@$.*#", "######"}, "coin-first.lev");
    EXPECT_TRUE(ReplaysAsPlayed(coinFirst, "DD", {1, 17}, CellX(3), CellY(1)));
    const std::string nextToTheGoal = Level({"####", "#@*#", "####"}, "next-to-the-goal.lev");
    EXPECT_TRUE(ReplaysAsPlayed(nextToTheGoal, "", {}, CellX(1), CellY(1))) << "no step at all";
}

TEST_F(TimedRecords, TheCheckInsideAWalkLeavesTheWalkAndTheWorldAsTheyWere)
{
    const std::string path = Level(HoldTimeLevel);
    const PlayedRun played = PlayWithAWait(path, 58);
    // A level of its own standing, part way through a walk that has removed an object
    // ahead of itself, as the player's rule does when the goal is entered.
    const std::string other = Level({"#####", "#@$.#", "#k*.#"}, "other.lev");
    GameState = StatePlay;
    Player->Reset();
    Map::Load(other);
    const std::vector<GameObject> objects = ObjectsInList();
    const GameObject removed = objects[objects.size() - 3];
    std::vector<GameObject> visited;
    bool checked = false;
    Fields before, after;
    for (const GameObject& object : LevelObjects) {
        visited.push_back(object);
        if (object != objects[2])
            continue;
        removed->Remove();
        before = WorldFields();
        checked = ReplaysAsPlayed(path, played.letters, played.frames, played.x, played.y);
        after = WorldFields();
    }
    EXPECT_TRUE(checked);
    EXPECT_EQ(after, before);
    std::vector<GameObject> expected = objects;
    std::erase(expected, removed);
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(ObjectsInList(), expected);
    TGameObject::ClearAll();
    GameState = StateMenu;
}
