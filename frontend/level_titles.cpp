#include "frontend/level_titles.h"

#include "framework/log.h"
#include "frontend/screen_words.h"
#include "game/level_format.h"
#include "game/level_loader.h"
#include "media/core/text.h"

std::array<std::string, LevelSlots> LevelTitles;

namespace {

std::string TitleInLevelFile(int level)
{
    LevelData data;
    const std::string problem = ReadLevelFile(LevelFilePath(level), data);
    if (!problem.empty()) {
        LogWarning(problem + ": level " + IntToText(level) + " is shown without a title");
        return "";
    }
    return UpperText(data.title);
}

}  // namespace

void ReadLevelTitles()
{
    LevelTitles.fill("");
    for (int level = 0; level <= LastLevel; ++level) {
        LevelTitles[level] = Words.titles[level].empty() ? TitleInLevelFile(level) : Words.titles[level];
    }
}

std::string LevelName(int level)
{
    if (Words.level.empty() || level < 0 || level >= LevelSlots)
        return "";
    const std::string name = Words.level + " " + IntToText(level + 1);
    return LevelTitles[level].empty() ? name : name + ": " + LevelTitles[level];
}
