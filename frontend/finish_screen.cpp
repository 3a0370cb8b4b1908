#include "frontend/finish_screen.h"

#include <algorithm>
#include <string>

#include "framework/particles.h"
#include "framework/settings.h"
#include "frontend/close_request.h"
#include "frontend/game_assets.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_unlocks.h"
#include "frontend/menu_tables.h"
#include "frontend/menus.h"
#include "frontend/name_entry.h"
#include "frontend/own_level_files.h"
#include "frontend/own_records.h"
#include "frontend/pad_keys.h"
#include "frontend/pad_name_entry.h"
#include "frontend/par_table.h"
#include "frontend/played_level.h"
#include "frontend/run_summary.h"
#include "frontend/screen_text.h"
#include "frontend/screen_words.h"
#include "game/game_state.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"

namespace {

constexpr int MaxNameLength = 10;
constexpr int NameY = 150;
// Half a second shown, half a second not.
constexpr int CursorBlinkFrames = 30;

struct Outcome {
    std::string line1;
    std::string line2;  // only for a new record, followed by the name
};

Outcome ReadOutcome(int newRecord)
{
    ScopedSettingsFile language(LanguageFile());
    auto message = [](const char* key) { return UpperText(ReadSettingStr(key)); };
    if (CoinsInLevel > CoinsTaken)
        return {message("fin.0"), ""};
    if (newRecord != 0)
        return {message("fin.2"), message("fin.3")};
    return {message("fin.1"), ""};
}

int NameX(const Outcome& outcome)
{
    return 150 + TextWidthOf(outcome.line2 + " ");
}

// While a pad is plugged in: the character that up and down stand on, marked after the
// name where the cursor would blink, and how to type with the pad, at the bottom. Without
// a pad the screen is as it was.
void DrawPadTyping(const PadNameEntry& pad, const std::string& name, int nameX)
{
    if (!PadConnected())
        return;
    if (static_cast<int>(name.size()) < MaxNameLength) {
        const std::string offered(1, pad.Offered());
        const float x = static_cast<float>(nameX + TextWidthOf(name));
        SetDrawColor(255, 220, 80);
        TMenu::DrawShadowText(offered, static_cast<int>(x), NameY);
        FillRect(x, static_cast<float>(NameY + TextHeightOf(offered)), static_cast<float>(std::max(TextWidthOf(offered), 10)), 3);
    }
    SetDrawColor(255, 255, 255);
    SelectFont(FontSmall);
    DrawCentredShadowText(Texts().padNameHint, 540);
    SelectFont(FontLarge);
}

// The name as typed so far, and the cursor after it in every other half second.
void DrawName(const Outcome& outcome, const std::string& name, int frame)
{
    TMenu::DrawShadowText(outcome.line2, 150, NameY);
    const int nameX = NameX(outcome);
    TMenu::DrawShadowText(name, nameX, NameY);
    if (!PadConnected() && !Words.cursor.empty() && (frame / CursorBlinkFrames) % 2 == 0)
        TMenu::DrawShadowText(Words.cursor, nameX + TextWidthOf(name), NameY);
}

// The screen stays until Enter, or else Escape, is hit; a name typed shows a frame later.
// Returns false when the window asked to close.
bool ShowOutcome(const Outcome& outcome, const RunSummary& run, int newRecord, std::string& name)
{
    PadNameEntry pad;
    for (int frame = 0; KeyPressCount(KeyEnter) == 0 && KeyPressCount(KeyEscape) == 0; ++frame) {
        if (WindowAskedToClose())
            return false;
        SetDrawColor(20, 152, 200);
        DrawBackgroundStrips(0);
        SetDrawColor(255, 255, 255);
        TMenu::DrawShadowText(outcome.line1, 50, 50);
        DrawRunSummary(run);
        if (newRecord != 0) {
            DrawName(outcome, name, frame);
            DrawPadTyping(pad, name, NameX(outcome));
            name = NameEntry(name, MaxNameLength);
            name = pad.Type(name, MaxNameLength);
        }
        PresentFrame(-1);
    }
    return true;
}

// A name is typed with the pad's own buttons; the screen's other buttons are as in play.
bool ShowOutcomeWithPad(const Outcome& outcome, const RunSummary& run, int newRecord, std::string& name)
{
    if (newRecord == 0)
        return ShowOutcome(outcome, run, newRecord, name);
    SetPadKeys(NamePadKeys());
    const bool shown = ShowOutcome(outcome, run, newRecord, name);
    SetPadKeys(PlayPadKeys());
    return shown;
}

// A level of the player's own unlocks nothing and goes back to where it was played from.
// Played from MY LEVELS it has records of its own, in their own file; played from the
// editor or the command line it has none.
RunSummary SummariseOwnRun(const OwnLevelFacts& facts)
{
    RunSummary run = SummariseRun();
    run.holder = facts.steps.empty() ? "NONE" : facts.holder;
    run.recordSteps = static_cast<int>(facts.steps.size());
    run.par = facts.parState == OwnParState::Proven ? facts.par : UnknownPar;
    return run;
}

// As the campaign's: every coin, and fewer steps than the record, if there is one.
int DecideOwnRecord(const OwnLevelFacts& facts)
{
    if (PlayedFrom != LevelOrigin::OwnLevels || CoinsInLevel > CoinsTaken)
        return 0;
    return facts.steps.empty() || static_cast<int>(facts.steps.size()) > MoveCount ? 1 : 0;
}

void RunOwnLevelFinish()
{
    const OwnLevelFacts facts =
        PlayedFrom == LevelOrigin::OwnLevels ? ReadOwnLevelFacts(PlayedLevel) : OwnLevelFacts{};
    const int newRecord = DecideOwnRecord(facts);
    const std::string path = OwnLevelsFolder() + "/" + PlayedFile;
    const std::string frames = newRecord != 0 ? CheckedStepFrames(path, path) : "";
    Outcome outcome = ReadOutcome(newRecord);
    // Every coin taken where no record is kept: there is no record that still stands.
    if (newRecord == 0 && CoinsInLevel <= CoinsTaken && PlayedFrom != LevelOrigin::OwnLevels) {
        ScopedSettingsFile language(LanguageFile());
        if (const std::string finished = UpperText(ReadSettingStr("fin.own")); !finished.empty())
            outcome.line1 = finished;
    }
    std::string name;
    const bool closing = !ShowOutcomeWithPad(outcome, SummariseOwnRun(facts), newRecord, name);
    if (newRecord != 0)
        StoreOwnRecord(PlayedLevel, name, ReplayString, frames);
    Player->Reset();
    GameState = closing ? StateQuit : StateLeaveLevel;
}

}  // namespace

void RunFinishSequence()
{
    ClearFrame();
    ClearEmitters(nullptr);
    // The music was halted while the level was played.
    if (MusicOn != 0)
        ContinueChannel(MusicChannel);
    SetDrawColor(255, 255, 255);
    // Letters hit while walking are no part of the name; an Enter or Escape hit that was
    // never read still closes the screen at once.
    ForgetTypingHits();
    if (PlayedFrom != LevelOrigin::Campaign) {
        RunOwnLevelFinish();
        return;
    }
    // The level menu comes back with the next level highlighted.
    MenuChoice += 1;

    std::string name;
    const RunSummary run = SummariseRun();
    const int newRecord = DecideRecord();
    // Checked while the player still stands before the goal, where the replay must end.
    const std::string frames = newRecord != 0 ? CheckedStepFrames() : "";
    const Outcome outcome = ReadOutcome(newRecord);
    const bool closing = !ShowOutcomeWithPad(outcome, run, newRecord, name);

    // Written even when the window is closing: the level was finished.
    UnlockLevelAfter(CurrentLevel);
    Player->Reset();
    GameState = closing ? StateQuit : StateLeaveLevel;
    ReadLevelFlags();
    StoreRecord(newRecord, name, frames);
}
