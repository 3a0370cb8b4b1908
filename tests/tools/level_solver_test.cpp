// The solver's puzzle model against the game's real rules, frame by frame: after every step,
// once everything has come to rest, both must agree on where everything stands. Then the
// search (shortest, all coins, free of timing) and the plain-mistake checks.
#include <algorithm>
#include <random>
#include <sstream>

#include "game/switches.h"
#include "tests/game/world_fixture.h"
#include "tools/solve/level_lint.h"
#include "tools/solve/puzzle.h"
#include "tools/solve/real_run.h"
#include "tools/solve/search.h"

namespace {

const char* const ColorNames[3] = {"red", "blue", "yellow"};
constexpr std::string_view Letters = "WDSA";
// Long enough for any roll on the field to end and every button to come up.
constexpr int SettleLimit = 4000;

LevelData Drawn(const std::vector<std::string>& rows, const std::vector<std::string>& legend = {})
{
    LevelData level;
    const std::string problem = ParseLevelText(LevelSource(rows, legend), "drawn level", level);
    EXPECT_EQ(problem, "");
    return level;
}

int CellAt(float x, float y)
{
    return CellOf(static_cast<int>(x - MapOffsetX) / CellSize, static_cast<int>(y - MapOffsetY) / CellSize);
}

// A position as both sides can tell it: the player, every item by cell, the colours whose
// gates still stand and the active buttons that are down.
std::string Describe(int player, const std::vector<std::pair<int, char>>& items, const bool gatesStand[3],
                     const bool buttonsDown[3])
{
    std::vector<std::pair<int, char>> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    std::ostringstream text;
    text << "player at " << CellName(player) << ";";
    for (const auto& [cell, item] : sorted)
        text << " " << item << "@" << cell / MapHeight << "," << cell % MapHeight;
    for (int color = 0; color < 3; ++color) {
        text << "; " << ColorNames[color] << (gatesStand[color] ? " gates" : " gone")
             << (buttonsDown[color] ? " held" : "");
    }
    return text.str();
}

std::string ModelPosition(const Puzzle& puzzle, const PuzzleState& state)
{
    const char names[] = " wxokc";
    std::vector<std::pair<int, char>> items;
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        if (state.items[cell] != 0)
            items.push_back({cell, names[state.items[cell]]});
    }
    bool gatesStand[3];
    bool buttonsDown[3];
    for (int color = 0; color < 3; ++color) {
        gatesStand[color] = !puzzle.gateCells[color].empty() && !((state.removedColors >> color) & 1);
        buttonsDown[color] = (state.activeDown >> color) & 1;
    }
    return Describe(state.player, items, gatesStand, buttonsDown);
}

class PuzzleModel : public WorldTest {
protected:
    void Start(const LevelData& level)
    {
        const std::string path = folder.File("model.lev");
        WriteFileBytes(path, EncodeLevel(level));
        Player->Reset();
        Map::Load(path);
        ASSERT_EQ(MakePuzzle(level, puzzle, state), "");
        Settle();
    }

    void Settle()
    {
        for (int i = 0; i < SettleLimit && !WorldAtRest(Rest::NothingPending); ++i)
            Run(1);
        ASSERT_TRUE(WorldAtRest(Rest::NothingPending));
    }

    // The arrow key held until the step is taken; a settled world that does not take it at
    // once never will.
    bool RealStep(int direction)
    {
        const int keys[4] = {KeyUp, KeyRight, KeyDown, KeyLeft};
        const int before = MoveCount;
        Hold({keys[direction]});
        Run(1);
        Hold({});
        Settle();
        return MoveCount > before;
    }

    std::string RealPosition() const
    {
        std::vector<std::pair<int, char>> items;
        bool gatesStand[3] = {false, false, false};
        bool buttonsDown[3] = {false, false, false};
        for (const GameObject& object : LevelObjects) {
            const int cell = CellAt(object->X, object->Y);
            switch (object->Kind) {
            case ObjectKind::Woody: items.push_back({cell, 'w'}); break;
            case ObjectKind::Boxy: items.push_back({cell, 'x'}); break;
            case ObjectKind::Boulder: items.push_back({cell, 'o'}); break;
            case ObjectKind::Key: items.push_back({cell, 'k'}); break;
            case ObjectKind::Coin: items.push_back({cell, 'c'}); break;
            case ObjectKind::ColorGate:
                gatesStand[static_cast<const TColorGate&>(*object).ColorIndex] = true;
                break;
            case ObjectKind::ButtyActive: {
                const auto& button = static_cast<const TButty_Active&>(*object);
                buttonsDown[button.ColorIndex] = buttonsDown[button.ColorIndex] || button.Pressed != 0;
                break;
            }
            default: break;
            }
        }
        return Describe(CellAt(Player->X, Player->Y), items, gatesStand, buttonsDown);
    }

    // One step on both sides; false once the walk cannot go on (the goal, or a step whose
    // outcome the model leaves to timing).
    bool StepBoth(int direction, const std::string& where)
    {
        StepEvents events;
        const StepOutcome outcome = StepPuzzle(puzzle, state, direction, events);
        if (outcome == StepOutcome::TimingSensitive)
            return false;
        const bool moved = RealStep(direction);
        EXPECT_EQ(moved, outcome != StepOutcome::Blocked) << where;
        if (outcome == StepOutcome::Finished) {
            EXPECT_EQ(finishes.size(), 1u) << where;
            EXPECT_EQ(coinsAtFinish, CoinsInLevel - state.coinsLeft) << where;
            return false;
        }
        EXPECT_EQ(RealPosition(), ModelPosition(puzzle, state)) << where;
        return !::testing::Test::HasFailure();
    }

    void Walk(const std::string& moves)
    {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            if (!StepBoth(static_cast<int>(Letters.find(moves[i])), "after step " + std::to_string(i + 1) + " of " + moves))
                return;
        }
    }

    Puzzle puzzle;
    PuzzleState state;
};

struct RuleCase {
    const char* name;
    std::vector<std::string> rows;
    std::string moves;
};

void PrintTo(const RuleCase& rule, std::ostream* out)
{
    *out << rule.name;
}

class ModelFollowsTheRules : public PuzzleModel, public ::testing::WithParamInterface<RuleCase> {};

}  // namespace

TEST_P(ModelFollowsTheRules, StepByStep)
{
    Start(Drawn(GetParam().rows));
    Walk(GetParam().moves);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ModelFollowsTheRules,
    ::testing::Values(
        // The block leaving the button lets it come up before the next block arrives on it:
        // the gate closes with a block resting on the button.
        RuleCase{"AWoodenRowSlidingOverAButton", {"##########", "#@ww.b..B#", "##########"}, "DDDD"},
        // Pushed off its button, a boulder leaves the player standing on a button that is up;
        // stepping off and back on presses it again.
        RuleCase{"ABoulderLeavingAButtonUnderThePlayer",
                 {"########", "#@.....#", "#..o..B#", "#......#", "#..b...#", "#..$...#", "#......#", "########"},
                 "DDSASSDSWWS"},
        // Motion is handed on only to a boulder with room ahead of it.
        RuleCase{"BoulderChains", {"############", "#@o.o.oo...#", "#..........#", "############"},
                 "DSDDDDDWDDD"},
        // A roll smashes wood, clears the blue gates for good, opens the yellow gate just in
        // time to pass it, and stops in front of a coin.
        RuleCase{"ARollThroughWoodButtonsAndAGate",
                 {"################", "#@o.ww2.cC..$.B#", "#..............#", "################"},
                 "DSDDDDDDDDDDWDD"},
        // A box pushed into its own gate is held there; pressing the button again frees it.
        RuleCase{"ABoxShutInAGate", {"##########", "#.@xaA...#", "##########"}, "DDDADDDD"},
        // The goal stays shut until the key is taken.
        RuleCase{"KeysOpenTheGoal", {"########", "#@*....#", "#....k.#", "########"}, "DSDDDDWAAA"}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

// Every shipped level, walked along its solution to a few points and on at random from each,
// compared after every step.
class ModelOnShippedLevels : public PuzzleModel, public ::testing::WithParamInterface<int> {};

TEST_P(ModelOnShippedLevels, AlongTheSolutionAndAstray)
{
    const std::string name = std::string(GetParam() < 10 ? "0" : "") + std::to_string(GetParam()) + ".txt";
    const std::string folder = std::string(TINDLEWICK_DATA_DIR) + "/../levels/";
    LevelData level;
    ASSERT_EQ(ParseLevelText(ReadFileBytes(folder + name), name, level), "");
    std::string solution = ReadFileBytes(folder + "solutions/" + name);
    solution.erase(solution.find_last_not_of("\r\n") + 1);
    std::mt19937 random(static_cast<unsigned>(GetParam()));
    constexpr int Points = 4;
    constexpr int Astray = 40;
    for (int point = 0; point < Points; ++point) {
        Start(level);
        std::string moves = solution.substr(0, solution.size() * point / Points);
        bool going = true;
        for (std::size_t i = 0; i < moves.size() && going; ++i)
            going = StepBoth(static_cast<int>(Letters.find(moves[i])), name + " along " + moves.substr(0, i + 1));
        for (int step = 0; step < Astray && going; ++step) {
            const int direction = static_cast<int>(random() % 4);
            moves += Letters[direction];
            going = StepBoth(direction, name + " astray " + moves);
        }
        if (::testing::Test::HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, ModelOnShippedLevels, ::testing::Range(0, 25));

TEST(LevelSearch, FindsTheShortestSolutionWithOrWithoutTheCoins)
{
    Puzzle puzzle;
    PuzzleState start;
    ASSERT_EQ(MakePuzzle(Drawn({"#########", "#$@..*..#", "#.####..#", "#......$#", "#########"}), puzzle, start), "");
    const SearchResult any = FindShortestSolution(puzzle, start, false, 100000);
    EXPECT_TRUE(any.found);
    EXPECT_EQ(any.moves, "DDD");
    const SearchResult allCoins = FindShortestSolution(puzzle, start, true, 100000);
    ASSERT_TRUE(allCoins.found);
    EXPECT_EQ(allCoins.moves.size(), 13u) << allCoins.moves;
    EXPECT_EQ(allCoins.moves.front(), 'A');
    const SearchResult cut = FindShortestSolution(puzzle, start, true, 3);
    EXPECT_FALSE(cut.found);
    EXPECT_TRUE(cut.gaveUp);
}

TEST(LevelSearch, ItsSolutionsAcrossRollingBouldersPlayTheSameWithOrWithoutWaits)
{
    // The quick ways to the goal cross the boulders' paths while they still roll.
    const std::vector<std::vector<std::string>> levels = {
        {"#########", "#@o.....#", "###.#.###", "#...#...#", "#.*.#.$.#", "#########"},
        {"#########", "#..@....#", "#..o.o..#", "#.......#", "#.w...$.#", "#.o.....#", "#...*...#", "#########"},
    };
    for (const std::vector<std::string>& rows : levels) {
        const LevelData level = Drawn(rows);
        Puzzle puzzle;
        PuzzleState start;
        ASSERT_EQ(MakePuzzle(level, puzzle, start), "");
        const SearchResult result = FindShortestSolution(puzzle, start, true, 1000000);
        ASSERT_TRUE(result.found) << rows[1];
        TempDir folder;
        WriteFileBytes(folder.File("level.lev"), EncodeLevel(level));
        EXPECT_EQ(CheckSolution(folder.File("level.lev"), result.moves), std::vector<std::string>())
            << result.moves;
    }
}

TEST(LevelChecks, NameEveryPlainMistake)
{
    struct Mistake {
        std::vector<std::string> rows;
        std::vector<std::string> legend;
        std::string expected;
    };
    const std::vector<Mistake> mistakes = {
        {{"#####", "#.*.#", "#####"}, {}, "0 player starts"},
        {{"#####", "#@*@#", "#####"}, {}, "2 player starts"},
        {{"#####", "#@...", "#####"}, {}, "the walls do not close the field in"},
        {{"######", "#@ *.#", "######"}, {}, "no floor under column 2, row 1"},
        {{"######", "#@A*.#", "######"}, {}, "no button opens the red gates"},
        {{"######", "#@b*.#", "######"}, {}, "the blue buttons have no gate to open"},
        {{"######", "#@c*C#", "#..c.#", "######"}, {}, "two active yellow buttons"},
        {{"######", "#@*U.#", "######"}, {"U = floor switch:12"}, "switch code 12 at column 3, row 1 makes nothing"},
        {{"######", "#@*U.#", "######"}, {"U = floor item:6"}, "item code 6 at column 3, row 1 makes nothing"},
        {{"######", "#@U..#", "######"}, {"U = floor goal coin"}, "an item on the goal"},
        {{"######", "#@*U.#", "######"}, {"U = floor static:1 box", "V = floor gate:1"}, "an item on the button"},
        {{"######", "#U*..#", "######"}, {"U = floor start key"}, "an item on the player's start"},
        {{"######", "#@...#", "######"}, {}, "no goal"},
    };
    for (const Mistake& mistake : mistakes) {
        const std::vector<std::string> found = LintLevel(Drawn(mistake.rows, mistake.legend));
        const bool named = std::any_of(found.begin(), found.end(), [&](const std::string& message) {
            return message.find(mistake.expected) != std::string::npos;
        });
        EXPECT_TRUE(named) << mistake.rows[1] << " should give: " << mistake.expected;
    }
    EXPECT_EQ(LintLevel(Drawn({"#######", "#@.$k*#", "#######"})), std::vector<std::string>());

    LevelData miscounted = Drawn({"######", "#@$k*#", "######"});
    miscounted.coins = 3;
    miscounted.keys = 0;
    const std::vector<std::string> counts = LintLevel(miscounted);
    EXPECT_NE(std::find(counts.begin(), counts.end(), "the level says 0 keys, its field holds 1"), counts.end());
    EXPECT_NE(std::find(counts.begin(), counts.end(), "the level says 3 coins, its field holds 1"), counts.end());
}
