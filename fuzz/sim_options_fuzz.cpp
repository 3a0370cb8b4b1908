// The simulator's command line: the arguments are the input's lines. Whatever they are, the
// parser accepts them whole or names what is wrong; an accepted key script holds only
// items of at least one frame, and frames for the letters (--at) only with the letters,
// one for each, rising.
#include <sstream>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "game/step_frames.h"
#include "tools/sim/sim_options.h"

FUZZ_TARGET(sim_options)
{
    std::vector<std::string> args;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);)
        args.push_back(line);
    SimOptions options;
    const std::string problem = ParseSimOptions(args, options);
    if (!problem.empty())
        return;
    FuzzCheck(!options.level.empty(), "an accepted command line names a level");
    for (const HeldKeys& held : options.keys)
        FuzzCheck(held.frames > 0, "every key script item lasts a frame or more");
    FuzzCheck(options.moves.find_first_not_of("WDSA") == std::string::npos, "moves are direction letters");
    FuzzCheck(options.at.empty() || (options.replay && StepFramesMisfit(options.at, options.moves.size()).empty()),
              "frames come with letters they fit");
    FuzzCheck(options.keys.empty() || !options.replay, "no key script in a replay");
    FuzzCheck(options.hitsAfter.empty() || !options.replay, "no key hits in a replay");
}
