#include "game/game_object.h"

#include "tests/game/world_fixture.h"

namespace {

// An object that notes its hooks, for the list operations.
class Probe : public TGameObject {
public:
    explicit Probe(std::vector<std::string>& log) : log_(log) {}
    void Trigger(int) override {}
    void OnSpawn() override { log_.push_back("spawn"); }
    void OnRemove() override { log_.push_back("remove"); }
    void Draw() override {}
    void Update() override { log_.push_back("update"); }

private:
    std::vector<std::string>& log_;
};

}  // namespace

class GameObjects : public WorldTest {};

TEST_F(GameObjects, SpawnAppendsRemoveAndClearAllRunTheHooks)
{
    std::vector<std::string> log;
    auto first = std::make_shared<Probe>(log);
    auto second = std::make_shared<Probe>(log);
    first->Spawn();
    second->Spawn();
    EXPECT_EQ(LevelObjects.Count(), 2);
    first->Remove();
    EXPECT_EQ(LevelObjects.Count(), 1);
    // Removing what is not in the list still runs the hook.
    first->Remove();
    EXPECT_EQ(log, (std::vector<std::string>{"spawn", "spawn", "remove", "remove"}));
    TGameObject::ClearAll();
    EXPECT_EQ(LevelObjects.Count(), 0);
    EXPECT_EQ(log.back(), "remove");
    EXPECT_EQ(log.size(), 5u);
}

TEST_F(GameObjects, AResetObjectStandsOffTheLatticeAndIsFoundByNoScan)
{
    Load({"#.@"});
    Player->Reset();
    EXPECT_STREQ(KindTag(Player->Kind), "0");
    EXPECT_EQ(Player->X, 0.0f);
    EXPECT_EQ(ScanCell(CellX(2), CellY(0), [](TGameObject& member) { return member.Kind != ObjectKind::Reset; }), 1);
    EXPECT_EQ(ScanCell(0.0f, 0.0f, [](TGameObject&) { return false; }), 0);
}

TEST_F(GameObjects, AScanStopsAtTheFirstBlockerAfterActingOnWhatCameBefore)
{
    Load({"D"}, {"D = floor static:0 coin"});
    std::vector<std::string> met;
    const int free = ScanCell(CellX(0), CellY(0), [&](TGameObject& member) {
        met.push_back(KindTag(member.Kind));
        return member.Kind != ObjectKind::ButtyStatic;
    });
    EXPECT_EQ(free, 0);
    EXPECT_EQ(met, (std::vector<std::string>{"FLOORY", "BUTTYS"}));
}

TEST_F(GameObjects, AStepInAnyDirectionEndsExactlyOneCellAwayInItsSixteenthFrame)
{
    const int directions[4] = {KeyUp, KeyRight, KeyDown, KeyLeft};
    const std::pair<int, int> ends[4] = {{2, 1}, {3, 2}, {2, 3}, {1, 2}};
    for (int d = 0; d < 4; ++d) {
        Load({"#####", "#...#", "#.@.#", "#...#", "#####"});
        Hold({directions[d]});
        Run(15);
        Hold({});
        EXPECT_EQ(Player->Moving, 1) << d;
        Run(1);
        EXPECT_TRUE(PlayerAt(ends[d].first, ends[d].second)) << d;
    }
}

TEST_F(GameObjects, AnObjectInMidStepIsFoundByNoScan)
{
    // Pushed in frame 17, the box steps from frame 18 to 33.
    Load({"######", "#@.x.#"});
    Hold({KeyRight});
    Run(32);
    const auto box = First(ObjectKind::Boxy);
    EXPECT_EQ(box->X, CellX(4) - MoveSpeed);
    std::vector<std::string> met;
    ScanCell(CellX(4), CellY(1), [&](TGameObject& member) {
        met.push_back(KindTag(member.Kind));
        return true;
    });
    EXPECT_EQ(met, std::vector<std::string>{"FLOORY"});
    Run(1);
    EXPECT_EQ(box->X, CellX(4));
    EXPECT_EQ(box->Moving, 0);
}

TEST_F(GameObjects, UpdateAllWalksInListOrderSurvivingRemovals)
{
    std::vector<std::string> log;
    auto probe = std::make_shared<Probe>(log);
    Load({"#@o..w"});
    probe->Spawn();
    log.clear();
    // The boulder smashes the wooden block ahead of it during the walk; the walk goes on.
    const auto boulder = First<TGameObject>(ObjectKind::Boulder);
    boulder->Trigger(DirRight);
    Run(33);
    EXPECT_EQ(CountOf(ObjectKind::Woody), 0);
    EXPECT_EQ(log.size(), 33u);
    // The probe notes its removal in `log`, which ends with this test, before the fixture
    // clears the level.
    probe->Remove();
}
