#include "frontend/level_unlocks.h"

#include "framework/log.h"
#include "framework/settings.h"
#include "media/core/text.h"

int LastLevel = 0;
std::array<int, LevelSlots> LevelUnlocked{};

void ReadLastLevel()
{
    const int levels = ReadSettingInt("Levels");
    // Every table of levels has LevelSlots places; a larger value would read and write past
    // their ends.
    if (levels < 0 || levels >= LevelSlots) {
        LogFatal(SettingsFileName + ": the key \"Levels\" is " + IntToText(levels) +
                 ", but the highest level number the game has room for is " +
                 IntToText(LevelSlots - 1) + ".");
    }
    LastLevel = levels;
}

void ReadLevelFlags()
{
    for (int level = 0; level <= LastLevel; ++level)
        LevelUnlocked[level] = ReadSettingInt(IntToText(level));
}

void UnlockLevelAfter(int level)
{
    const int next = level + 1;
    // The last level has no next one in the table; its key is written all the same, where it
    // does no harm.
    if (next >= 0 && next < LevelSlots)
        LevelUnlocked[next] = 1;
    WriteSetting(IntToText(next), "1");
}
