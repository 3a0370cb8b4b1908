#include "frontend/menus.h"

#include <string>

#include "framework/settings.h"
#include "frontend/display_switch.h"
#include "frontend/game_assets.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_unlocks.h"
#include "frontend/menu_tables.h"
#include "frontend/screen_text.h"
#include "game/game_state.h"
#include "game/level_format.h"
#include "game/level_loader.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"

int CurrentMenu = 0;
int MenuChoice = 0;
int HelpScrollX = ScreenWidth;
int CurrentLevel = 0;

namespace {

constexpr char CreditLine[] = "Tindlewick - made by the Tindlewick team";

// Entry bands: 400 pixels wide from x = 200, 35 pixels apart from y = 143.
constexpr int BandX = 200;
constexpr int BandWidth = 400;
constexpr int BandTop = 143;
constexpr int BandPitch = 35;
constexpr int FirstLevelPage = 3;
constexpr int LevelsPerPage = 5;

int EntryCount()
{
    return MenuEntryCount[CurrentMenu];
}

// The level an entry of the current menu stands for, or -1 for an entry that is no level.
int LevelOfEntry(int entry)
{
    if (CurrentMenu < FirstLevelPage || entry < 0 || entry >= LevelsPerPage)
        return -1;
    return LevelsPerPage * (CurrentMenu - FirstLevelPage) + entry;
}

// Past the last entry, as after the finish sequence moved the highlight on, an entry has
// the empty action, which shows menu 0.
std::string ActionOfEntry(int entry)
{
    if (entry < 0 || entry >= MaxMenuEntries)
        return "";
    return MenuEntryAction[CurrentMenu][entry];
}

void DrawCreditLine()
{
    SelectFont(FontSmall);
    SetDrawColor(255, 255, 255);
    TMenu::DrawShadowText(CreditLine, 795 - TextWidthOf(CreditLine), 595 - TextHeightOf("QVZ"));
    SelectFont(FontLarge);
}

// The help line scrolls right to left, 2 pixels a frame, and comes back in at the right
// edge once it has left the screen entirely.
void DrawHelpLine()
{
    const std::string& help = MenuHelpText[CurrentMenu];
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.4f);
    FillRect(0, 516, ScreenWidth, static_cast<float>(TextHeightOf(help)));
    SetDrawColor(255, 255, 255);
    SetDrawAlpha(1);
    TMenu::DrawShadowText(help, HelpScrollX, 520);
    HelpScrollX -= 2;
    if (HelpScrollX < -TextWidthOf(help))
        HelpScrollX = ScreenWidth;
}

void DrawBand(int entry)
{
    const float top = static_cast<float>(BandTop + BandPitch * entry);
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.4f);
    FillRect(BandX, top, BandWidth, BandPitch);
    SetDrawAlpha(1);
    SetDrawColor(255, 255, 255);
    if (entry == MenuChoice) {
        SetDrawAlpha(0.5f);
        FillRect(BandX, top + 2, BandWidth, 32);
        SetDrawAlpha(1);
    }
}

// The highlighted level's record holder and number of steps, when it is unlocked and has
// a record; F1 plays the record back.
void ShowBestResult()
{
    const int level = LevelOfEntry(MenuChoice);
    if (level < 0 || LevelUnlocked[level] == 0 || LevelHiscore[level][0] == "NONE")
        return;
    if (KeyPressCount(KeyF1) != 0)
        StartReplay(level);
    const std::string& moves = LevelHiscore[level][1];
    DrawCentredShadowText(HiscoreCaption, 430);
    DrawCentredShadowText(
        LevelHiscore[level][0] + " - " + IntToText(static_cast<int>(moves.size())), 470);
}

void DrawEntries()
{
    for (int entry = 0; entry < EntryCount(); ++entry) {
        DrawBand(entry);
        const int level = LevelOfEntry(entry);
        if (level >= 0 && LevelUnlocked[level] == 0)
            SetDrawColor(125, 125, 125);
        const std::string& caption = MenuEntryText[CurrentMenu][entry];
        TMenu::DrawShadowText(caption, CentredX(caption), 150 + BandPitch * entry);
    }
    SetDrawColor(255, 255, 255);
    ShowBestResult();
}

void DrawFrameLines()
{
    SetDrawColor(0, 0, 0);
    FillRect(BandX, BandTop, BandWidth, 2);
    FillRect(BandX, static_cast<float>(BandTop - 1 + BandPitch * EntryCount()), BandWidth, 2);
    SetDrawColor(255, 255, 255);
}

// From one past the last entry (after a finished level), Down comes to the first entry and
// Up to the last.
void MoveHighlight()
{
    const int count = EntryCount();
    if (KeyPressCount(KeyDown) != 0) {
        MenuChoice = MenuChoice + 1 >= count ? 0 : MenuChoice + 1;
        StartSound(SndSelect);
    } else if (KeyPressCount(KeyUp) != 0) {
        MenuChoice = MenuChoice - 1 < 0 ? count - 1 : MenuChoice - 1;
        if (MenuChoice < 0)
            MenuChoice = 0;
        StartSound(SndSelect);
    }
}

// The key of a locked level is read afresh: only "1" in "Settings.ini" lets it be played.
void StartLevel()
{
    const int level = LevelsPerPage * (CurrentMenu - FirstLevelPage) + MenuChoice;
    if (ReadSettingInt(IntToText(level)) != 1)
        return;
    GameState = StatePlay;
    Map::Load(LevelFilePath(level));
    CurrentLevel = level;
    HaltChannel(MusicChannel);
}

void SwitchMusic()
{
    std::string& caption = MenuEntryText[SwitchMenu][MusicEntry];
    if (MusicOn == 0) {
        caption = ReplaceAll(caption, Texts().musicOff, Texts().musicOn);
        ContinueChannel(MusicChannel);
        MusicOn = 1;
        WriteSetting("music", "1");
    } else {
        MusicOn = 0;
        WriteSetting("music", "0");
        caption = ReplaceAll(caption, Texts().musicOn, Texts().musicOff);
        HaltChannel(MusicChannel);
    }
}

void TakeAction(const std::string& action)
{
    if (action == "START") {
        StartLevel();
    } else if (action == "END") {
        GameState = StateQuit;
    } else if (action == "CHANGE_MUS") {
        SwitchMusic();
    } else if (action == "CHANGE_DISP") {
        SwitchDisplayFromMenu();
    } else {
        CurrentMenu = TextToInt(action);
        MenuChoice = 0;
        HelpScrollX = ScreenWidth;
    }
}

}  // namespace

void TMenu::Run()
{
    DrawMenuBackground();
    DrawCreditLine();
    DrawHelpLine();
    DrawShadowText(MenuTitle[CurrentMenu], 200, 120);
    DrawEntries();
    DrawFrameLines();
    MoveHighlight();
    if (KeyPressCount(KeyEnter) != 0) {
        StartSound(SndEnter);
        TakeAction(ActionOfEntry(MenuChoice));
    }
}
