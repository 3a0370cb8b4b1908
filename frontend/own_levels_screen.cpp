#include "frontend/own_levels_screen.h"

#include <algorithm>
#include <string>
#include <vector>

#include "frontend/editor_words.h"
#include "frontend/game_assets.h"
#include "frontend/game_session.h"
#include "frontend/level_editor.h"
#include "frontend/own_level_files.h"
#include "frontend/own_par.h"
#include "frontend/own_records.h"
#include "frontend/played_level.h"
#include "frontend/screen_text.h"
#include "game/game_state.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"

namespace {

// The menus' band, with room for more rows.
constexpr int RowX = 100;
constexpr int RowWidth = 600;
constexpr int RowTop = 143;
constexpr int RowPitch = 35;
constexpr int VisibleRows = 9;
constexpr int TitleY = 100;
constexpr int MessageY = 472;
constexpr int HelpY = 520;
constexpr int FactsRight = 690;
// Three seconds at the game's 60 frames.
constexpr int MessageFrames = 180;

struct ListedLevel {
    OwnLevelFile file;
    OwnLevelFacts facts;
    // The solver has been given its turn on this visit.
    bool solverAsked = false;
};

struct MyLevelsState {
    std::vector<ListedLevel> levels;
    int choice = 0;
    int top = 0;
    bool confirming = false;
    std::string message;
    int messageAge = MessageFrames;
};

MyLevelsState Shelf;

bool Playable(const ListedLevel& listed)
{
    return listed.file.fault.empty() && listed.file.problems.empty();
}

void Say(const std::string& message)
{
    Shelf.message = message;
    Shelf.messageAge = 0;
}

// The facts beside a title: its state when it cannot be played, else par and the record.
std::string FactsText(const ListedLevel& listed)
{
    const MyLevelsWords& words = MyLevelsText();
    if (!listed.file.fault.empty())
        return words.damaged;
    if (!listed.file.problems.empty())
        return words.draft;
    std::string par;
    switch (listed.facts.parState) {
    case OwnParState::Proven: par = words.par + " " + IntToText(listed.facts.par); break;
    case OwnParState::NoWayWithEveryCoin: par = words.noPar; break;
    case OwnParState::TooHard: par = words.tooHard; break;
    default: par = SolvingOwnPar() && OwnParPositions(listed.file.level) >= 0 ? words.solving : ""; break;
    }
    if (listed.facts.steps.empty())
        return par;
    const std::string record = listed.facts.holder + " - " + IntToText(static_cast<int>(listed.facts.steps.size()));
    return par.empty() ? record : par + "   " + record;
}

std::string TitleOf(const ListedLevel& listed)
{
    const std::string& title = listed.file.level.title;
    return listed.file.fault.empty() && !title.empty() ? UpperText(title) : UpperText(listed.file.name);
}

void KeepChoiceInView()
{
    const int count = static_cast<int>(Shelf.levels.size());
    Shelf.choice = count == 0 ? 0 : std::clamp(Shelf.choice, 0, count - 1);
    if (Shelf.choice < Shelf.top)
        Shelf.top = Shelf.choice;
    if (Shelf.choice >= Shelf.top + VisibleRows)
        Shelf.top = Shelf.choice - VisibleRows + 1;
}

// The next level without a par, while the solver is free.
void GiveTheSolverWork()
{
    if (SolvingOwnPar())
        return;
    for (ListedLevel& listed : Shelf.levels) {
        if (Playable(listed) && listed.facts.parState == OwnParState::Unknown && !listed.solverAsked) {
            listed.solverAsked = true;
            SolveOwnPar(listed.file.level);
            return;
        }
    }
}

void TakeSolverAnswer()
{
    const std::optional<OwnParAnswer> answer = CollectOwnPar();
    if (!answer)
        return;
    for (ListedLevel& listed : Shelf.levels) {
        if (listed.file.fault.empty() && listed.file.level == answer->level)
            listed.facts = ReadOwnLevelFacts(listed.file.level);
    }
}

void DrawRow(int row, const ListedLevel& listed, bool chosen)
{
    DrawMenuBand(RowX, static_cast<float>(RowTop + RowPitch * row), RowWidth, RowPitch, chosen);
    if (!Playable(listed))
        SetDrawColor(125, 125, 125);
    const int y = RowTop + 7 + RowPitch * row;
    TMenu::DrawShadowText(TitleOf(listed), RowX + 10, y);
    SelectFont(FontSmall);
    const std::string facts = FactsText(listed);
    TMenu::DrawShadowText(facts, FactsRight - TextWidthOf(facts), y + 6);
    SelectFont(FontLarge);
    SetDrawColor(255, 255, 255);
}

void DrawScreen()
{
    DrawMenuBackground();
    const MyLevelsWords& words = MyLevelsText();
    TMenu::DrawShadowText(words.title, RowX, TitleY);
    const int count = static_cast<int>(Shelf.levels.size());
    for (int row = 0; row < VisibleRows && Shelf.top + row < count; ++row)
        DrawRow(row, Shelf.levels[static_cast<std::size_t>(Shelf.top + row)], Shelf.top + row == Shelf.choice);
    SelectFont(FontSmall);
    if (count == 0)
        DrawCentredShadowText(words.empty, RowTop + 10);
    if (Shelf.confirming)
        DrawCentredShadowText(words.remove + " " + TitleOf(Shelf.levels[static_cast<std::size_t>(Shelf.choice)]) +
                                  "?   " + words.confirm, MessageY);
    else if (Shelf.messageAge < MessageFrames)
        DrawCentredShadowText(Shelf.message, MessageY);
    DrawCentredShadowText(words.help, HelpY);
    SelectFont(FontLarge);
}

void Play(const ListedLevel& listed)
{
    if (!listed.file.fault.empty()) {
        Say(MyLevelsText().damaged);
        return;
    }
    if (!listed.file.problems.empty()) {
        Say(EditorText().ProblemText(listed.file.problems.front()));
        return;
    }
    GameState = StatePlay;
    PlayedFile = listed.file.name;
    TGame::EnterOwnLevel(listed.file.level, LevelOrigin::OwnLevels);
    HaltChannel(MusicChannel);
}

void Delete()
{
    Shelf.confirming = false;
    const ListedLevel& listed = Shelf.levels[static_cast<std::size_t>(Shelf.choice)];
    if (const std::string error = DeleteOwnLevelFile(listed.file.name); !error.empty()) {
        Say(MyLevelsText().undeleted + " " + listed.file.name);
        return;
    }
    if (listed.file.fault.empty())
        ForgetOwnLevel(listed.file.level);
    Shelf.levels.erase(Shelf.levels.begin() + Shelf.choice);
    KeepChoiceInView();
}

void TakeConfirmation()
{
    if (KeyPressCount(KeyEnter) != 0) {
        StartSound(SndEnter);
        Delete();
    } else if (KeyPressCount(KeyEscape) != 0) {
        Shelf.confirming = false;
    }
}

void MoveChoice()
{
    const int count = static_cast<int>(Shelf.levels.size());
    if (count == 0)
        return;
    if (KeyPressCount(KeyDown) != 0) {
        Shelf.choice = (Shelf.choice + 1) % count;
        StartSound(SndSelect);
    } else if (KeyPressCount(KeyUp) != 0) {
        Shelf.choice = (Shelf.choice + count - 1) % count;
        StartSound(SndSelect);
    }
    const int row = (PointerY() - RowTop) / RowPitch;
    if (ButtonPressCount(1) != 0 && PointerX() >= RowX && PointerX() < RowX + RowWidth && PointerY() >= RowTop &&
        row < VisibleRows && Shelf.top + row < count) {
        Shelf.choice = Shelf.top + row;
        StartSound(SndSelect);
    }
    KeepChoiceInView();
}

void TakeKeys()
{
    MoveChoice();
    const bool any = !Shelf.levels.empty();
    const ListedLevel* chosen = any ? &Shelf.levels[static_cast<std::size_t>(Shelf.choice)] : nullptr;
    if (KeyPressCount(KeyEnter) != 0 && chosen != nullptr) {
        StartSound(SndEnter);
        Play(*chosen);
    } else if (KeyPressCount('E') != 0 && chosen != nullptr && chosen->file.fault.empty()) {
        EditLevelFile(chosen->file.level, chosen->file.name);
    } else if (KeyPressCount('N') != 0) {
        EditNewLevel();
    } else if (KeyPressCount(KeyDelete) != 0 && chosen != nullptr) {
        Shelf.confirming = true;
    } else if (KeyPressCount(KeyEscape) != 0) {
        StartSound(SndEnter);
        GameState = StateMenu;
        HidePointer();
        ResetKeyboard();
    }
}

}  // namespace

void EnterOwnLevels(const std::string& chosen)
{
    GameState = StateOwnLevels;
    ReadEditorWords();
    std::string chosenName = chosen;
    if (chosenName.empty() && !Shelf.levels.empty())
        chosenName = Shelf.levels[static_cast<std::size_t>(Shelf.choice)].file.name;
    Shelf.levels.clear();
    for (OwnLevelFile& file : ListOwnLevels()) {
        ListedLevel listed{std::move(file), {}, false};
        if (listed.file.fault.empty())
            listed.facts = ReadOwnLevelFacts(listed.file.level);
        Shelf.levels.push_back(std::move(listed));
    }
    // The level played or edited last is chosen.
    for (std::size_t i = 0; i < Shelf.levels.size(); ++i) {
        if (Shelf.levels[i].file.name == chosenName)
            Shelf.choice = static_cast<int>(i);
    }
    Shelf.confirming = false;
    Shelf.messageAge = MessageFrames;
    KeepChoiceInView();
    ShowPointer();
    ResetKeyboard();
    ResetMouseButtons();
}

void RunOwnLevelsFrame()
{
    TakeSolverAnswer();
    GiveTheSolverWork();
    DrawScreen();
    if (Shelf.confirming)
        TakeConfirmation();
    else
        TakeKeys();
    ++Shelf.messageAge;
}
