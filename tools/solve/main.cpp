// tindlewick-solve: proves a level's par (the fewest steps with every coin, over every way to
// play) by a search of the world model frame by frame, and plays the run it finds through
// the real rules; or checks a given solution the same way. Both first list the level's
// plain mistakes.
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "game/par/par_search.h"
#include "tools/levelc/level_source.h"
#include "tools/solve/level_copy.h"
#include "tools/solve/level_lint.h"
#include "tools/solve/prove_shipped.h"
#include "tools/solve/real_run.h"
#include "tools/solve/run_picture.h"
#include "tools/solve/solution_file.h"
#include "tools/solve/solve_options.h"
#include "tools/solve/stored_run.h"

namespace {

std::string ReadWhole(const std::string& path, bool& read)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    read = static_cast<bool>(in);
    return content.str();
}

// A level source starts with its title line; anything else is read as a level file.
std::string ReadLevel(const std::string& path, LevelData& level)
{
    bool read = false;
    const std::string bytes = ReadWhole(path, read);
    if (!read)
        return "cannot read " + path;
    if (bytes.compare(0, 6, "title:") == 0)
        return ParseLevelText(bytes, path, level);
    return DecodeLevel(bytes, path, level);
}

int Report(const std::vector<std::string>& problems, const std::string& what)
{
    for (const std::string& problem : problems)
        std::cout << "real rules, " << problem << "\n";
    if (problems.empty())
        std::cout << "real rules: " << what << "\n";
    return problems.empty() ? 0 : 1;
}

int Check(const LevelData& level, const SolutionFile& solution)
{
    const LevelCopy copy(level);
    if (copy.Path().empty()) {
        std::cerr << "tindlewick-solve: cannot write a copy of the level to /tmp\n";
        return 1;
    }
    const std::vector<std::string> problems = CheckSolutionFile(copy.Path(), solution);
    return Report(problems, "the goal with every coin after " + std::to_string(StepCount(solution) - 1) +
                                " steps, " + (solution.frames.empty() ? "whenever the steps are taken" : "at its frames"));
}

int Prove(const LevelData& level, const SolveOptions& options)
{
    ModelLevel model;
    ModelState start;
    if (const std::string unfit = MakeModel(level, model, start); !unfit.empty()) {
        std::cout << "the solver cannot take this level: " << unfit << "\n";
        return 1;
    }
    const ParSearchResult result = ProvePar(model, start, options.search);
    std::cout << std::fixed << std::setprecision(2);
    if (!result.found) {
        std::cout << (result.gaveUp ? "gave up" : "no way to the goal") << (options.search.allCoins ? " with every coin" : "")
                  << " after " << result.seconds << " s (" << result.positions << " positions)\n";
        return 1;
    }
    std::cout << (options.search.allCoins ? "par " : "fewest steps into the goal: ") << result.par << " proven in "
              << result.seconds << " s (" << result.positions << " positions)\n";
    const LevelCopy copy(level);
    const StoredRun stored = StoreRun(copy.Path(), model, start, result.run);
    std::cout << FormatSolutionFile(stored.solution);
    if (options.show)
        std::cout << PicturesOfRun(model, start, stored.solution);
    std::cout << "walking: " << stored.walkingSteps << " of " << result.par << " steps ("
              << (result.par > 0 ? 100 * stored.walkingSteps / result.par : 0) << " %)\n";
    if (!options.write.empty()) {
        SolutionFile proved = stored.solution;
        proved.proof = ParProof{result.positions, LevelFingerprint(level)};
        std::ofstream out(options.write, std::ios::binary | std::ios::trunc);
        out << FormatSolutionFile(proved);
        if (!out) {
            std::cerr << "tindlewick-solve: cannot write " << options.write << "\n";
            return 1;
        }
    }
    if (!options.search.allCoins)
        return 0;
    return Report(CheckSolutionFile(copy.Path(), stored.solution),
                  "the goal with every coin after " + std::to_string(result.par) + " steps");
}

}  // namespace

int main(int argc, char** argv)
{
    SolveOptions options;
    const std::string wrong = ParseSolveOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!wrong.empty()) {
        std::cerr << "tindlewick-solve: " << wrong << "\n" << SolveUsage;
        return 2;
    }
    if (!options.shippedSources.empty())
        return ProveShippedLevels(options.shippedSources, options.shippedData, options.search);
    LevelData level;
    if (const std::string unreadable = ReadLevel(options.level, level); !unreadable.empty()) {
        std::cerr << "tindlewick-solve: " << unreadable << "\n";
        return 1;
    }
    std::cout << "level: " << level.title << " (" << level.keys << " keys, " << level.coins << " coins)\n";
    const std::vector<std::string> mistakes = LintLevel(level);
    for (const std::string& mistake : mistakes)
        std::cout << "mistake: " << mistake << "\n";
    int status = 0;
    if (options.checking) {
        SolutionFile solution = options.solution;
        if (!options.solutionFile.empty()) {
            bool read = false;
            const std::string text = ReadWhole(options.solutionFile, read);
            const std::string problem =
                read ? ParseSolutionFile(text, options.solutionFile, solution) : "cannot read " + options.solutionFile;
            if (!problem.empty()) {
                std::cerr << "tindlewick-solve: " << problem << "\n";
                return 1;
            }
        }
        status = Check(level, solution);
    } else {
        status = Prove(level, options);
    }
    return status == 0 && mistakes.empty() ? 0 : 1;
}
