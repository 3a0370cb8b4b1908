#include "frontend/options.h"

#include <charconv>

const char* const UsageText =
    "usage: tindlewick [--data DIR] [--play FILE] [--script FILE] [--screenshot FRAME:FILE]...\n"
    "                  [--shown-screenshot FRAME:FILE]... [--frames N]\n"
    "  --data DIR                     the game's folder (Settings.ini, Graphics, Levels, ...)\n"
    "  --play FILE                    play the level file FILE, then end\n"
    "  --script FILE                  deliver the input events of FILE (lines \"FRAME EVENT KEY\")\n"
    "  --screenshot FRAME:FILE        write the 800 x 600 picture presented at FRAME to FILE as PNG\n"
    "  --shown-screenshot FRAME:FILE  the same picture as the window shows it, scaled\n"
    "  --frames N                     end normally after N presented frames\n"
    "  --help                         show this text\n";

namespace {

bool ParseCount(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value >= 0;
}

}  // namespace

std::string ParseOptions(const std::vector<std::string>& args, Options& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg != "--data" && arg != "--script" && arg != "--screenshot" && arg != "--shown-screenshot" &&
            arg != "--frames" && arg != "--play")
            return "unknown option: " + arg;
        if (i + 1 >= args.size())
            return "missing value after " + arg;
        const std::string& value = args[++i];
        if (arg == "--data") {
            options.data = value;
        } else if (arg == "--play") {
            options.play = value;
        } else if (arg == "--script") {
            options.script = value;
        } else if (arg == "--frames") {
            if (!ParseCount(value, options.frames))
                return "--frames needs a whole number, not: " + value;
        } else {
            const std::size_t colon = value.find(':');
            Screenshot shot;
            if (colon == std::string::npos || !ParseCount(value.substr(0, colon), shot.frame) ||
                colon + 1 == value.size())
                return arg + " needs FRAME:FILE, not: " + value;
            shot.file = value.substr(colon + 1);
            shot.asShown = arg == "--shown-screenshot";
            options.screenshots.push_back(shot);
        }
    }
    return "";
}
