#include "frontend/level_file_play.h"

#include <filesystem>

#include "game/level_loader.h"

std::string ProblemSentence(LevelProblem problem)
{
    switch (problem) {
    case LevelProblem::NoStart: return "it has no start for the player";
    case LevelProblem::NoGoal: return "it has no goal";
    case LevelProblem::BoxedIn: return "walls box the player in at the start";
    case LevelProblem::GoalWalledOff: return "walls keep the player from the goal";
    case LevelProblem::KeyWalledOff: return "walls keep the player from a key";
    default: return "the goal asks for more keys than the level holds";
    }
}

std::string ReadPlayableLevel(const std::string& path, LevelData& level)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return "Level file " + path + " is a folder, not a level file.";
    LevelData read;
    if (std::string fault = ReadLevelFile(path, read); !fault.empty())
        return fault + ".";
    const std::vector<LevelProblem> problems = CheckLevel(read);
    if (!problems.empty())
        return "Level file " + path + " cannot be played: " + ProblemSentence(problems.front()) + ".";
    level = read;
    return "";
}
