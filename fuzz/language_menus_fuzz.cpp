// Language files: the menus read from a fuzzed language file, with the level flags and best
// results read from a fuzzed "Settings.ini" and "Hiscores.dat" beside it. The first byte
// chooses the language; the rest is the three files, split at "\n%%\n". Whatever they hold,
// the menus fit the game's tables and every action names something a menu can do, or the
// program stops with a message naming the file at fault.
#include "framework/settings.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_unlocks.h"
#include "frontend/menu_tables.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "media/core/text.h"

namespace {

bool NamesAFile(const std::string& message, const std::string& languageFile)
{
    for (const std::string& file : {languageFile, std::string(SettingsIniFile), std::string(HiscoresFile)}) {
        if (message.starts_with(file + ": "))
            return true;
    }
    return false;
}

bool ActionFits(const std::string& action)
{
    if (action == "START" || action == "END" || action == "CHANGE_MUS" || action == "CHANGE_DISP")
        return true;
    const int menu = TextToInt(action);
    return menu >= 0 && menu < NumberOfMenus;
}

void CheckTables()
{
    FuzzCheck(NumberOfMenus >= 0 && NumberOfMenus <= MaxMenus, "the menus fit their table");
    FuzzCheck(LastLevel >= 0 && LastLevel < LevelSlots, "the levels fit their tables");
    for (int m = 0; m < NumberOfMenus; ++m) {
        FuzzCheck(MenuEntryCount[m] >= 0 && MenuEntryCount[m] <= MaxMenuEntries, "a menu's entries fit");
        for (int e = 0; e < MenuEntryCount[m]; ++e) {
            FuzzCheck(MenuEntryText[m][e] == UpperText(MenuEntryText[m][e]), "captions are in capitals");
            FuzzCheck(ActionFits(MenuEntryAction[m][e]), "every action is one a menu can carry out");
        }
    }
}

}  // namespace

FUZZ_TARGET(language_menus)
{
    FuzzInput input(data, size);
    Language = input.Byte() & 1 ? "Finnish" : "English";
    const std::string rest = input.Rest();
    const std::vector<std::string> files =
        SplitInput(reinterpret_cast<const uint8_t*>(rest.data()), rest.size(), "\n%%\n", 3);
    const std::string languageFile = LanguageFile();
    InFuzzFolder inside;
    const std::string names[3] = {languageFile, SettingsIniFile, HiscoresFile};
    for (int i = 0; i < 3; ++i)
        WriteFuzzFile(names[i], reinterpret_cast<const uint8_t*>(files[i].data()), files[i].size());

    SetSettingsFile(languageFile);
    const std::string error = CatchFatal([] { TMenu::LoadMenus(); });
    SetSettingsFile(SettingsIniFile);
    if (!error.empty()) {
        FuzzCheck(NamesAFile(error, languageFile), "a refused file is named in the message");
        return;
    }
    CheckTables();
}
