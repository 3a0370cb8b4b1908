// tindlewick-soak-game: the real game played for a long time by a random script, through
// the menus, levels, the pause menu with its restart and exit, finish screens with names,
// replays and both switches of the settings menu, while its resident memory is watched. It
// fails (status 1) when the game does not end well, when the records it leaves are not those
// the script meant (it went astray), or, without the sanitizers, when its memory at the end
// has grown past what it used once warmed up.
//   tindlewick-soak-game [--frames N] [--seed S]
// Plays a copy of the shipped data folder, with every level unlocked, no frame pacing, and
// language files whose menus have no way out, so that a script gone astray never ends the
// run early. Run it under an X server (Xvfb): SDL's offscreen driver never waits for a frame
// to be drawn, so unpaced, Mesa piles up the frames not yet drawn, and memory with them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "game/level_format.h"
#include "tests/support/child_process.h"
#include "tools/soak/soak_common.h"
#include "tools/soak/soak_script.h"
#include "tools/solve/real_run.h"

namespace fs = std::filesystem;

namespace {

const char* const Usage = "usage: tindlewick-soak-game [--frames N] [--seed S]\n";

// Growth allowed between the end of the warm-up and the end: allocator and driver noise.
constexpr int64_t MemoryGrowthKilobytes = 16 * 1024;
constexpr int SamplesASecond = 10;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Every line through `change`, line ends kept.
std::string EachLine(const std::string& text, std::string (*change)(const std::string& line))
{
    std::istringstream in(text);
    std::string result;
    for (std::string line; std::getline(in, line);)
        result += change(line) + "\n";
    return result;
}

// The shipped data with the soak's own settings, levels and language files.
void MakeSoakFolder(const fs::path& folder)
{
    const fs::path shipped = TINDLEWICK_DATA_DIR;
    fs::create_directories(folder);
    for (const char* linked : {"Graphics", "Sounds", "Fonts", "Levels"})
        fs::create_directory_symlink(shipped / linked, folder / linked);
    fs::copy_file(shipped / "Hiscores.dat", folder / "Hiscores.dat");
    // Unpaced, and every level unlocked.
    WriteText(folder / "Settings.ini", EachLine(ReadText(shipped / "Settings.ini"), [](const std::string& line) {
                  const std::size_t equals = line.find(" = ");
                  const std::string key = line.substr(0, equals);
                  if (key == "Refresh_rate")
                      return key + " = 0\r";
                  if (equals != std::string::npos && !key.empty() && key.find_first_not_of("0123456789") == std::string::npos)
                      return key + " = 1\r";
                  return line;
              }));
    // The menus' way out leads back to the main menu instead.
    for (const char* language : {"English.dat", "Finnish.dat"}) {
        WriteText(folder / language, EachLine(ReadText(shipped / language), [](const std::string& line) {
                      const std::size_t equals = line.find(".action = ");
                      if (equals != std::string::npos && line.compare(equals + 10, 3, "END") == 0)
                          return line.substr(0, equals + 10) + "0\r";
                      return line;
                  }));
    }
}

std::vector<int> FramesHeldAtOnce(int level, const std::string& letters)
{
    const fs::path shipped = fs::path(TINDLEWICK_DATA_DIR) / LevelFilePath(level);
    const fs::path copy = fs::temp_directory_path() / ("tindlewick-soak-game-level-" + std::to_string(getpid()));
    fs::copy_file(shipped, copy, fs::copy_options::overwrite_existing);
    const RealRun run = RunThroughRules(copy.string(), letters, RunMode::KeysAtOnce);
    fs::remove(copy);
    return run.stepFrames;
}

// A solution of each shipped level, by number; the first that cannot be read ends the list
// and is named in `problem`.
std::vector<SolutionFile> ReadSolutions(std::string& problem)
{
    std::vector<SolutionFile> solutions;
    for (int level = 0;; ++level) {
        const fs::path path = fs::path(TINDLEWICK_LEVELS_DIR) / "solutions" / ((level < 10 ? "0" : "") + std::to_string(level) + ".txt");
        if (!fs::exists(path))
            return solutions;
        SolutionFile solution;
        problem = ParseSolutionFile(ReadText(path), path.string(), solution);
        if (!problem.empty())
            return solutions;
        // The script plays every solution at its frames: one without them at the frames a
        // player holding each arrow until it is taken would take its steps in.
        if (solution.frames.empty())
            solution.frames = FramesHeldAtOnce(level, solution.letters);
        solutions.push_back(solution);
    }
}

// The levels with a record in "Hiscores.dat".
std::set<int> RecordsIn(const fs::path& hiscores)
{
    std::set<int> records;
    std::istringstream in(ReadText(hiscores));
    for (std::string line; std::getline(in, line);) {
        int level = 0, used = 0;
        if (std::sscanf(line.c_str(), "%d.score = %n", &level, &used) == 1 && used > 0 &&
            line.find_first_not_of("\r", used) != std::string::npos)
            records.insert(level);
    }
    return records;
}

struct GameRun {
    int status = -1;
    int64_t startKilobytes = 0;  // a second after the start, the window open
    // The least in the second tenth of the run, once warmed up, and in the last tenth: a
    // window opened again for a display switch raises the samples for a while.
    int64_t warmKilobytes = 0;
    int64_t endKilobytes = 0;
    int64_t mostKilobytes = 0;
    double seconds = 0;
};

int64_t LeastOf(const std::vector<int64_t>& samples, std::size_t from, std::size_t to)
{
    return *std::min_element(samples.begin() + from, samples.begin() + std::max(to, from + 1));
}

GameRun RunGame(const fs::path& folder, int frames)
{
    ChildProcess child({TINDLEWICK_GAME, "--data", folder.string(), "--script", (folder / "soak-script.txt").string(),
                        "--frames", std::to_string(frames)});
    GameRun run;
    if (!child.Started())
        return run;
    // The game's own pace is unknown: samples are kept, and the warm-up is judged at the end.
    std::vector<int64_t> samples;
    const auto start = std::chrono::steady_clock::now();
    while (child.Running()) {
        if (const int64_t resident = ResidentKilobytes(child.Pid()); resident > 0)
            samples.push_back(resident);
        std::this_thread::sleep_for(std::chrono::milliseconds(1000 / SamplesASecond));
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = child.Wait();
    if (!samples.empty()) {
        const std::size_t tenth = samples.size() / 10;
        run.startKilobytes = samples[std::min<std::size_t>(SamplesASecond, samples.size() - 1)];
        run.warmKilobytes = LeastOf(samples, tenth, 2 * tenth);
        run.endKilobytes = LeastOf(samples, samples.size() - std::max<std::size_t>(tenth, 1), samples.size());
        run.mostKilobytes = *std::max_element(samples.begin(), samples.end());
    }
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    int frames = 100000;
    unsigned seed = 1;
    for (int i = 1; i < argc; i += 2) {
        const std::string arg = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--frames" ? !ParseNumber(value, frames) || frames <= 0
            : arg == "--seed" ? !ParseNumber(value, seed)
                              : true) {
            std::fprintf(stderr, "tindlewick-soak-game: bad argument: %s %s\n%s", arg.c_str(), value.c_str(), Usage);
            return 2;
        }
    }
    std::mt19937 random(seed);
    const fs::path folder = fs::temp_directory_path() / ("tindlewick-soak-game-" + std::to_string(getpid()));
    MakeSoakFolder(folder);
    std::string unreadable;
    const std::vector<SolutionFile> solutions = ReadSolutions(unreadable);
    if (!unreadable.empty()) {
        std::fprintf(stderr, "tindlewick-soak-game: %s\n", unreadable.c_str());
        fs::remove_all(folder);
        return 2;
    }
    std::vector<std::string> levelFiles;
    for (std::size_t level = 0; level < solutions.size(); ++level)
        levelFiles.push_back((fs::path(TINDLEWICK_DATA_DIR) / LevelFilePath(static_cast<int>(level))).string());
    const SoakScript script =
        WriteSoakScript(ReadMenuActions(ReadText(folder / "English.dat")), levelFiles, solutions, frames, random);
    WriteText(folder / "soak-script.txt", script.text);
    // The last part of the script is played to its end.
    const int gameFrames = script.frames + 10;
    const GameRun run = RunGame(folder, gameFrames);
    const std::set<int> records = RecordsIn(folder / "Hiscores.dat");
    fs::remove_all(folder);

    std::printf("soak-game: %d frames in %.0f s, seed %u, exit status %d\n", gameFrames, run.seconds, seed, run.status);
    std::printf("soak-game: %d levels played at random with %d restarts and %d rounds of undo and redo, %d "
                "solutions played to the finish, %d replays watched to their end and %d left halfway, %d display "
                "and %d music switches\n",
                script.levelsPlayed, script.restarts, script.stepKeys, script.solutionsPlayed, script.replaysWatched,
                script.replaysLeft, script.displaySwitches, script.musicSwitches);
    std::printf("soak-game: records on %zu levels, where the script meant %zu\n", records.size(),
                script.records.size());
    std::printf("soak-game: resident memory %lld kB at the start, %lld kB once warmed up, %lld kB at the end, "
                "%lld kB at most\n",
                static_cast<long long>(run.startKilobytes), static_cast<long long>(run.warmKilobytes),
                static_cast<long long>(run.endKilobytes), static_cast<long long>(run.mostKilobytes));
    bool failed = run.status != 0;
    if (failed)
        std::fprintf(stderr, "soak-game: FAILED: the game ended with status %d\n", run.status);
    // A record missing shows the script went astray: the rest of the run was random keys.
    if (records != script.records) {
        std::fprintf(stderr, "soak-game: FAILED: the script went astray\n");
        failed = true;
    }
    if (MemoryIsMeasurable && run.endKilobytes - run.warmKilobytes > MemoryGrowthKilobytes) {
        std::fprintf(stderr, "soak-game: FAILED: resident memory grew by %lld kB\n",
                     static_cast<long long>(run.endKilobytes - run.warmKilobytes));
        failed = true;
    }
    return failed ? 1 : 0;
}
