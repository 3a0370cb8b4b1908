#include "tools/sim/sim_options.h"

#include <charconv>
#include <sstream>

const char* const SimUsage =
    "usage: tindlewick-sim LEVEL_FILE [--moves LETTERS | --keys SCRIPT] [--frames N]\n";

namespace {

bool ParseCount(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value >= 0;
}

// One item "KEYS COUNT", as in "R16", "-4" or "UL1".
bool ParseHeldKeys(const std::string& item, HeldKeys& held)
{
    std::size_t at = 0;
    if (item.compare(0, 1, "-") == 0) {
        at = 1;
    } else {
        for (; at < item.size(); ++at) {
            const char key = item[at];
            if (key == 'U')
                held.up = true;
            else if (key == 'R')
                held.right = true;
            else if (key == 'D')
                held.down = true;
            else if (key == 'L')
                held.left = true;
            else
                break;
        }
        if (at == 0)
            return false;
    }
    return ParseCount(std::string_view(item).substr(at), held.frames) && held.frames > 0;
}

std::string ParseScript(const std::string& script, std::vector<HeldKeys>& keys)
{
    std::istringstream items(script);
    std::string item;
    while (items >> item) {
        HeldKeys held;
        if (!ParseHeldKeys(item, held)) {
            return "--keys: bad item \"" + item +
                   "\": one or more of U, R, D, L (or - for none), then a number of frames";
        }
        keys.push_back(held);
    }
    return "";
}

}  // namespace

std::string ParseSimOptions(const std::vector<std::string>& args, SimOptions& options)
{
    bool keysGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.compare(0, 2, "--") != 0) {
            if (!options.level.empty())
                return "more than one level file: " + arg;
            options.level = arg;
            continue;
        }
        if (arg != "--moves" && arg != "--keys" && arg != "--frames")
            return "unknown option: " + arg;
        if (i + 1 >= args.size())
            return "missing value after " + arg;
        const std::string& value = args[++i];
        if (arg == "--frames") {
            if (!ParseCount(value, options.frames))
                return "--frames needs a whole number, not: " + value;
        } else if (options.replay || keysGiven) {
            return "give --moves or --keys once, not both";
        } else if (arg == "--moves") {
            if (value.find_first_not_of("WDSA") != std::string::npos)
                return "--moves takes the letters W, D, S and A, not: " + value;
            options.replay = true;
            options.moves = value;
        } else {
            keysGiven = true;
            const std::string problem = ParseScript(value, options.keys);
            if (!problem.empty())
                return problem;
        }
    }
    if (options.level.empty())
        return "no level file";
    return "";
}
