// tindlewick-soak-game: the real game played for a long time by a random script, through
// the menus, levels, the pause menu with its restart and exit, finish screens with names,
// replays and both switches of the settings menu, while its resident memory is watched. It
// fails (status 1) when the game does not end well or, without the sanitizers, when its
// memory at the end has grown past what it used once warmed up.
//   tindlewick-soak-game [--frames N] [--seed S]
// Plays a copy of the shipped data folder, with every level unlocked, no frame pacing, and
// language files whose menus have no way out, so that random keys never end the run early.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const Usage = "usage: tindlewick-soak-game [--frames N] [--seed S]\n";

#ifdef TINDLEWICK_SANITIZE
// The sanitizers keep freed memory aside for a while: resident memory says nothing then.
constexpr bool MemoryIsMeasurable = false;
#else
constexpr bool MemoryIsMeasurable = true;
#endif
// Growth allowed between the end of the warm-up and the end: allocator and driver noise.
constexpr int64_t MemoryGrowthKilobytes = 16 * 1024;

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

// Random keys from frame 10 on, after English is chosen: mostly menu moves and arrows held
// for a while, some Enters, Escapes and F1s, and letters for the names of records.
std::string MakeScript(int frames, std::mt19937& random)
{
    const char* const held[] = {"Left", "Up", "Right", "Down"};
    const char* const pressed[] = {"Up", "Down", "Down", "Enter", "Enter", "Escape", "F1", "A", "O", "7", "Space", "Backspace"};
    std::string script = "2 press Enter\n";
    std::uniform_int_distribution<int> pick(0, 99);
    for (int frame = 10; frame < frames;) {
        if (pick(random) < 40) {
            const char* arrow = held[pick(random) % 4];
            const int length = std::uniform_int_distribution<int>(1, 64)(random);
            script += std::to_string(frame) + " down " + arrow + "\n";
            script += std::to_string(frame + length) + " up " + arrow + "\n";
            frame += length + 1;
        } else {
            script += std::to_string(frame) + " press " + pressed[pick(random) % std::size(pressed)] + "\n";
            frame += std::uniform_int_distribution<int>(2, 12)(random);
        }
    }
    return script;
}

int64_t ResidentKilobytesOf(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stoll(line.substr(6));
    }
    return 0;
}

struct GameRun {
    int status = -1;
    int64_t warmKilobytes = 0;  // once a tenth of the run is over
    int64_t endKilobytes = 0;   // the last sample before the game ended
    int64_t mostKilobytes = 0;
    double seconds = 0;
};

GameRun RunGame(const fs::path& folder, int frames)
{
    const std::string game = TINDLEWICK_GAME;
    const std::string frameLimit = std::to_string(frames);
    const std::string data = folder.string();
    const std::string script = (folder / "soak-script.txt").string();
    const char* argv[] = {game.c_str(), "--data", data.c_str(), "--script", script.c_str(), "--frames", frameLimit.c_str(), nullptr};
    pid_t child = 0;
    GameRun run;
    if (posix_spawn(&child, game.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return run;
    // The game's own pace is unknown: samples are kept, and the warm-up is judged at the end.
    std::vector<int64_t> samples;
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (const int64_t resident = ResidentKilobytesOf(child); resident > 0)
            samples.push_back(resident);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!samples.empty()) {
        run.warmKilobytes = samples[samples.size() / 10];
        run.endKilobytes = samples.back();
        for (const int64_t sample : samples)
            run.mostKilobytes = std::max(run.mostKilobytes, sample);
    }
    return run;
}

template <class Number>
bool ParseNumber(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
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
    WriteText(folder / "soak-script.txt", MakeScript(frames, random));
    const GameRun run = RunGame(folder, frames);
    fs::remove_all(folder);

    std::printf("soak-game: %d frames in %.0f s, seed %u, exit status %d\n", frames, run.seconds, seed, run.status);
    std::printf("soak-game: resident memory %lld kB after the first tenth, %lld kB at the end, %lld kB at most\n",
                static_cast<long long>(run.warmKilobytes), static_cast<long long>(run.endKilobytes),
                static_cast<long long>(run.mostKilobytes));
    bool failed = run.status != 0;
    if (failed)
        std::fprintf(stderr, "soak-game: FAILED: the game ended with status %d\n", run.status);
    if (MemoryIsMeasurable && run.endKilobytes - run.warmKilobytes > MemoryGrowthKilobytes) {
        std::fprintf(stderr, "soak-game: FAILED: resident memory grew by %lld kB\n",
                     static_cast<long long>(run.endKilobytes - run.warmKilobytes));
        failed = true;
    }
    return failed ? 1 : 0;
}
