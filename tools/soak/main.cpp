// tindlewick-soak: a long session of the real rules with random held keys, restarts and
// level changes. It fails (status 1) when objects are left behind after a level is cleared,
// when particles never die, or, without the sanitizers, when memory keeps growing; built
// with the sanitizers it also stops at the first memory fault or leak.
//   tindlewick-soak [--frames N] [--seed S] [--levels FOLDER]
// Plays the level files in FOLDER ("Levels" in the working directory by default), now and
// then by the solutions in the --solutions folder.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/soak/soak_common.h"
#include "tools/soak/soak_run.h"

namespace {

const char* const Usage =
    "usage: tindlewick-soak [--frames N] [--seed S] [--levels FOLDER] [--solutions FOLDER]\n";

// Growth allowed between the first attempt and the end: allocator noise, not a trend.
constexpr int64_t MemoryGrowthKilobytes = 8 * 1024;

struct SoakOptions {
    int64_t frames = 1000000;
    unsigned seed = 1;
    std::string levels = "Levels";
    std::string solutions;
};

std::string ParseSoakOptions(int argc, char** argv, SoakOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return arg == "--frames" || arg == "--seed" || arg == "--levels" || arg == "--solutions"
                       ? "missing value after " + arg
                       : "unknown argument: " + arg;
        const std::string value = argv[++i];
        if (arg == "--frames" ? !ParseNumber(value, options.frames) || options.frames <= 0
            : arg == "--seed" ? !ParseNumber(value, options.seed)
            : arg == "--levels" ? (options.levels = value, false)
            : arg == "--solutions" ? (options.solutions = value, false)
                                : true)
            return "bad argument: " + arg + " " + value;
    }
    return "";
}

// The shipped levels, each with its solution "NN.txt" from the solutions folder when there
// is one. A solution that cannot be read is named in `problem`.
std::vector<SoakLevel> ReadLevels(const SoakOptions& options, std::string& problem)
{
    std::vector<SoakLevel> levels;
    for (const std::string& path : ShippedLevels(options.levels)) {
        SoakLevel level{path, {}};
        const std::string number = std::filesystem::path(path).stem().string();
        const std::string name = options.solutions + "/" + (number.size() < 2 ? "0" : "") + number + ".txt";
        std::ifstream file(name, std::ios::binary);
        if (!options.solutions.empty() && file) {
            std::ostringstream text;
            text << file.rdbuf();
            if (const std::string wrong = ParseSolutionFile(text.str(), name, level.solution); !wrong.empty())
                problem = wrong;
        }
        levels.push_back(level);
    }
    return levels;
}

}  // namespace

int main(int argc, char** argv)
{
    SoakOptions options;
    if (const std::string problem = ParseSoakOptions(argc, argv, options); !problem.empty()) {
        std::fprintf(stderr, "tindlewick-soak: %s\n%s", problem.c_str(), Usage);
        return 2;
    }
    std::string unreadable;
    const std::vector<SoakLevel> levels = ReadLevels(options, unreadable);
    if (!unreadable.empty()) {
        std::fprintf(stderr, "tindlewick-soak: %s\n", unreadable.c_str());
        return 2;
    }
    if (levels.empty()) {
        std::fprintf(stderr, "tindlewick-soak: no level files (*.lev) in %s\n", options.levels.c_str());
        return 2;
    }
    if (!options.solutions.empty() &&
        std::none_of(levels.begin(), levels.end(), [](const SoakLevel& level) { return !level.solution.letters.empty(); })) {
        std::fprintf(stderr, "tindlewick-soak: no solutions (NN.txt) in %s\n", options.solutions.c_str());
        return 2;
    }
    std::mt19937 random(options.seed);
    const SoakReport report = RunSoak(levels, options.frames, random);

    std::printf("soak: %lld frames on %zu levels, seed %u: %d attempts, %d restarts, %d finished, %d steps undone "
                "and %d redone\n",
                static_cast<long long>(report.frames), levels.size(), options.seed, report.attempts,
                report.restarts, report.finishes, report.undos, report.redos);
    std::printf("soak: at most %d objects and %d particles at once\n", report.mostObjects, report.mostParticles);
    std::printf("soak: resident memory %lld kB after the first attempt, %lld kB at the end\n",
                static_cast<long long>(report.startKilobytes), static_cast<long long>(report.endKilobytes));
    bool failed = !report.failures.empty();
    for (const std::string& failure : report.failures)
        std::fprintf(stderr, "soak: FAILED at %s\n", failure.c_str());
    if (MemoryIsMeasurable && report.endKilobytes - report.startKilobytes > MemoryGrowthKilobytes) {
        std::fprintf(stderr, "soak: FAILED: resident memory grew by %lld kB\n",
                     static_cast<long long>(report.endKilobytes - report.startKilobytes));
        failed = true;
    }
    return failed ? 1 : 0;
}
