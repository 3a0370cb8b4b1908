// The solver's world model against the game's real rules, frame by frame: both are played
// with the same arrows held, and after every frame both must agree on every object of the
// level (where it stands to the pixel, whether it moves and where to, whether it is still
// there), the buttons and their timers, the gates, the counters, the finish and whether the
// world is at rest. Levels drawn here for the cases where timing decides, then every shipped
// level, played at random with held arrows that change at random frames.
#include <optional>
#include <random>
#include <sstream>

#include "game/par/world_model.h"
#include "game/switches.h"
#include "tests/game/world_fixture.h"
#include "tools/levelc/level_source.h"

namespace {

const char* const DirectionNames[4] = {"up", "right", "down", "left"};
const char* const GateNames[3] = {"closed", "parked", "removed"};

LevelData Drawn(const std::vector<std::string>& rows)
{
    LevelData level;
    const std::string problem = ParseLevelText(LevelSource(rows), "drawn level", level);
    EXPECT_EQ(problem, "");
    return level;
}

void DescribeMover(std::ostream& text, const char* name, int x, int y, int moving, int facing, bool alive)
{
    text << name;
    if (!alive) {
        text << " gone; ";
        return;
    }
    text << " at " << x << "," << y;
    if (moving != 0)
        text << " moving " << DirectionNames[facing & 3];
    text << "; ";
}

const char* ItemName(ModelKind kind)
{
    switch (kind) {
    case ModelKind::Wood: return "wood";
    case ModelKind::Box: return "box";
    case ModelKind::Boulder: return "boulder";
    case ModelKind::Key: return "key";
    case ModelKind::Coin: return "coin";
    }
    return "";
}

class ModelBesideTheRules : public WorldTest {
protected:
    void Start(const LevelData& level)
    {
        const std::string path = folder.File("model.lev");
        WriteFileBytes(path, EncodeLevel(level));
        // A finish in an earlier attempt left the level, as the finish sequence does.
        GameState = StatePlay;
        world.Load(path);
        stepEnd.reset();
        ASSERT_EQ(MakeModel(level, model, state), "");
        items.clear();
        buttons.clear();
        gates.clear();
        for (const GameObject& object : LevelObjects) {
            switch (object->Kind) {
            case ObjectKind::Woody:
            case ObjectKind::Boxy:
            case ObjectKind::Boulder:
            case ObjectKind::Key:
            case ObjectKind::Coin: items.push_back(object); break;
            case ObjectKind::ButtyActive: buttons.push_back(std::static_pointer_cast<TButty_Active>(object)); break;
            case ObjectKind::ColorGate: gates.push_back(std::static_pointer_cast<TColorGate>(object)); break;
            default: break;
            }
        }
        ASSERT_EQ(items.size(), model.items.size());
        ASSERT_EQ(buttons.size(), model.activeButtons.size());
    }

    bool InLevel(const GameObject& object) const
    {
        for (const GameObject& member : LevelObjects) {
            if (member == object)
                return true;
        }
        return false;
    }

    std::string RealWorld() const
    {
        std::ostringstream text;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const GameObject& item = items[i];
            DescribeMover(text, ItemName(model.items[i].kind), static_cast<int>(item->X) - MapOffsetX,
                          static_cast<int>(item->Y) - MapOffsetY, item->Moving, item->Facing, InLevel(item));
        }
        for (const auto& button : buttons)
            text << "button " << button->Pressed << "/" << button->HoldTimer << "; ";
        for (const auto& gate : gates)
            text << "gate " << (!InLevel(gate) ? GateNames[2] : gate->Parked() ? GateNames[1] : GateNames[0]) << "; ";
        const bool onField = Player->Kind == ObjectKind::Player;
        DescribeMover(text, "player", static_cast<int>(Player->X) - MapOffsetX, static_cast<int>(Player->Y) - MapOffsetY,
                      Player->Moving, Player->Facing, onField);
        text << "steps " << MoveCount << ", keys " << KeysTaken << ", coins " << CoinsTaken;
        if (world.Finish())
            text << ", finished after " << world.Finish()->moves << " with " << world.Finish()->coinsTaken << " coins";
        else if (WorldAtRest(Rest::NothingPending))
            text << ", at rest";
        return text.str();
    }

    std::string Model() const
    {
        std::ostringstream text;
        for (std::size_t i = 0; i < model.items.size(); ++i) {
            const ModelMover& item = state.items[i];
            DescribeMover(text, ItemName(model.items[i].kind), item.x, item.y, item.moving, item.facing, item.alive);
        }
        for (std::size_t i = 0; i < model.activeButtons.size(); ++i)
            text << "button " << int(state.buttons[i].pressed) << "/" << int(state.buttons[i].timer) << "; ";
        for (std::size_t i = 0; i < model.switches.size(); ++i) {
            if (model.switches[i].kind == SwitchKind::Gate)
                text << "gate " << GateNames[static_cast<int>(state.gates[i])] << "; ";
        }
        const ModelMover& player = state.player;
        DescribeMover(text, "player", player.x, player.y, player.moving, player.facing, player.alive);
        text << "steps " << state.moves << ", keys " << state.keysTaken << ", coins " << state.coinsTaken;
        if (state.finished)
            text << ", finished after " << state.movesAtFinish << " with " << state.coinsAtFinish << " coins";
        else if (ModelAtRest(model, state))
            text << ", at rest";
        return text.str();
    }

    // One frame on both sides with `held` held; false at the first disagreement.
    bool FrameBoth(HeldArrows held, const std::string& where)
    {
        int direction = -1;
        for (int d = DirUp; d <= DirLeft && direction < 0; ++d)
            direction = (held & ArrowOf(d)) != 0 ? d : -1;
        world.PlayFrame(held);
        const bool stepping = state.player.moving != 0;
        RunModelFrame(model, state, direction);
        // A step passed over at once ends as the frames played one by one end it.
        if (!stepping && state.player.moving != 0) {
            stepEnd = state;
            RunModelUntilPlayerStill(model, *stepEnd);
        }
        if (stepEnd && state.player.moving == 0) {
            EXPECT_TRUE(*stepEnd == state) << where << ", the step ending in frame " << world.Frame();
            stepEnd.reset();
        }
        const std::string real = RealWorld();
        const std::string modelled = Model();
        EXPECT_EQ(modelled, real) << where << ", frame " << world.Frame();
        if (getenv("SHOW_FRAMES"))
            std::cout << world.Frame() << ": " << real << "\n";
        return modelled == real;
    }

    // Arrows held for the frames given, one after another; each entry is "ARROWS FRAMES" with
    // ARROWS made of the letters W, D, S, A, or "-" for none.
    void Play(const std::vector<std::string>& plan, const std::string& name)
    {
        for (const std::string& entry : plan) {
            std::istringstream in(entry);
            std::string arrows;
            int frames = 0;
            in >> arrows >> frames;
            HeldArrows held = NoArrows;
            for (const char letter : arrows)
                held |= letter == '-' ? NoArrows : ArrowOf(DirectionOfLetter(std::string(1, letter)));
            // Once the goal is entered, the level is left.
            for (int i = 0; i < frames && !world.Finish(); ++i) {
                if (!FrameBoth(held, name + ", " + entry))
                    return;
            }
        }
    }

    ModelLevel model;
    ModelState state;
    // The end of the step under way, reached at once.
    std::optional<ModelState> stepEnd;
    std::vector<GameObject> items;
    std::vector<std::shared_ptr<TButty_Active>> buttons;
    std::vector<std::shared_ptr<TColorGate>> gates;
};

struct TimingCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> plan;
};

void PrintTo(const TimingCase& timing, std::ostream* out)
{
    *out << timing.name;
}

class ModelInTime : public ModelBesideTheRules, public ::testing::WithParamInterface<TimingCase> {};

}  // namespace

TEST_P(ModelInTime, FrameByFrame)
{
    Start(Drawn(GetParam().rows));
    Play(GetParam().plan, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ModelInTime,
    ::testing::Values(
        // The player walks behind the boulder it pushed, meeting it on every cell and pushing
        // it again as it rolls.
        TimingCase{"APlayerFollowingARollingBoulder", {"##########", "#@o.....*#", "##########"},
                   {"D 200", "- 100"}},
        // A boulder rolls over a button whose gate is in its way, then the player stands on it.
        TimingCase{"ARollOverAButtonIntoItsGate", {"###########", "#@o.a..A.*#", "#.........#", "###########"},
                   {"D 17", "- 5", "D 40", "- 40", "D 100"}},
        // A box pushed into the gate in the last frames the button holds it open is shut in by
        // the gate closing on it in mid-step; the button pressed again lets it out.
        TimingCase{"AGateClosingOnABox", {"##########", "#.@axA..*#", "##########"},
                   {"D 1", "- 15", "D 1", "- 40", "D 20", "A 20", "- 10", "D 100"}},
        // A row of wooden blocks slides over a button, which comes up under the last block.
        TimingCase{"AWoodenRowOverAButton", {"###########", "#@ww.b..B*#", "###########"}, {"D 200", "- 60"}},
        // Boulders hand their motion on in list order both ways: the struck boulder earlier
        // and later in the list than the one that strikes it.
        TimingCase{"BoulderChainsBothWays",
                   {"##############", "#..o.o.o....*#", "#.....@......#", "#..o.o.o.....#", "##############"},
                   {"W 1", "A 40", "W 16", "D 20", "- 60", "S 30", "A 80", "D 60", "- 300"}},
        // Two active buttons of one colour, pressed and left in turn.
        TimingCase{"TwoButtonsOfOneColour", {"##########", "#@a.a.A.*#", "##########"},
                   {"D 48", "- 10", "D 20", "- 40", "D 100"}}),
    [](const ::testing::TestParamInfo<TimingCase>& info) { return std::string(info.param.name); });

// Every shipped level played at random: arrows held and changed at random frames, now and
// then none, now and then two at once, with the level restarted after each attempt.
class ModelOnShippedLevels : public ModelBesideTheRules, public ::testing::WithParamInterface<int> {};

TEST_P(ModelOnShippedLevels, AtRandom)
{
    const std::string name = std::string(GetParam() < 10 ? "0" : "") + std::to_string(GetParam()) + ".txt";
    LevelData level;
    ASSERT_EQ(ParseLevelText(ReadFileBytes(std::string(TINDLEWICK_SOURCE_DIR) + "/levels/" + name), name, level), "");
    std::mt19937 random(static_cast<unsigned>(GetParam()));
    constexpr int Attempts = 4;
    constexpr int FramesPerAttempt = 2500;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        Start(level);
        HeldArrows held = NoArrows;
        int left = 0;
        for (int frame = 0; frame < FramesPerAttempt && !world.Finish(); ++frame) {
            if (--left <= 0) {
                const unsigned roll = random() % 10;
                held = roll < 2 ? NoArrows : ArrowOf(static_cast<int>(random() % 4));
                if (roll == 9)
                    held |= ArrowOf(static_cast<int>(random() % 4));
                left = 1 + static_cast<int>(random() % 40);
            }
            if (!FrameBoth(held, name + ", attempt " + std::to_string(attempt + 1)))
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, ModelOnShippedLevels, ::testing::Range(0, 25));

// Levels crowded with everything that moves and everything it meets, played at random for
// longer: boulders run into blocks in mid-step, rows slide over buttons, gates close on what
// stands in them.
class ModelOnBusyLevels : public ModelBesideTheRules, public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(ModelOnBusyLevels, AtRandom)
{
    const LevelData level = Drawn(GetParam());
    std::mt19937 random(static_cast<unsigned>(GetParam()[1].size() * 7 + GetParam()[2][3]));
    constexpr int Attempts = 4;
    constexpr int FramesPerAttempt = 4000;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        Start(level);
        HeldArrows held = NoArrows;
        int left = 0;
        for (int frame = 0; frame < FramesPerAttempt && !world.Finish(); ++frame) {
            if (--left <= 0) {
                const unsigned roll = random() % 10;
                held = roll < 2 ? NoArrows : ArrowOf(static_cast<int>(random() % 4));
                left = 1 + static_cast<int>(random() % 24);
            }
            if (!FrameBoth(held, "busy level, attempt " + std::to_string(attempt + 1)))
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drawn, ModelOnBusyLevels,
    ::testing::Values(
        std::vector<std::string>{"###############", "#@.o.w.x.o.a..#", "#.o.ww.o.x.A.o#", "#.x.o..b.o.ww.#",
                                 "#.ww.o.B.x.o.*#", "#.o.x.c.o.w.o.#", "#..o.C.o.x.1.k#", "#.w.o..a.o.w.A#",
                                 "###############"},
        std::vector<std::string>{"#############", "#@.o.o.o.o..#", "#.a.b.c.1.2.#", "#o.o.o.o.o.o#",
                                 "#.A.B.C.x.x.#", "#o.w.w.w.o.o#", "#..x..o..*..#", "#############"}));
