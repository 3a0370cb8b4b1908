// tindlewick-sim and tindlewick-levelc as level designers run them.
#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

namespace {

ChildRun RunTool(const std::string& tool, const std::string& arguments)
{
    std::vector<std::string> argv = SplitArguments(arguments);
    argv.insert(argv.begin(), std::string(TINDLEWICK_BUILD_DIR) + "/tools/" + tool);
    return RunToEnd(argv);
}

ChildRun Simulate(const std::string& arguments)
{
    return RunTool("sim/tindlewick-sim", arguments);
}

bool Has(const ChildRun& outcome, const std::string& text)
{
    return outcome.output.find(text) != std::string::npos;
}

class Simulator : public ::testing::Test {
protected:
    std::string Level(const std::vector<std::string>& rows, const std::string& title = "Sim")
    {
        const std::string path = folder.File("level.lev");
        WriteLevel(path, rows, {}, title);
        return path;
    }

    TempDir folder;
};

}  // namespace

TEST_F(Simulator, AReplayIntoTheGoalRecordsTheFinishAndStopsThatFrame)
{
    const ChildRun run = Simulate(Level({"#######", "#@k.*.#"}, "K\xe4yt\xe4v\xe4") + " --moves DDDD");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Has(run, "{\"frames\": 33, \"title\": \"K\\u00e4yt\\u00e4v\\u00e4\", \"keys_in_level\": 1, "
                         "\"coins_in_level\": 0, \"moves\": 3, \"record\": \"DDD\", \"keys_taken\": 0, "
                         "\"coins_taken\": 0, \"goal_open\": 0, \"particles\": 0, "
                         "\"finished\": {\"frame\": 33, \"moves\": 2, \"record\": \"DD\", "
                         "\"keys_taken\": 1, \"coins_taken\": 0, \"frames\": [1, 17]}"))
        << run.output;
    EXPECT_TRUE(Has(run, "{\"kind\": \"WALLY\", \"x\": 50, \"y\": 25, \"variant\": 0}"));
    EXPECT_TRUE(Has(run, "{\"kind\": \"GOAL\", \"x\": 178, \"y\": 57}"));
    // The finish seam reset the player, which the step into the goal then moved 2 pixels.
    EXPECT_TRUE(Has(run, "{\"kind\": \"0\", \"x\": 2, \"y\": 0}]}"));
}

TEST_F(Simulator, AKeyScriptHoldsKeysFrameByFrameAndRunsUntilAllIsStill)
{
    // Right for 16 frames is one step; Up and Left together try only Up, into the wall.
    const ChildRun run = Simulate(Level({"#####", "#@.o.#"}) + " --keys \"R16 -4 UL1\"");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Has(run, "{\"frames\": 21, ")) << run.output;
    EXPECT_TRUE(Has(run, "\"moves\": 1, \"record\": \"D\""));
    EXPECT_TRUE(Has(run, "{\"kind\": \"PLAYER\", \"x\": 114, \"y\": 57, \"moving\": 0, \"facing\": 1, "
                         "\"frame\": 0, \"idle\": 5}"));
    EXPECT_TRUE(Has(run, "\"finished\": null"));
}

TEST_F(Simulator, FramesStopTheRunWhateverIsMoving)
{
    const std::string level = Level({"#######", "#@o..$#", "#aA####"});
    const ChildRun run = Simulate(level + " --keys R1 --frames 10");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Has(run, "{\"frames\": 10, "));
    EXPECT_TRUE(Has(run, "{\"kind\": \"BOULDER\", \"x\": 132, \"y\": 57, \"moving\": 1, \"facing\": 1, \"angle\": 27}"))
        << run.output;
    EXPECT_TRUE(Has(run, "{\"kind\": \"BUTTYA\", \"x\": 82, \"y\": 89, \"color\": 0, \"pressed\": 0, \"hold\": 0}"));
    EXPECT_TRUE(Has(run, "{\"kind\": \"COIN\", \"x\": 210, \"y\": 57, \"scale\": 1.09"));
    // Nothing held at all: the level as loaded, after no frame.
    EXPECT_TRUE(Has(Simulate(level), "{\"frames\": 0, "));
}

TEST_F(Simulator, BadArgumentsGiveTheUsageAndStatusTwo)
{
    const std::string level = Level({"#@#"});
    for (const std::string& arguments :
         {std::string(""), level + " --moves DX", level + " --keys R0", level + " --keys Q3",
          level + " --moves D --keys R1", level + " --frames -1", level + " --speed 2", level + " " + level}) {
        const ChildRun run = Simulate(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(Has(run, "usage: tindlewick-sim LEVEL_FILE [--moves LETTERS | --keys SCRIPT] [--frames N]"))
            << arguments;
    }
}

TEST_F(Simulator, UndoRedoAndRestartHitsLandInTheNextFrame)
{
    const std::string level = Level({"########", "#@$..*.#"});
    // The second step, decided in frame 27, is undone in frame 68, which runs as frame 27
    // again with nothing held; the step is made anew in frame 28 of the run as it stands.
    ChildRun run = Simulate(level + " --keys \"R16 -10 R1 -40 undo -1 R60\"");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Has(run, "\"record\": \"DDD\", \"keys_taken\": 0, \"coins_taken\": 1, \"frames\": [1, 28, 44]}"))
        << run.output;
    // Redone, it keeps its frame.
    run = Simulate(level + " --keys \"R16 -10 R1 -40 undo -1 redo R60\"");
    EXPECT_TRUE(Has(run, "\"frames\": [1, 27, 43]}")) << run.output;
    // Hits in one frame are taken restart first, then the undos, then the redos; an undo at
    // the end of the script lands in the frame after it.
    run = Simulate(level + " --keys \"R16 redo undo -1\"");
    EXPECT_TRUE(Has(run, "\"moves\": 1, \"record\": \"D\"")) << run.output;
    run = Simulate(level + " --keys \"R40 undo\"");
    EXPECT_TRUE(Has(run, "\"moves\": 2, \"record\": \"DD\", \"keys_taken\": 0, \"coins_taken\": 1")) << run.output;
    run = Simulate(level + " --keys \"R40 undo restart -1\"");
    EXPECT_TRUE(Has(run, "{\"frames\": 41, ")) << run.output;
    EXPECT_TRUE(Has(run, "\"moves\": 0, \"record\": \"\", \"keys_taken\": 0, \"coins_taken\": 0")) << run.output;
    EXPECT_TRUE(Has(run, "{\"kind\": \"COIN\", \"x\": 114, \"y\": 57"));
}

TEST_F(Simulator, FramesGivenWithTheLettersReplayFrameForFrame)
{
    // Pushed at once from the active button, the boulder rolls through the gate to the far
    // wall; pushed after a wait, it stays beside the button.
    const std::string level = Level({"########", "#@aoA..#"});
    ChildRun run = Simulate(level + " --moves DD");
    EXPECT_TRUE(Has(run, "{\"kind\": \"BOULDER\", \"x\": 242, \"y\": 57, \"moving\": 0")) << run.output;
    run = Simulate(level + " --moves DD --at 1,60");
    EXPECT_TRUE(Has(run, "{\"kind\": \"BOULDER\", \"x\": 146, \"y\": 57, \"moving\": 0")) << run.output;
    EXPECT_TRUE(Has(run, "{\"frames\": 75, ")) << run.output;
    run = Simulate(level + " --at 1,60 --moves DD");
    EXPECT_TRUE(Has(run, "{\"frames\": 75, ")) << "in either order";
}

TEST_F(Simulator, BadFramesAndKeyItemsAreNamed)
{
    const std::string level = Level({"#@#"});
    for (const auto& [arguments, message] : std::vector<std::pair<std::string, std::string>>{
             {" --at 3", "--at needs --moves"},
             {" --keys R1 --at 3", "--at needs --moves"},
             {" --moves DD --at 1", "--at: 1 frame for 2 steps, for --moves DD"},
             {" --moves DD --at 5,3", "--at: frame 3 after frame 5, for --moves DD"},
             {" --moves DD --at 0,3", "--at: frame 0, where frames count from 1, for --moves DD"},
             {" --moves DD --at 1,x", "--at: \"x\" is not a frame number, for --moves DD"},
             {" --moves D --at 1 --at 2", "give --at once"},
             {" --keys undo2", "--keys: bad item \"undo2\""},
             {" --keys Undo", "--keys: bad item \"Undo\""}}) {
        const ChildRun run = Simulate(level + arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(Has(run, "tindlewick-sim: " + message)) << arguments << "\n" << run.output;
    }
}

TEST_F(Simulator, ALevelThatCannotBeLoadedEndsAsTheGameWould)
{
    ChildRun run = Simulate(folder.File("none.lev"));
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.output, "Failed to open map file from: " + folder.File("none.lev") + "\n");
    WriteFileBytes(folder.File("short.lev"), std::string("\x02\0\0\0", 4));
    run = Simulate(folder.File("short.lev"));
    EXPECT_EQ(run.status, 255);
    EXPECT_TRUE(Has(run, "short.lev is truncated: it holds 4 bytes where 1118 are needed")) << run.output;
}

TEST_F(Simulator, TheLevelCompilerTurnsTextIntoLevelsAndBack)
{
    const std::string source = LevelSource({"#####", "#@$D*#"}, {"D = floor:2 active:1 key"}, "Round");
    WriteFileBytes(folder.File("round.txt"), source);
    ChildRun run = RunTool("levelc/tindlewick-levelc", "compile " + folder.File("round.txt") + " " + folder.File("round.lev"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(ReadFileBytes(folder.File("round.lev")), LevelBytes({"#####", "#@$D*#"}, {"D = floor:2 active:1 key"}, "Round"));
    run = RunTool("levelc/tindlewick-levelc", "text " + folder.File("round.lev"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, source);

    WriteFileBytes(folder.File("bad.txt"), LevelSource({"#?"}));
    run = RunTool("levelc/tindlewick-levelc", "compile " + folder.File("bad.txt") + " " + folder.File("bad.lev"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "tindlewick-levelc: " + folder.File("bad.txt") +
                              ":2:2: unknown symbol '?' (neither built in nor in the legend)\n");
    EXPECT_EQ(RunTool("levelc/tindlewick-levelc", "").status, 2);
}
