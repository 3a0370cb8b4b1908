#include "frontend/level_editor.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "framework/gui.h"
#include "frontend/editor_drawing.h"
#include "frontend/editor_tools.h"
#include "frontend/editor_words.h"
#include "frontend/game_assets.h"
#include "frontend/game_session.h"
#include "frontend/own_level_files.h"
#include "frontend/own_levels_screen.h"
#include "frontend/own_par.h"
#include "frontend/own_records.h"
#include "frontend/screen_text.h"
#include "game/game_state.h"
#include "game/grid.h"
#include "game/level_checks.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"

namespace {

// The palette fills the room below the field, the status line under it.
constexpr int PaletteY = 542;
constexpr int PaletteX = 9;
constexpr int ToolSize = 32;
constexpr int ToolPitch = 34;
constexpr int StatusY = 580;
constexpr int HelpY = 3;
constexpr int MostTitleLength = 30;
// Three seconds at the game's 60 frames.
constexpr int MessageFrames = 180;

// What the editor holds lives for the whole run, so that it comes back as it was left,
// test play included.
struct EditorState {
    LevelData level;
    EditorHistory history;
    int tool = 0;
    int cursorColumn = MapWidth / 2;
    int cursorRow = MapHeight / 2;
    // The cell the left button painted last in this stroke; -1 while no stroke goes on.
    int strokeColumn = -1;
    int strokeRow = -1;
    bool typingTitle = false;
    // The file in the player's levels folder that saving writes; chosen at the first save of
    // a new level, so that it never replaces another level.
    std::string fileName;
    // Escape goes back to MY LEVELS when the level was opened there.
    bool openedFromList = false;
    // What the last save said, which the solver's answer follows.
    std::string savedAs;
    std::string message;
    int messageAge = MessageFrames;
};

EditorState Editor;

void Say(const std::string& message)
{
    Editor.message = message;
    Editor.messageAge = 0;
}

const EditorTool& CurrentTool()
{
    return EditorPalette()[static_cast<std::size_t>(Editor.tool)];
}

bool CellUnderPointer(int& column, int& row)
{
    const int x = PointerX() - MapOffsetX, y = PointerY() - MapOffsetY;
    if (x < 0 || y < 0)
        return false;
    column = x / CellSize;
    row = y / CellSize;
    return column < MapWidth && row < MapHeight;
}

// Every cell on the straight line from the stroke's last cell, so that a quick drag leaves
// no gaps.
void PaintLineTo(int column, int row)
{
    int c = Editor.strokeColumn < 0 ? column : Editor.strokeColumn;
    int r = Editor.strokeColumn < 0 ? row : Editor.strokeRow;
    ApplyTool(Editor.level, c, r, CurrentTool());
    while (c != column || r != row) {
        const int dc = column - c, dr = row - r;
        if (std::abs(dc) >= std::abs(dr))
            c += dc > 0 ? 1 : -1;
        else
            r += dr > 0 ? 1 : -1;
        ApplyTool(Editor.level, c, r, CurrentTool());
    }
    Editor.strokeColumn = column;
    Editor.strokeRow = row;
}

void TakeMouse()
{
    int column = 0, row = 0;
    const bool onField = CellUnderPointer(column, row);
    const int leftHits = ButtonPressCount(1);
    if (ButtonPressCount(2) != 0 && onField) {
        LevelData before = Editor.level;
        if (EraseTop(Editor.level, column, row))
            Editor.history.BeforeStroke(before);
    }
    if (leftHits != 0 && onField) {
        Editor.history.BeforeStroke(Editor.level);
        Editor.strokeColumn = -1;
        PaintLineTo(column, row);
    } else if (ButtonIsHeld(1) != 0 && onField && Editor.strokeColumn >= 0) {
        PaintLineTo(column, row);
    }
    if (ButtonIsHeld(1) == 0)
        Editor.strokeColumn = -1;
}

void MoveCursor()
{
    if (KeyPressCount(KeyLeft) != 0 && Editor.cursorColumn > 0)
        --Editor.cursorColumn;
    if (KeyPressCount(KeyRight) != 0 && Editor.cursorColumn < MapWidth - 1)
        ++Editor.cursorColumn;
    if (KeyPressCount(KeyUp) != 0 && Editor.cursorRow > 0)
        --Editor.cursorRow;
    if (KeyPressCount(KeyDown) != 0 && Editor.cursorRow < MapHeight - 1)
        ++Editor.cursorRow;
}

// One key stroke at the cursor is one stroke to undo.
void ChangeAtCursor(bool erase)
{
    const LevelData before = Editor.level;
    const bool changed = erase ? EraseTop(Editor.level, Editor.cursorColumn, Editor.cursorRow)
                               : ApplyTool(Editor.level, Editor.cursorColumn, Editor.cursorRow, CurrentTool());
    if (changed)
        Editor.history.BeforeStroke(before);
}

void TestPlay()
{
    CountFromField(Editor.level);
    const std::vector<LevelProblem> problems = CheckLevel(Editor.level);
    if (!problems.empty()) {
        Say(EditorText().ProblemText(problems.front()));
        return;
    }
    GameState = StatePlay;
    HidePointer();
    TGame::EnterOwnLevel(Editor.level, LevelOrigin::Editor);
    HaltChannel(MusicChannel);
}

void Save()
{
    CountFromField(Editor.level);
    if (Editor.fileName.empty())
        Editor.fileName = FreeOwnLevelFileName(Editor.level.title);
    if (const std::string error = SaveOwnLevel(Editor.level, Editor.fileName); !error.empty()) {
        Say(error);
        return;
    }
    const std::string shown = UpperText("levels/" + Editor.fileName);
    const std::vector<LevelProblem> problems = CheckLevel(Editor.level);
    if (!problems.empty()) {
        Say(EditorText().draft + " " + shown + ": " + EditorText().ProblemText(problems.front()));
        return;
    }
    Editor.savedAs = EditorText().saved + " " + shown;
    Say(Editor.savedAs);
    if (ReadOwnLevelFacts(Editor.level).parState == OwnParState::Unknown)
        SolveOwnPar(Editor.level);
}

// The solver's answer on the level as it was saved, once it has one; an answer on another
// level, or on this one before it was changed, is kept without a word.
void TakeSolverAnswer()
{
    const std::optional<OwnParAnswer> answer = CollectOwnPar();
    if (!answer || answer->level != Editor.level)
        return;
    const EditorWords& words = EditorText();
    std::string said = words.tooHard;
    if (answer->refused)
        said = words.refused;
    else if (answer->state == OwnParState::Proven)
        said = words.par + " " + IntToText(answer->par);
    else if (answer->state == OwnParState::NoWayWithEveryCoin)
        said = words.noPar;
    Say(Editor.savedAs + "   " + said);
}

void GoBack()
{
    HidePointer();
    ResetKeyboard();
    if (Editor.openedFromList) {
        EnterOwnLevels(Editor.fileName);
        return;
    }
    GameState = StateMenu;
}

void TakeKeys()
{
    MoveCursor();
    const int tools = static_cast<int>(EditorPalette().size());
    if (KeyPressCount('Q') != 0)
        Editor.tool = (Editor.tool + tools - 1) % tools;
    if (KeyPressCount('E') != 0)
        Editor.tool = (Editor.tool + 1) % tools;
    if (KeyPressCount(KeySpace) != 0)
        ChangeAtCursor(false);
    if (KeyPressCount('X') != 0)
        ChangeAtCursor(true);
    const int undos = KeyPressCount(KeyZ), redos = KeyPressCount(KeyY);
    for (int hit = 0; hit < undos; ++hit)
        Editor.history.Undo(Editor.level);
    for (int hit = 0; hit < redos; ++hit)
        Editor.history.Redo(Editor.level);
    if (KeyPressCount('N') != 0) {
        Editor.typingTitle = true;
        // Letters hit before are no part of the title.
        ResetKeyboard();
        return;
    }
    if (KeyPressCount('S') != 0)
        Save();
    if (KeyPressCount('T') != 0)
        TestPlay();
    else if (KeyPressCount(KeyEscape) != 0)
        GoBack();
}

// Typed characters make the title; the key hits of the same letters are dropped with them.
void TypeTitle()
{
    std::string& title = Editor.level.title;
    for (int character = TypedCharacter(); character != 0; character = TypedCharacter()) {
        if (character >= 32 && character != 127 && static_cast<int>(title.size()) < MostTitleLength)
            title += static_cast<char>(character);
    }
    if (KeyPressCount(KeyBackspace) != 0 && !title.empty())
        title.pop_back();
    if (KeyPressCount(KeyEnter) != 0 || KeyPressCount(KeyEscape) != 0) {
        Editor.typingTitle = false;
        ResetKeyboard();
    }
}

void DrawPalette()
{
    const std::vector<EditorTool>& palette = EditorPalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int x = PaletteX + ToolPitch * static_cast<int>(i);
        if (GuiButton("", x, PaletteY, ToolSize, ToolSize) == GuiClicked)
            Editor.tool = static_cast<int>(i);
        if (IsEraser(palette[i])) {
            SetDrawColor(230, 60, 60);
            DrawSegment(static_cast<float>(x + 8), PaletteY + 8, static_cast<float>(x + 26), PaletteY + 26, 1);
            DrawSegment(static_cast<float>(x + 26), PaletteY + 8, static_cast<float>(x + 8), PaletteY + 26, 1);
            SetDrawColor(255, 255, 255);
        } else {
            DrawLevelPart(palette[i].layer, palette[i].code, static_cast<float>(x), PaletteY);
        }
        if (static_cast<int>(i) == Editor.tool) {
            SetDrawColor(255, 220, 60);
            DrawCellFrame(static_cast<float>(x - 1), PaletteY - 1, ToolSize + 2);
            SetDrawColor(255, 255, 255);
        }
    }
}

std::string StatusLine()
{
    const EditorWords& words = EditorText();
    if (const long positions = OwnParPositions(Editor.level); positions >= 0)
        return words.solving + " " + IntToText(static_cast<int>(positions)) + " " + words.positions;
    if (Editor.messageAge < MessageFrames)
        return Editor.message;
    LevelData counted = Editor.level;
    CountFromField(counted);
    const std::string cursor = Editor.typingTitle && (Editor.messageAge / 30) % 2 == 0 ? "_" : "";
    return words.title + " " + Editor.level.title + cursor + "    " + words.keys + " " + IntToText(counted.keys) +
           "    " + words.coins + " " + IntToText(counted.coins);
}

void DrawScreen()
{
    SetDrawColor(60, 70, 140);
    DrawBackgroundStrips(0);
    SetDrawColor(255, 255, 255);
    DrawEditedLevel(Editor.level);
    SetDrawColor(255, 255, 255);
    DrawCellFrame(static_cast<float>(MapOffsetX + CellSize * Editor.cursorColumn),
                  static_cast<float>(MapOffsetY + CellSize * Editor.cursorRow), CellSize);
    SelectFont(FontSmall);
    TMenu::DrawShadowText(EditorText().help, CentredX(EditorText().help), HelpY);
    DrawPalette();
    GuiLabel(StatusLine(), PaletteX, StatusY, ToolPitch * static_cast<int>(EditorPalette().size()) - 2, 18);
    SetDrawColor(255, 255, 255);
    SelectFont(FontLarge);
}

void ShowEditor()
{
    GameState = StateEditor;
    CentreRoundPictures();
    ReadEditorWords();
    ResetKeyboard();
    ResetMouseButtons();
}

}  // namespace

void EnterEditor()
{
    Editor.openedFromList = false;
    ShowEditor();
}

void EditLevelFile(const LevelData& level, const std::string& fileName)
{
    Editor.level = level;
    Editor.history.Clear();
    Editor.fileName = fileName;
    Editor.openedFromList = true;
    Editor.messageAge = MessageFrames;
    ShowEditor();
}

void EditNewLevel()
{
    EditLevelFile(LevelData{}, "");
}

void RunEditorFrame()
{
    ShowPointer();
    TakeSolverAnswer();
    DrawScreen();
    if (Editor.typingTitle)
        TypeTitle();
    else
        TakeKeys();
    if (GameState == StateEditor)
        TakeMouse();
    ++Editor.messageAge;
}

bool EditorFollowsTheMouse()
{
    return GameState == StateEditor;
}
