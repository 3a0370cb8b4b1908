#include "tools/solve/prove_shipped.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tools/levelc/level_source.h"
#include "tools/solve/level_copy.h"
#include "tools/solve/level_lint.h"
#include "tools/solve/par_file.h"
#include "tools/solve/real_run.h"
#include "tools/solve/stored_run.h"

namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool WriteWhole(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

std::string Two(int number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

// The source of level `number`, once it is known to be what the game loads.
std::string ReadShipped(const fs::path& sources, const fs::path& data, int number, LevelData& level)
{
    const fs::path source = sources / (Two(number) + ".txt");
    if (const std::string problem = ParseLevelText(ReadWhole(source), source.string(), level); !problem.empty())
        return problem;
    const fs::path file = data / LevelFilePath(number);
    if (ReadWhole(file) != EncodeLevel(level))
        return file.string() + " is not what " + source.string() + " compiles to: compile it again";
    for (const std::string& mistake : LintLevel(level))
        return source.string() + ": " + mistake;
    return "";
}

struct Proved {
    std::string title;
    int par = 0;
    int walking = 0;
    double seconds = 0;
    long positions = 0;
    bool timed = false;
};

// Proves one level and stores its run; the empty text, or why it could not.
std::string ProveOne(const LevelData& level, const ParSearchOptions& options, const fs::path& solution, Proved& proved)
{
    ModelLevel model;
    ModelState start;
    if (const std::string unfit = MakeModel(level, model, start); !unfit.empty())
        return "the solver cannot take it: " + unfit;
    const ParSearchResult result = ProvePar(model, start, options);
    if (!result.found)
        return (result.gaveUp ? "gave up after " : "no way to the goal with every coin after ") +
               std::to_string(result.positions) + " positions";
    const LevelCopy copy(level);
    StoredRun stored = StoreRun(copy.Path(), model, start, result.run);
    for (const std::string& problem : CheckSolutionFile(copy.Path(), stored.solution))
        return "its run fails through the real rules, " + problem;
    stored.solution.proof = ParProof{result.positions, LevelFingerprint(level)};
    if (!WriteWhole(solution, FormatSolutionFile(stored.solution)))
        return "cannot write " + solution.string();
    proved = {level.title, result.par, stored.walkingSteps, result.seconds, result.positions,
              !stored.solution.frames.empty()};
    return "";
}

void PrintTable(const std::map<int, Proved>& levels)
{
    std::printf("%-5s %-20s %5s %8s %9s %11s %s\n", "level", "title", "par", "walking", "seconds", "positions",
                "timing");
    for (const auto& [number, proved] : levels) {
        const int share = proved.par > 0 ? (100 * proved.walking + proved.par / 2) / proved.par : 0;
        std::printf("%-5d %-20s %5d %7d%% %9.2f %11ld %s\n", number, proved.title.c_str(), proved.par, share,
                    proved.seconds, proved.positions, proved.timed ? "frames" : "any");
    }
}

}  // namespace

int ProveShippedLevels(const std::string& sourceFolder, const std::string& dataFolder, const ParSearchOptions& options)
{
    const fs::path sources = sourceFolder;
    const fs::path data = dataFolder;
    std::map<int, Proved> levels;
    std::map<int, int> pars;
    int failures = 0;
    for (int number = 0; fs::exists(sources / (Two(number) + ".txt")); ++number) {
        LevelData level;
        std::string problem = ReadShipped(sources, data, number, level);
        Proved proved;
        if (problem.empty())
            problem = ProveOne(level, options, sources / "solutions" / (Two(number) + ".txt"), proved);
        if (!problem.empty()) {
            std::fprintf(stderr, "tindlewick-solve: level %d: %s\n", number, problem.c_str());
            ++failures;
            continue;
        }
        levels[number] = proved;
        pars[number] = proved.par;
    }
    const fs::path parFile = data / ParFileName;
    if (!WriteWhole(parFile, FormatParFile(pars))) {
        std::fprintf(stderr, "tindlewick-solve: cannot write %s\n", parFile.string().c_str());
        ++failures;
    }
    PrintTable(levels);
    return failures == 0 ? 0 : 1;
}
