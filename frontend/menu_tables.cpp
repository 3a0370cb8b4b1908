#include "frontend/menu_tables.h"

#include "framework/log.h"
#include "framework/settings.h"
#include "frontend/display_switch.h"
#include "frontend/game_assets.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_unlocks.h"
#include "media/core/text.h"

int NumberOfMenus = 0;
std::array<std::string, MaxMenus> MenuTitle;
std::array<std::string, MaxMenus> MenuHelpText;
std::array<int, MaxMenus> MenuEntryCount{};
std::array<std::array<std::string, MaxMenuEntries>, MaxMenus> MenuEntryText;
std::array<std::array<std::string, MaxMenuEntries>, MaxMenus> MenuEntryAction;
std::string HiscoreCaption;
int MusicOn = 0;

namespace {

std::string UpperSetting(const std::string& key)
{
    return UpperText(ReadSettingStr(key));
}

// A count read from the language file that must lie within 0 to `most`.
int ReadCount(const std::string& key, int most, const std::string& what)
{
    const int count = ReadSettingInt(key);
    if (count < 0 || count > most) {
        LogFatal(SettingsFileName + ": the key \"" + key + "\" is " + IntToText(count) +
                 ", but the game has room for " + IntToText(most) + " " + what + " at most.");
    }
    return count;
}

// Any other action names the menu it shows; an empty one stands for menu 0.
void CheckAction(const std::string& key, const std::string& action)
{
    if (!NamesAMenu(action))
        return;
    const int menu = TextToInt(action);
    if (menu < 0 || menu >= NumberOfMenus) {
        LogFatal(SettingsFileName + ": the key \"" + key + "\" names menu " + IntToText(menu) +
                 ", but the file defines menus 0 to " + IntToText(NumberOfMenus - 1) + ".");
    }
}

void ReadMenu(int m)
{
    const std::string menu = IntToText(m);
    MenuTitle[m] = UpperSetting("Menu" + menu);
    MenuEntryCount[m] = ReadCount(menu + ".c", MaxMenuEntries, "entries in a menu");
    MenuHelpText[m] = UpperSetting(menu + ".ltext");
    for (int e = 0; e < MenuEntryCount[m]; ++e) {
        const std::string entry = menu + "." + IntToText(e);
        MenuEntryText[m][e] = UpperSetting(entry);
        MenuEntryAction[m][e] = UpperSetting(entry + ".action");
        CheckAction(entry + ".action", MenuEntryAction[m][e]);
    }
}

std::string ReadHiscoreCaption()
{
    ScopedSettingsFile language(LanguageFile());
    return UpperSetting("Hiscore");
}

void ShowMusicSwitch()
{
    std::string& caption = MenuEntryText[SwitchMenu][MusicEntry];
    if (MusicOn != 0) {
        // The music is first heard here.
        ContinueChannel(MusicChannel);
        caption += std::string(" ") + Texts().musicOn;
    } else {
        caption += std::string(" ") + Texts().musicOff;
        HaltChannel(MusicChannel);
    }
}

// What the display really shows, which may not be what the settings asked for.
void ShowDisplaySwitch()
{
    MenuEntryText[SwitchMenu][DisplayEntry] +=
        std::string(" ") + (ShowsFullScreen() ? Texts().fullScreen : Texts().windowed);
}

}  // namespace

bool NamesAMenu(const std::string& action)
{
    return action != "START" && action != "END" && action != "CHANGE_MUS" && action != "CHANGE_DISP" &&
           action != EditorAction && action != MyLevelsAction;
}

void TMenu::LoadMenus()
{
    NumberOfMenus = ReadCount("Number_of_menus", MaxMenus, "menus");
    for (int m = 0; m < NumberOfMenus; ++m)
        ReadMenu(m);
    HiscoreCaption = ReadHiscoreCaption();

    MusicOn = ReadSettingInt("Music");
    ReadLastLevel();
    ReadLevelFlags();
    ReadHiscoreTable();
    ShowMusicSwitch();
    ShowDisplaySwitch();
}
