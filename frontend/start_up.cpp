#include "frontend/start_up.h"

#include "framework/log.h"
#include "frontend/display_switch.h"
#include "frontend/finish_screen.h"
#include "frontend/game_assets.h"
#include "frontend/game_session.h"
#include "frontend/language_screen.h"
#include "frontend/level_titles.h"
#include "frontend/main_loop.h"
#include "frontend/menu_tables.h"
#include "frontend/par_table.h"
#include "frontend/remembered_language.h"
#include "frontend/screen_words.h"
#include "game/game_state.h"
#include "game/items.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"

int Main(const LevelData* playOnly)
{
    static bool started = false;
    if (started)
        return 0;
    started = true;

    // Every global of the game starts with its static value; the goal only needs to know
    // what finishing a level means.
    FinishSequence = RunFinishSequence;
    SetWindowTitle("Tindlewick");
    HidePointer();
    LoadSounds();
    LoadGameAssets(0);
    EnableDisplaySwitchKeys();
    LoadFlagImages();
    SetBackdropColor(255, 255, 255);
    ShowBackdropAroundThePicture();
    LoadScreenImages();
    SelectFont(FontLarge);

    const int selection = playOnly ? RememberedLanguage() : RunLanguageScreen(RememberedLanguage());
    if (!playOnly) {
        StartSound(SndEnter);
        RememberLanguage(selection);
    }
    ChooseLanguage(selection);
    // The Enter that chose the language must not act on the menu.
    ResetKeyboard();
    TMenu::LoadMenus();
    ReadScreenWords();
    ReadLevelTitles();
    ReadParTable();

    GameState = StateMenu;
    if (playOnly) {
        GameState = StatePlay;
        TGame::EnterOwnLevel(*playOnly, LevelOrigin::CommandLine);
        HaltChannel(MusicChannel);
    }
    SetDrawColor(255, 255, 255);
    RunMainLoop();
    LogNote("Terminating normally");
    return 0;
}
