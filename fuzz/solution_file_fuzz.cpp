// Stored solutions: whatever the text, the reader takes it whole or names what is wrong; a
// solution it takes holds only direction letters, ends in a step, has a frame for every
// letter in the order the rules allow, and is written back to text it reads the same.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "tools/solve/solution_file.h"

FUZZ_TARGET(solution_file)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    SolutionFile solution;
    if (!ParseSolutionFile(text, "fuzz.txt", solution).empty())
        return;
    FuzzCheck(!solution.letters.empty() && IsStepLetter(solution.letters.back()), "a solution ends in a step");
    FuzzCheck(solution.letters.find_first_not_of("WDSAwdsa") == std::string::npos, "only direction letters");
    FuzzCheck(solution.frames.empty() || solution.frames.size() == solution.letters.size(), "a frame per letter");
    for (std::size_t i = 1; i < solution.frames.size(); ++i) {
        const int gap = IsStepLetter(solution.letters[i - 1]) ? StepFrameCount : 1;
        FuzzCheck(solution.frames[i] >= solution.frames[i - 1] + gap, "frames leave room for each step");
    }
    SolutionFile again;
    FuzzCheck(ParseSolutionFile(FormatSolutionFile(solution), "again.txt", again).empty(), "its text reads back");
    FuzzCheck(again.letters == solution.letters && again.frames == solution.frames && again.proof == solution.proof,
              "its text reads back the same");
}
