// tindlewick-solve: finds the shortest solution of a level that takes every coin, by a
// breadth-first search of the puzzle model, and plays it through the real rules; or checks a
// given solution the same way. Both first list the level's plain mistakes.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/levelc/level_source.h"
#include "tools/solve/level_lint.h"
#include "tools/solve/puzzle.h"
#include "tools/solve/real_run.h"
#include "tools/solve/search.h"

namespace {

const char* const Usage =
    "usage: tindlewick-solve LEVEL [--check LETTERS] [--any] [--limit POSITIONS]\n"
    "  LEVEL is a level file (.lev) or a level source (text).\n"
    "  --check LETTERS  play these steps (W, D, S, A) instead of searching\n"
    "  --any            search for the shortest way into the goal, coins or not\n"
    "  --limit N        give up after N positions (default 30000000)\n";

struct Options {
    std::string level;
    bool checking = false;
    std::string letters;
    bool anyWay = false;
    long limit = 30'000'000;
};

std::string ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--any") {
            options.anyWay = true;
        } else if (arg == "--check" || arg == "--limit") {
            if (i + 1 == argc)
                return "missing value after " + arg;
            const std::string value = argv[++i];
            if (arg == "--check") {
                options.checking = true;
                options.letters = value;
                if (value.find_first_not_of("WDSA") != std::string::npos)
                    return "--check takes the letters W, D, S and A, not: " + value;
            } else {
                const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), options.limit);
                if (error != std::errc() || end != value.data() + value.size() || options.limit <= 0)
                    return "--limit needs a whole number above 0, not: " + value;
            }
        } else if (arg.compare(0, 2, "--") == 0 || !options.level.empty()) {
            return "unexpected argument: " + arg;
        } else {
            options.level = arg;
        }
    }
    return options.level.empty() ? "no level given" : "";
}

// A level source starts with its title line; anything else is read as a level file.
std::string ReadLevel(const std::string& path, LevelData& level)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot read " + path;
    std::ostringstream content;
    content << in.rdbuf();
    const std::string bytes = content.str();
    if (bytes.compare(0, 6, "title:") == 0)
        return ParseLevelText(bytes, path, level);
    return DecodeLevel(bytes, path, level);
}

// The game's loader opens a level for writing too, so the real rules get a copy of their own.
class LevelCopy {
public:
    explicit LevelCopy(const LevelData& level)
    {
        char name[] = "/tmp/tindlewick-solve-XXXXXX";
        const int descriptor = mkstemp(name);
        if (descriptor < 0)
            return;
        const std::string bytes = EncodeLevel(level);
        const bool written = write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        close(descriptor);
        path_ = name;
        if (!written)
            path_.clear();
    }
    ~LevelCopy()
    {
        if (!path_.empty())
            unlink(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

int CheckThroughRules(const LevelData& level, const std::string& letters)
{
    const LevelCopy copy(level);
    if (copy.Path().empty()) {
        std::cerr << "tindlewick-solve: cannot write a copy of the level to /tmp\n";
        return 1;
    }
    const std::vector<std::string> problems = CheckSolution(copy.Path(), letters);
    for (const std::string& problem : problems)
        std::cout << "real rules, " << problem << "\n";
    if (problems.empty()) {
        std::cout << "real rules: the goal with every coin in " << letters.size()
                  << " steps, the same course replayed, played at once and played with waits\n";
    }
    return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    const std::string wrong = ParseOptions(argc, argv, options);
    if (!wrong.empty()) {
        std::cerr << "tindlewick-solve: " << wrong << "\n" << Usage;
        return 2;
    }
    LevelData level;
    const std::string unreadable = ReadLevel(options.level, level);
    if (!unreadable.empty()) {
        std::cerr << "tindlewick-solve: " << unreadable << "\n";
        return 1;
    }
    std::cout << "level: " << level.title << " (" << level.keys << " keys, " << level.coins << " coins)\n";
    const std::vector<std::string> mistakes = LintLevel(level);
    for (const std::string& mistake : mistakes)
        std::cout << "mistake: " << mistake << "\n";
    if (options.checking)
        return CheckThroughRules(level, options.letters) == 0 && mistakes.empty() ? 0 : 1;

    Puzzle puzzle;
    PuzzleState start;
    const std::string unfit = MakePuzzle(level, puzzle, start);
    if (!unfit.empty()) {
        std::cout << "the solver cannot take this level: " << unfit << "\n";
        return 1;
    }
    const SearchResult result = FindShortestSolution(puzzle, start, !options.anyWay, options.limit);
    std::cout << "positions: " << result.states << (result.gaveUp ? " (gave up)" : "") << "\n";
    if (!result.found) {
        std::cout << "no solution" << (options.anyWay ? "" : " that takes every coin") << "\n";
        return 1;
    }
    std::cout << "shortest " << (options.anyWay ? "way" : "all-coin solution") << ": " << result.moves.size()
              << " steps\n" << result.moves << "\n";
    if (options.anyWay)
        return 0;
    return CheckThroughRules(level, result.moves) == 0 && mistakes.empty() ? 0 : 1;
}
