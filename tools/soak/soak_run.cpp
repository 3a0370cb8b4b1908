#include "tools/soak/soak_common.h"
#include "tools/soak/soak_run.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/player.h"
#include "tests/support/child_process.h"

namespace {

// Far longer than any burst lives: a particle still there after this never dies.
constexpr int ParticleLifeBound = 600;

class Soak {
public:
    Soak(const std::vector<SoakLevel>& levels, std::mt19937& random) : levels_(levels), random_(random) {}

    SoakReport Run(int64_t frames)
    {
        std::size_t level = 0;
        while (report_.frames < frames) {
            PlayAttempt(levels_[level], frames);
            if (report_.attempts == 1)
                report_.startKilobytes = ResidentKilobytes(getpid());
            const bool finished = GameState == StateLeaveLevel;
            report_.finishes += finished ? 1 : 0;
            // A player mostly tries again; sometimes gives up and picks the next level.
            if (!finished && Chance(75))
                ++report_.restarts;
            else
                level = (level + 1) % levels_.size();
            EndAttempt();
        }
        report_.endKilobytes = ResidentKilobytes(getpid());
        return report_;
    }

private:
    bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(random_) < percent; }

    // In the attempts that keep their steps, now and then a few taken back, or one made again.
    void TakeStepsBack()
    {
        if (!undoing_)
            return;
        if (Chance(12)) {
            for (int undo = std::uniform_int_distribution<int>(1, 4)(random_); undo > 0; --undo)
                report_.undos += world_.Undo() ? 1 : 0;
        } else if (Chance(5)) {
            report_.redos += world_.Redo() ? 1 : 0;
        }
    }

    // Mostly one arrow, sometimes two at once, sometimes none, each for up to three steps.
    void ChooseKeys()
    {
        TakeStepsBack();
        held_ = NoArrows;
        const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
        std::uniform_int_distribution<int> arrow(DirUp, DirLeft);
        if (roll < 75)
            held_ |= ArrowOf(arrow(random_));
        if (roll >= 60 && roll < 75)
            held_ |= ArrowOf(arrow(random_));
        keyFramesLeft_ = std::uniform_int_distribution<int>(1, 48)(random_);
    }

    // The arrow of the solution's next letter: held until the player takes the step, or, for
    // a solution with frames, held in the letter's frame only.
    void HoldNextLetter(const SolutionFile& solution)
    {
        held_ = NoArrows;
        if (solution.frames.empty()) {
            if (MoveCount < static_cast<int>(solution.letters.size()))
                held_ = ArrowOf(DirectionOfLetter(solution.letters.substr(MoveCount, 1)));
            return;
        }
        const int frame = world_.Frame() + 1;
        while (nextLetter_ < solution.frames.size() && solution.frames[nextLetter_] < frame)
            ++nextLetter_;
        if (nextLetter_ < solution.frames.size() && solution.frames[nextLetter_] == frame) {
            const char letter = static_cast<char>(std::toupper(solution.letters[nextLetter_]));
            held_ = ArrowOf(DirectionOfLetter(std::string(1, letter)));
        }
    }

    // Now and then a level is played by its solution, which ends at the goal.
    void PlayAttempt(const SoakLevel& level, int64_t frames)
    {
        ++report_.attempts;
        world_.Load(level.path);
        GameState = StatePlay;
        const bool bySolution = !level.solution.letters.empty() && Chance(20);
        nextLetter_ = 0;
        // Keeping the steps costs a snapshot a frame, so only some attempts undo.
        undoing_ = !bySolution && Chance(40);
        world_.KeepUndoHistory(undoing_);
        const int lastFrame = level.solution.frames.empty() ? 0 : level.solution.frames.back();
        const int length = bySolution ? std::max(40 * static_cast<int>(level.solution.letters.size()), lastFrame) + 200
                                      : std::uniform_int_distribution<int>(100, 4000)(random_);
        for (int i = 0; i < length && report_.frames < frames && GameState == StatePlay; ++i) {
            if (bySolution)
                HoldNextLetter(level.solution);
            else if (--keyFramesLeft_ <= 0)
                ChooseKeys();
            world_.PlayFrame(held_);
            ++report_.frames;
            report_.mostObjects = std::max(report_.mostObjects, LevelObjects.Count());
            report_.mostParticles = std::max(report_.mostParticles, LiveParticleCount());
        }
        // Whatever was played before, a level starts afresh: its solution still wins, unless the
        // soak's frames ran out first.
        if (bySolution && report_.frames < frames)
            Check(GameState == StateLeaveLevel, "the solution of " + level.path + " did not reach the goal");
    }

    // Restart and leaving both clear the level as the game does: the player reset, the
    // particles and then every object removed.
    void EndAttempt()
    {
        std::vector<std::weak_ptr<TGameObject>> objects;
        for (const GameObject& object : LevelObjects) {
            if (object != Player)
                objects.push_back(object);
        }
        for (int frame = 0; frame < ParticleLifeBound && LiveParticleCount() > 0; ++frame)
            UpdateEmitters();
        Check(LiveParticleCount() == 0, "particles outlived " + std::to_string(ParticleLifeBound) + " frames");
        world_.LeaveLevel();
        Check(LevelObjects.Count() == 0, "objects were left in LevelObjects after ClearAll");
        for (const std::weak_ptr<TGameObject>& object : objects) {
            if (!object.expired()) {
                Check(false, std::string("a removed ") + KindTag(object.lock()->Kind) + " is still alive");
                break;
            }
        }
    }

    void Check(bool holds, const std::string& what)
    {
        if (!holds)
            report_.failures.push_back("frame " + std::to_string(report_.frames) + ": " + what);
    }

    HeadlessWorld world_;
    const std::vector<SoakLevel>& levels_;
    std::mt19937& random_;
    SoakReport report_;
    // The arrows held, kept from frame to frame until the next choice.
    HeldArrows held_ = NoArrows;
    int keyFramesLeft_ = 0;
    // The letter of a solution with frames that comes next.
    std::size_t nextLetter_ = 0;
    bool undoing_ = false;
};

}  // namespace

std::vector<std::string> ShippedLevels(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".lev")
            files.push_back(entry.path());
    }
    // Numbers in order: shorter names first, then alphabetically.
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        const std::string x = a.stem().string(), y = b.stem().string();
        return x.size() != y.size() ? x.size() < y.size() : x < y;
    });
    return {files.begin(), files.end()};
}

SoakReport RunSoak(const std::vector<SoakLevel>& levels, int64_t frames, std::mt19937& random)
{
    return Soak(levels, random).Run(frames);
}
