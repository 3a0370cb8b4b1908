#include "tools/solve/solve_options.h"

#include <charconv>

namespace {

bool WholeNumber(const std::string& text, long& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

// One option with its value; the empty text when it is sound.
std::string TakeValue(const std::string& option, const std::string& value, SolveOptions& options,
                      std::string& frames)
{
    long number = 0;
    if (option == "--limit") {
        if (!WholeNumber(value, number))
            return "--limit needs a whole number above 0, not: " + value;
        options.search.positionLimit = number;
    } else if (option == "--seconds") {
        if (!WholeNumber(value, number) || number > 1'000'000)
            return "--seconds needs a whole number from 1 to 1000000, not: " + value;
        options.search.secondsLimit = static_cast<double>(number);
    } else if (option == "--write") {
        options.write = value;
    } else if (option == "--check") {
        options.checking = true;
        options.solution.letters = value;
    } else if (option == "--frames") {
        frames = value;
    } else {
        options.checking = true;
        options.solutionFile = value;
    }
    return value.empty() ? option + " needs a value" : "";
}

bool TakesValue(const std::string& arg)
{
    return arg == "--limit" || arg == "--seconds" || arg == "--write" || arg == "--check" || arg == "--frames" ||
           arg == "--check-file";
}

}  // namespace

std::string ParseSolveOptions(const std::vector<std::string>& args, SolveOptions& options)
{
    SolveOptions read;
    std::string frames;
    bool hasFrames = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--any") {
            read.search.allCoins = false;
        } else if (arg == "--show") {
            read.show = true;
        } else if (arg == "--shipped") {
            if (i + 2 >= args.size())
                return "--shipped needs the folder of the level sources and the data folder";
            read.shippedSources = args[++i];
            read.shippedData = args[++i];
        } else if (TakesValue(arg)) {
            if (i + 1 == args.size())
                return "missing value after " + arg;
            hasFrames = hasFrames || arg == "--frames";
            if (const std::string problem = TakeValue(arg, args[++i], read, frames); !problem.empty())
                return problem;
        } else if (arg.compare(0, 2, "--") == 0 || !read.level.empty()) {
            return "unexpected argument: " + arg;
        } else {
            read.level = arg;
        }
    }
    const bool shipped = !read.shippedSources.empty();
    if (shipped && (!read.level.empty() || read.checking || !read.write.empty() || read.show || !read.search.allCoins))
        return "--shipped takes only --limit and --seconds";
    if (read.level.empty() && !shipped)
        return "no level given";
    if (!read.solution.letters.empty() && !read.solutionFile.empty())
        return "--check and --check-file exclude each other";
    if (hasFrames && read.solution.letters.empty())
        return "--frames goes with --check";
    if (!read.solution.letters.empty()) {
        const std::string text = read.solution.letters + "\n" + (hasFrames ? frames + "\n" : "");
        if (const std::string problem = ParseSolutionFile(text, "--check", read.solution); !problem.empty())
            return problem;
    }
    options = read;
    return "";
}
