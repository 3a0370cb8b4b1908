#include "frontend/menus.h"

#include <string>

#include "framework/settings.h"
#include "frontend/display_switch.h"
#include "frontend/game_assets.h"
#include "frontend/game_session.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_editor.h"
#include "frontend/level_titles.h"
#include "frontend/level_unlocks.h"
#include "frontend/menu_tables.h"
#include "frontend/own_levels_screen.h"
#include "frontend/par_table.h"
#include "frontend/screen_text.h"
#include "frontend/screen_words.h"
#include "game/game_state.h"
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
// The best result's two lines, and the highlighted level's title and par on either side of
// them, in the room the level pages leave free left and right of the centre.
constexpr int HiscoreCaptionY = 430;
constexpr int HiscoreY = 470;
constexpr int LevelFactsY = 450;
constexpr int TitleMiddleX = 115;
constexpr int ParMiddleX = ScreenWidth - TitleMiddleX;

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
    DrawMenuBand(BandX, static_cast<float>(BandTop + BandPitch * entry), BandWidth, BandPitch, entry == MenuChoice);
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
    DrawCentredShadowText(HiscoreCaption, HiscoreCaptionY);
    DrawCentredShadowText(
        LevelHiscore[level][0] + " - " + IntToText(static_cast<int>(moves.size())), HiscoreY);
}

void DrawShadowTextCentredOn(const std::string& text, int middleX, int y)
{
    TMenu::DrawShadowText(text, middleX - TextWidthOf(text) / 2, y);
}

// The highlighted level's title, when the language file names levels, and its par where it
// is known and the language file has a word for it.
void ShowLevelFacts()
{
    const int level = LevelOfEntry(MenuChoice);
    if (level < 0)
        return;
    if (!Words.level.empty() && !LevelTitles[level].empty())
        DrawShadowTextCentredOn(LevelTitles[level], TitleMiddleX, LevelFactsY);
    if (!Words.par.empty() && LevelPar[level] != UnknownPar)
        DrawShadowTextCentredOn(Words.par + " " + IntToText(LevelPar[level]), ParMiddleX, LevelFactsY);
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
    ShowLevelFacts();
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
    TGame::EnterLevel(level);
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
    } else if (action == EditorAction) {
        EnterEditor();
    } else if (action == MyLevelsAction) {
        EnterOwnLevels();
    } else {
        CurrentMenu = TextToInt(action);
        MenuChoice = 0;
        HelpScrollX = ScreenWidth;
    }
}

// Escape leaves a menu the way its last entry does, when that entry shows another menu, and
// otherwise for the main menu. The main menu has nowhere to go back to.
void GoBack()
{
    if (CurrentMenu == 0)
        return;
    StartSound(SndEnter);
    const std::string last = ActionOfEntry(EntryCount() - 1);
    TakeAction(NamesAMenu(last) ? last : "0");
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
    // Enter wins over an Escape hit in the same frame, which is dropped with it.
    const int enter = KeyPressCount(KeyEnter);
    const int escape = KeyPressCount(KeyEscape);
    if (enter != 0) {
        StartSound(SndEnter);
        TakeAction(ActionOfEntry(MenuChoice));
    } else if (escape != 0) {
        GoBack();
    }
}
