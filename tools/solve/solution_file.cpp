#include "tools/solve/solution_file.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>

namespace {

// Raised whenever the model of the rules changes what it proves: every stored proof then
// has to be made again.
constexpr char ModelVersion[] = "tindlewick world model 1";
constexpr char ProofWord[] = "proof ";
constexpr char PositionsWords[] = " positions, level ";
constexpr int FingerprintDigits = 16;
constexpr long MostPositions = 4'000'000'000L;

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

std::string ReadFrames(const std::string& line, const std::string& letters, std::vector<int>& frames)
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
        if (!frames.empty() && frames.size() <= letters.size()) {
            const bool afterStep = IsStepLetter(letters[frames.size() - 1]);
            const int gap = afterStep ? StepFrameCount : 1;
            if (frame < frames.back() + gap) {
                return "frame " + word + " comes less than " + std::to_string(gap) + (afterStep ? " frames" : " frame") +
                       " after frame " + std::to_string(frames.back());
            }
        }
        frames.push_back(frame);
        at = end;
    }
    return "";
}

// "proof N positions, level HEX".
std::string ReadProof(const std::string& line, ParProof& proof)
{
    const std::string shape = "neither frames nor \"proof N positions, level F\" with F of " +
                              std::to_string(FingerprintDigits) + " hexadecimal digits";
    if (line.compare(0, sizeof(ProofWord) - 1, ProofWord) != 0)
        return shape;
    const std::size_t words = line.find(PositionsWords);
    if (words == std::string::npos)
        return shape;
    const char* first = line.data() + sizeof(ProofWord) - 1;
    const char* last = line.data() + words;
    const auto [stop, error] = std::from_chars(first, last, proof.positions);
    if (error != std::errc() || stop != last || first == last || proof.positions < 1 || proof.positions > MostPositions)
        return "the positions of the proof are no whole number from 1 to " + std::to_string(MostPositions);
    const std::string hex = line.substr(words + sizeof(PositionsWords) - 1);
    const bool hexadecimal = hex.size() == FingerprintDigits &&
                             hex.find_first_not_of("0123456789abcdef") == std::string::npos;
    if (!hexadecimal)
        return "the level of the proof is no fingerprint of " + std::to_string(FingerprintDigits) +
               " hexadecimal digits (0 to 9, a to f)";
    std::from_chars(hex.data(), hex.data() + hex.size(), proof.level, 16);
    return "";
}

bool IsFramesLine(const std::string& line)
{
    return line.find_first_not_of("0123456789 ") == std::string::npos;
}

}  // namespace

uint64_t LevelFingerprint(const LevelData& level)
{
    const std::string bytes = EncodeLevel(level) + ModelVersion;
    uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string ParseSolutionFile(const std::string& text, const std::string& fileName, SolutionFile& solution)
{
    const std::vector<std::string> lines = LinesOf(text);
    const auto at = [&](std::size_t line) { return fileName + ", line " + std::to_string(line + 1) + ": "; };
    if (lines.empty() || lines[0].empty())
        return at(0) + "no steps";
    SolutionFile read;
    read.letters = lines[0];
    if (const std::size_t wrong = read.letters.find_first_not_of("WDSAwdsa"); wrong != std::string::npos)
        return at(0) + "letter " + std::to_string(wrong + 1) + " is not one of W, D, S and A (or w, d, s and a)";
    if (!IsStepLetter(read.letters.back()))
        return at(0) + "the last letter is the step into the goal, in upper case";
    std::size_t line = 1;
    if (line < lines.size() && IsFramesLine(lines[line])) {
        if (const std::string problem = ReadFrames(lines[line], read.letters, read.frames); !problem.empty())
            return at(line) + problem;
        if (read.frames.size() != read.letters.size()) {
            return at(line) + std::to_string(read.frames.size()) + " frames for " + std::to_string(read.letters.size()) +
                   " letters";
        }
        ++line;
    }
    if (read.frames.empty() && read.letters.find_first_of("wdsa") != std::string::npos)
        return at(0) + "a refused arrow (lower case) needs the frames of a second line";
    if (line < lines.size()) {
        ParProof proof;
        if (const std::string problem = ReadProof(lines[line], proof); !problem.empty())
            return at(line) + problem;
        read.proof = proof;
        ++line;
    }
    if (line < lines.size())
        return at(line) + "nothing follows the steps, their frames and the proof";
    solution = read;
    return "";
}

int StepCount(const SolutionFile& solution)
{
    return static_cast<int>(std::count_if(solution.letters.begin(), solution.letters.end(), IsStepLetter));
}

std::string FormatSolutionFile(const SolutionFile& solution)
{
    std::string text = solution.letters + "\n";
    for (std::size_t i = 0; i < solution.frames.size(); ++i)
        text += (i > 0 ? " " : "") + std::to_string(solution.frames[i]) + (i + 1 == solution.frames.size() ? "\n" : "");
    if (solution.proof) {
        char hex[FingerprintDigits + 1];
        std::snprintf(hex, sizeof(hex), "%016" PRIx64, solution.proof->level);
        text += ProofWord + std::to_string(solution.proof->positions) + PositionsWords + hex + "\n";
    }
    return text;
}
