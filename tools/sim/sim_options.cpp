#include "tools/sim/sim_options.h"

#include <charconv>
#include <sstream>

#include "game/step_frames.h"

const char* const SimUsage =
    "usage: tindlewick-sim LEVEL_FILE [--moves LETTERS | --keys SCRIPT] [--frames N]\n"
    "       --at FRAMES, with --moves: the frame of each letter, separated by commas\n"
    "       SCRIPT: items such as R16 (U, R, D, L or - for none, then frames), and the key hits\n"
    "               undo, redo and restart, which land in the next frame\n";

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

bool ParseHit(const std::string& item, KeyHit& hit)
{
    if (item == "undo")
        hit = KeyHit::Undo;
    else if (item == "redo")
        hit = KeyHit::Redo;
    else if (item == "restart")
        hit = KeyHit::Restart;
    else
        return false;
    return true;
}

// Hits are gathered until the next held item, whose first frame they land in.
std::string ParseScript(const std::string& script, SimOptions& options)
{
    std::istringstream items(script);
    std::string item;
    std::vector<KeyHit> hits;
    while (items >> item) {
        KeyHit hit;
        if (ParseHit(item, hit)) {
            hits.push_back(hit);
            continue;
        }
        HeldKeys held;
        if (!ParseHeldKeys(item, held)) {
            return "--keys: bad item \"" + item +
                   "\": one or more of U, R, D, L (or - for none), then a number of frames; or undo, redo, restart";
        }
        held.hits = std::move(hits);
        hits.clear();
        options.keys.push_back(held);
    }
    options.hitsAfter = std::move(hits);
    return "";
}

// --at, read whole once every argument is known.
std::string CheckFrames(const std::string& text, SimOptions& options)
{
    if (!options.replay)
        return "--at needs --moves";
    std::string problem = ReadStepFrames(text, ',', options.at);
    if (problem.empty())
        problem = StepFramesMisfit(options.at, options.moves.size());
    return problem.empty() ? "" : "--at: " + problem + ", for --moves " + options.moves;
}

}  // namespace

std::string ParseSimOptions(const std::vector<std::string>& args, SimOptions& options)
{
    bool keysGiven = false;
    bool atGiven = false;
    std::string at;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.compare(0, 2, "--") != 0) {
            if (!options.level.empty())
                return "more than one level file: " + arg;
            options.level = arg;
            continue;
        }
        if (arg != "--moves" && arg != "--keys" && arg != "--frames" && arg != "--at")
            return "unknown option: " + arg;
        if (i + 1 >= args.size())
            return "missing value after " + arg;
        const std::string& value = args[++i];
        if (arg == "--frames") {
            if (!ParseCount(value, options.frames))
                return "--frames needs a whole number, not: " + value;
        } else if (arg == "--at") {
            if (atGiven)
                return "give --at once";
            atGiven = true;
            at = value;
        } else if (options.replay || keysGiven) {
            return "give --moves or --keys once, not both";
        } else if (arg == "--moves") {
            if (value.find_first_not_of("WDSA") != std::string::npos)
                return "--moves takes the letters W, D, S and A, not: " + value;
            options.replay = true;
            options.moves = value;
        } else {
            keysGiven = true;
            const std::string problem = ParseScript(value, options);
            if (!problem.empty())
                return problem;
        }
    }
    if (options.level.empty())
        return "no level file";
    return atGiven ? CheckFrames(at, options) : "";
}
