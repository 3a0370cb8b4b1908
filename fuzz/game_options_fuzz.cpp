// The game's command line: the arguments are the input's lines. Whatever they are, the
// parser accepts them whole or names what is wrong; accepted screenshots name a file and a
// frame, and the frame limit is no negative number.
#include <sstream>

#include "frontend/options.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

FUZZ_TARGET(game_options)
{
    std::vector<std::string> args;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);)
        args.push_back(line);
    Options options;
    const std::string problem = ParseOptions(args, options);
    if (!problem.empty()) {
        FuzzCheck(problem.starts_with("unknown option: ") || problem.starts_with("missing value after ") ||
                      problem.starts_with("--"),
                  "a refusal names the argument");
        return;
    }
    FuzzCheck(options.frames >= 0, "the frame limit is no negative number");
    for (const Screenshot& shot : options.screenshots)
        FuzzCheck(shot.frame >= 0 && !shot.file.empty(), "a screenshot names its frame and file");
}
