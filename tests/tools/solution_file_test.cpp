// Stored solutions as text: what a sound file holds, that writing and reading give it back,
// and a message naming the file, the line and the fault for every kind of bad file.
#include "tools/solve/solution_file.h"

#include <gtest/gtest.h>

#include "tests/support/level_builder.h"
#include "tools/levelc/level_source.h"

namespace {

std::string Fault(const std::string& text)
{
    SolutionFile solution;
    solution.letters = "untouched";
    const std::string problem = ParseSolutionFile(text, "07.txt", solution);
    EXPECT_EQ(solution.letters, "untouched") << "a refused file leaves the solution as it was";
    return problem;
}

}  // namespace

TEST(SolutionFile, ReadsStepsFramesRefusalsAndTheProof)
{
    SolutionFile solution;
    ASSERT_EQ(ParseSolutionFile("DDsW\r\n1 17 33 34\r\nproof 812 positions, level 00ff00ff00ff00ff\r\n\r\n", "x",
                                solution),
              "");
    EXPECT_EQ(solution.letters, "DDsW");
    EXPECT_EQ(solution.frames, (std::vector<int>{1, 17, 33, 34}));
    ASSERT_TRUE(solution.proof);
    EXPECT_EQ(solution.proof->positions, 812);
    EXPECT_EQ(solution.proof->level, 0x00ff00ff00ff00ffull);
    EXPECT_EQ(StepCount(solution), 3);

    SolutionFile plain;
    ASSERT_EQ(ParseSolutionFile("SSAD\nproof 3 positions, level 0000000000000001", "x", plain), "");
    EXPECT_TRUE(plain.frames.empty());
    EXPECT_EQ(plain.proof->level, 1u);
}

TEST(SolutionFile, WritesWhatItReads)
{
    SolutionFile solution;
    solution.letters = "WaD";
    solution.frames = {5, 21, 22};
    solution.proof = ParProof{77, 0x1234abcd5678ef90ull};
    const std::string text = FormatSolutionFile(solution);
    EXPECT_EQ(text, "WaD\n5 21 22\nproof 77 positions, level 1234abcd5678ef90\n");
    SolutionFile read;
    ASSERT_EQ(ParseSolutionFile(text, "x", read), "");
    EXPECT_EQ(read.letters, solution.letters);
    EXPECT_EQ(read.frames, solution.frames);
    EXPECT_EQ(read.proof, solution.proof);
    EXPECT_EQ(FormatSolutionFile(SolutionFile{"DS", {}, {}}), "DS\n");
}

TEST(SolutionFile, RefusesEveryBadFileWithItsLineAndFault)
{
    const std::pair<const char*, const char*> bad[] = {
        {"", "07.txt, line 1: no steps"},
        {"\n1 17\n", "07.txt, line 1: no steps"},
        {"DDX\n", "07.txt, line 1: letter 3 is not one of W, D, S and A"},
        {"DD s\n", "07.txt, line 1: letter 3 is not one of"},
        {"DDs\n1 17 33\n", "07.txt, line 1: the last letter is the step into the goal"},
        {"DsD\n", "07.txt, line 1: a refused arrow (lower case) needs the frames"},
        {"DD\n1\n", "07.txt, line 2: 1 frames for 2 letters"},
        {"DD\n1 17 33\n", "07.txt, line 2: 3 frames for 2 letters"},
        {"DD\n0 17\n", "07.txt, line 2: \"0\" is no frame number from 1 to 2000000"},
        {"DD\n1 99999999999\n", "07.txt, line 2: \"99999999999\" is no frame number"},
        {"DD\n1 2000001\n", "07.txt, line 2: \"2000001\" is no frame number"},
        {"DD\n1 16\n", "07.txt, line 2: frame 16 comes less than 16 frames after frame 1"},
        {"dD\n5 5\n", "07.txt, line 2: frame 5 comes less than 1 frame after frame 5"},
        {"DD\n17 1\n", "07.txt, line 2: frame 1 comes less than 16 frames after frame 17"},
        {"DD\n1 -17\n", "07.txt, line 2: neither frames nor \"proof N positions, level F\""},
        {"DD\nproof 12 positions\n", "07.txt, line 2: neither frames nor"},
        {"DD\nproof x positions, level 0000000000000001\n", "07.txt, line 2: the positions of the proof"},
        {"DD\nproof 0 positions, level 0000000000000001\n", "07.txt, line 2: the positions of the proof"},
        {"DD\nproof 5000000000 positions, level 0000000000000001\n", "07.txt, line 2: the positions of the proof"},
        {"DD\nproof 5 positions, level 00000000000000011\n", "07.txt, line 2: the level of the proof is no fingerprint"},
        {"DD\nproof 5 positions, level 000000000000000G\n", "07.txt, line 2: the level of the proof is no fingerprint"},
        {"DD\nproof 5 positions, level 00000000000000AB\n", "07.txt, line 2: the level of the proof is no fingerprint"},
        {"DD\n1 17\nproof 5 positions, level 0000000000000001\nDD\n", "07.txt, line 4: nothing follows"},
        {"DD\n\n1 17\n", "07.txt, line 2: 0 frames for 2 letters"},
    };
    for (const auto& [text, expected] : bad) {
        const std::string problem = Fault(text);
        EXPECT_EQ(problem.rfind(expected, 0), 0u) << "for " << text << ": " << problem;
    }
}

TEST(SolutionFile, TheFingerprintTellsLevelsApart)
{
    LevelData one, other;
    ASSERT_EQ(ParseLevelText(LevelSource({"#####", "#@.*#", "#####"}), "x", one), "");
    ASSERT_EQ(ParseLevelText(LevelSource({"#####", "#@$*#", "#####"}), "x", other), "");
    EXPECT_EQ(LevelFingerprint(one), LevelFingerprint(one));
    EXPECT_NE(LevelFingerprint(one), LevelFingerprint(other));
}
