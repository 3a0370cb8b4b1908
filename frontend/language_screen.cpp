#include "frontend/language_screen.h"

#include "framework/settings.h"
#include "frontend/close_request.h"
#include "frontend/game_assets.h"
#include "frontend/language.h"
#include "frontend/pad_keys.h"
#include "frontend/screen_text.h"
#include "media/core/program.h"
#include "media/platform/display.h"
#include "media/platform/image.h"
#include "media/platform/input.h"

namespace {

// The chosen flag is drawn bright and the other dimmed, with the chosen language's name
// below.
void DrawChoice(int selection)
{
    SetDrawColor(255, 255, 255);
    DrawCentredShadowText("Select Language , Valitse kieli", 125);
    if (selection == 1) {
        DrawCentredShadowText("Suomi", 400);
        SetDrawColor(100, 100, 100);
    } else {
        DrawCentredShadowText("English", 400);
    }
    DrawImageFrame(FlagGbImage, 300, 238, 0);
    if (selection == 0)
        SetDrawColor(100, 100, 100);
    else
        SetDrawColor(255, 255, 255);
    DrawImageFrame(FlagFinImage, 420, 238, 0);
}

// With two languages each arrow simply swaps the choice.
int MoveChoice(int selection)
{
    if (KeyPressCount(KeyLeft) != 0) {
        StartSound(SndSelect);
        return selection - 1 < 0 ? 1 : selection - 1;
    }
    if (KeyPressCount(KeyRight) != 0) {
        StartSound(SndSelect);
        return selection + 1 > 1 ? 0 : selection + 1;
    }
    return selection;
}

}  // namespace

int RunLanguageScreen(int selection)
{
    SetPadKeys(LanguagePadKeys());
    while (KeyPressCount(KeyEnter) == 0) {
        SetDrawColor(20, 152, 200);
        DrawBackgroundStrips(0);
        if (KeyPressCount(KeyEscape) != 0 || WindowAskedToClose() != 0)
            EndProgram();
        DrawChoice(selection);
        selection = MoveChoice(selection);
        PresentFrame(-1);
        ClearFrame();
    }
    SetPadKeys(PlayPadKeys());
    return selection;
}

const char* LanguageOfSelection(int selection)
{
    return selection == 1 ? "Finnish" : "English";
}

void ChooseLanguage(int selection)
{
    Language = LanguageOfSelection(selection);
    SetSettingsFile(LanguageFile());
}
