// The solver's command line: the arguments are the input's lines. Whatever they are, the
// parser accepts them whole or names what is wrong; what it accepts names a level or the
// folders of the shipped levels, and limits above 0.
#include <sstream>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "tools/solve/solve_options.h"

FUZZ_TARGET(solve_options)
{
    std::vector<std::string> args;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);)
        args.push_back(line);
    SolveOptions options;
    if (!ParseSolveOptions(args, options).empty())
        return;
    FuzzCheck(!options.level.empty() || !options.shippedSources.empty(), "a level or the shipped levels to work on");
    FuzzCheck(options.search.positionLimit > 0 && options.search.secondsLimit >= 0, "limits above 0");
    FuzzCheck(!options.checking || !options.solution.letters.empty() || !options.solutionFile.empty(),
              "a check has a solution");
}
