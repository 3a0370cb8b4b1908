#include "tools/solve/solution_file.h"

#include <algorithm>
#include <charconv>

namespace {

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r')
            lines.back() += c;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string ReadFrames(const std::string& line, std::vector<int>& frames)
{
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(line.find(' ', at), line.size());
        const std::string word = line.substr(at, end - at);
        int frame = 0;
        const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), frame);
        if (error != std::errc() || stop != word.data() + word.size() || frame < 1 || frame > LatestSolutionFrame)
            return "\"" + word + "\" is no frame number from 1 to " + std::to_string(LatestSolutionFrame);
        if (!frames.empty() && frame < frames.back() + StepFrameCount) {
            return "frame " + word + " comes less than " + std::to_string(StepFrameCount) + " frames after frame " +
                   std::to_string(frames.back());
        }
        frames.push_back(frame);
        at = end;
    }
    return "";
}

}  // namespace

std::string ParseSolutionFile(const std::string& text, const std::string& fileName, SolutionFile& solution)
{
    const std::vector<std::string> lines = LinesOf(text);
    const auto at = [&](int line) { return fileName + ", line " + std::to_string(line) + ": "; };
    if (lines.empty() || lines[0].empty())
        return at(1) + "no steps";
    if (lines.size() > 2)
        return at(3) + "a solution has two lines at most: its steps and their frames";
    SolutionFile read;
    read.letters = lines[0];
    if (const std::size_t wrong = read.letters.find_first_not_of("WDSA"); wrong != std::string::npos)
        return at(1) + "step " + std::to_string(wrong + 1) + " is not one of W, D, S and A";
    if (lines.size() == 2) {
        if (const std::string problem = ReadFrames(lines[1], read.frames); !problem.empty())
            return at(2) + problem;
        if (read.frames.size() != read.letters.size()) {
            return at(2) + std::to_string(read.frames.size()) + " frames for " + std::to_string(read.letters.size()) +
                   " steps";
        }
    }
    solution = read;
    return "";
}

std::string FormatSolutionFile(const SolutionFile& solution)
{
    std::string text = solution.letters + "\n";
    if (solution.frames.empty())
        return text;
    for (std::size_t i = 0; i < solution.frames.size(); ++i)
        text += (i > 0 ? " " : "") + std::to_string(solution.frames[i]);
    return text + "\n";
}
