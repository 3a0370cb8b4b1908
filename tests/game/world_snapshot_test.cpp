#include "game/world_snapshot.h"

#include "media/core/random.h"
#include "tests/game/world_fields.h"
#include "tests/game/world_fixture.h"

namespace {

std::vector<const TGameObject*> ObjectsInList()
{
    std::vector<const TGameObject*> objects;
    for (const GameObject& object : LevelObjects)
        objects.push_back(object.get());
    return objects;
}

}  // namespace

class Snapshots : public WorldTest {
protected:
    // A boulder pushed in frame 17 rolls from frame 18: it smashes the first wooden block in
    // frame 34, presses the active button (opening gate A) in frame 50, smashes the second
    // block in frame 66 and comes to rest against the wall in frame 114. The button comes up
    // in frame 80. The player, at (3, 1) from frame 32, takes the key below from frame 60
    // and presses the static button in frame 76, which removes gate A for good.
    void LoadBusyLevel()
    {
        Load({"###########",
              "#@$o.wa.w.#",
              "#$#k####*##",
              "###1##A####",
              "###########"});
        SeedRandom(7);
        played = 0;
    }

    // The keys of the busy level's frame `frame`.
    static std::set<int> KeysOfFrame(int frame)
    {
        if (frame <= 17)
            return {KeyRight};
        if (frame >= 60 && frame <= 76)
            return {KeyDown};
        return {};
    }

    void PlayTo(int frame)
    {
        while (played < frame) {
            Hold(KeysOfFrame(++played));
            Run(1);
        }
    }

    // The frames from `from` to `to`, each frame's world.
    std::vector<std::vector<std::string>> Record(int from, int to)
    {
        played = from - 1;
        std::vector<std::vector<std::string>> frames;
        while (played < to) {
            PlayTo(played + 1);
            frames.push_back(WorldFields());
        }
        return frames;
    }

    int played = 0;
};

constexpr int SnapshotFrame = 56;
constexpr int LastFrame = 320;

TEST_F(Snapshots, TheBusyLevelIsBusyAtTheSnapshot)
{
    LoadBusyLevel();
    PlayTo(SnapshotFrame);
    const auto boulder = First<TBoulder>(ObjectKind::Boulder);
    EXPECT_EQ(boulder->Moving, 1) << "a boulder rolling";
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    EXPECT_EQ(button->Pressed, 1) << "a button down";
    EXPECT_EQ(button->HoldTimer, 24);
    EXPECT_TRUE(First<TColorGate>(ObjectKind::ColorGate)->Parked()) << "a gate open";
    EXPECT_EQ(CoinsTaken, 1) << "a coin taken";
    EXPECT_EQ(CountOf(ObjectKind::Woody), 1) << "a block smashed";
    EXPECT_GT(LiveParticleCount(), 0) << "splinters flying";
    // What comes after it: the key, the other block and the gate go, the boulder stops, and
    // the player, standing still, blinks.
    bool blinked = false;
    while (played < LastFrame) {
        PlayTo(played + 1);
        blinked = blinked || PlayerFrame == 1;
    }
    EXPECT_EQ(CountOf(ObjectKind::Key), 0);
    EXPECT_EQ(CountOf(ObjectKind::Woody), 0);
    EXPECT_EQ(CountOf(ObjectKind::ColorGate), 0);
    EXPECT_EQ(First<TBoulder>(ObjectKind::Boulder)->Moving, 0);
    EXPECT_TRUE(blinked);
}

TEST_F(Snapshots, PuttingOneBackRestoresEveryFieldAndTheFramesAfterIt)
{
    LoadBusyLevel();
    PlayTo(SnapshotFrame);
    const std::vector<std::string> atSnapshot = WorldFields();
    const std::vector<const TGameObject*> objects = ObjectsInList();
    const WorldSnapshot snapshot = TakeWorldSnapshot();
    const auto uninterrupted = Record(SnapshotFrame + 1, LastFrame);
    ASSERT_NE(WorldFields(), atSnapshot);

    // Twice from the one snapshot: the second run must not see what the first one did.
    for (int time = 1; time <= 2; ++time) {
        RestoreWorldSnapshot(snapshot);
        EXPECT_EQ(WorldFields(), atSnapshot) << "put back, time " << time;
        EXPECT_EQ(ObjectsInList(), objects) << "the very objects, in their order";
        EXPECT_EQ(LevelObjects.Count(), static_cast<int>(objects.size()));
        const auto again = Record(SnapshotFrame + 1, LastFrame);
        ASSERT_EQ(again.size(), uninterrupted.size());
        for (std::size_t frame = 0; frame < again.size(); ++frame) {
            ASSERT_EQ(again[frame], uninterrupted[frame])
                << "frame " << SnapshotFrame + 1 + frame << " after putting it back, time " << time;
        }
    }
}

TEST_F(Snapshots, ObjectsRemovedAfterTheSnapshotComeBackAsThemselves)
{
    LoadBusyLevel();
    PlayTo(SnapshotFrame);
    const auto key = First(ObjectKind::Key);
    const auto block = First(ObjectKind::Woody);
    const auto gate = First<TColorGate>(ObjectKind::ColorGate);
    const WorldSnapshot snapshot = TakeWorldSnapshot();
    PlayTo(LastFrame);
    ASSERT_EQ(CountOf(ObjectKind::Key) + CountOf(ObjectKind::Woody) + CountOf(ObjectKind::ColorGate), 0);
    RestoreWorldSnapshot(snapshot);
    EXPECT_EQ(First(ObjectKind::Key), key);
    EXPECT_EQ(First(ObjectKind::Woody), block);
    EXPECT_EQ(First<TColorGate>(ObjectKind::ColorGate), gate);
    EXPECT_TRUE(gate->Parked());
    EXPECT_EQ(KeysTaken, 0);
}

TEST_F(Snapshots, ThePlayerKeepsItsIdentityAndComesBackLast)
{
    LoadBusyLevel();
    PlayTo(20);
    const TPlayer* player = Player.get();
    const WorldSnapshot snapshot = TakeWorldSnapshot();
    PlayTo(40);
    RestoreWorldSnapshot(snapshot);
    EXPECT_EQ(Player.get(), player);
    EXPECT_EQ(ObjectsInList().back(), player);
    EXPECT_EQ(Player->Moving, 1);
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(ReplayString, "DD");
}

TEST_F(Snapshots, ALevelLeftOrAnotherLoadedComesBackWhole)
{
    LoadBusyLevel();
    PlayTo(SnapshotFrame);
    const std::vector<std::string> atSnapshot = WorldFields();
    const WorldSnapshot snapshot = TakeWorldSnapshot();
    // Leaving runs every OnRemove: the player's clears the attempt.
    world.LeaveLevel();
    ASSERT_EQ(LevelObjects.Count(), 0);
    RestoreWorldSnapshot(snapshot);
    EXPECT_EQ(WorldFields(), atSnapshot);
    Load({"#####", "#@$k#"});
    RestoreWorldSnapshot(snapshot);
    EXPECT_EQ(WorldFields(), atSnapshot);
}

TEST_F(Snapshots, AFinishedLevelComesBackToPlay)
{
    Load({"####", "#@*#"});
    Run(1);
    const WorldSnapshot beforeTheGoal = TakeWorldSnapshot();
    const std::vector<std::string> atSnapshot = WorldFields();
    Hold({KeyRight});
    Run(1);
    ASSERT_TRUE(world.Finish());
    ASSERT_EQ(GameState, StateLeaveLevel);
    RestoreWorldSnapshot(beforeTheGoal);
    EXPECT_EQ(GameState, StatePlay);
    EXPECT_EQ(Player->Kind, ObjectKind::Player);
    EXPECT_TRUE(PlayerAt(1, 1));
    EXPECT_EQ(WorldFields(), atSnapshot);
    Run(1);
    EXPECT_EQ(GameState, StateLeaveLevel) << "the goal is entered again";
    EXPECT_EQ(MoveCount, 1);
}

TEST_F(Snapshots, ASnapshotIsAValueThatLaterChangesDoNotReach)
{
    Load({"#####", "#@$.#"});
    const auto coin = First<TCoin>(ObjectKind::Coin);
    const float scale = coin->Scale;
    const WorldSnapshot snapshot = TakeWorldSnapshot();
    coin->Scale = 3.0f;
    coin->X = 0.0f;
    Player->ReplayMoves = "WWW";
    GoalAngle += 90.0f;
    RestoreWorldSnapshot(snapshot);
    EXPECT_EQ(coin->Scale, scale);
    EXPECT_EQ(coin->X, CellX(2));
    EXPECT_EQ(Player->ReplayMoves, snapshot.player.ReplayMoves);
    EXPECT_EQ(GoalAngle, snapshot.goalAngle);
}
