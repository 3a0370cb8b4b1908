#include "frontend/display_switch.h"

#include <string>

#include "framework/display_keys.h"
#include "framework/settings.h"
#include "framework/system.h"
#include "frontend/game_assets.h"
#include "frontend/language.h"
#include "frontend/menu_tables.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"

namespace {

constexpr char ColorDepthKey[] = "color_depth";

// Whether the screen can switch its mode to the game's size: a display is opened that way
// to see.
bool ModeSwitchWorks()
{
    SetDisplayShape(DisplayShape());
    const bool works = OpenDisplay(GraphicsWidth, GraphicsHeight, 32, RefreshRate, 0) != nullptr;
    CloseDisplay();
    return works;
}

// Writes the mode asked for and opens the display from the settings, which fall back to
// what can be had; a full screen asked for and not had is written back as the window shown.
// Without the new keys, a screen that cannot switch its mode keeps the window and the
// setting: written, the setting would open no full screen at the next start either.
void OpenOtherMode(bool emptyLevel)
{
    const bool toFullScreen = !ShowsFullScreen();
    const bool newKeys = ReadDisplayKeys().present;
    CloseDisplay();
    bool written = false;
    if (!toFullScreen || newKeys || ModeSwitchWorks()) {
        WriteSetting(ColorDepthKey, toFullScreen ? "32" : "0");
        written = true;
    }
    if (emptyLevel)
        LoadGameAssets(1);
    else
        LoadDevice(SettingsIniFile);
    if (written && toFullScreen && !ShowsFullScreen())
        WriteSetting(ColorDepthKey, "0");
    ShowDisplayInCaption();
}

// Alt+Enter runs between two frames of any screen: what the screens set once and count on
// is put back on the new display.
void SwitchDisplayByKeys()
{
    int red, green, blue, backdropRed, backdropGreen, backdropBlue;
    GetDrawColor(red, green, blue);
    GetBackdropColor(backdropRed, backdropGreen, backdropBlue);
    const float alpha = GetDrawAlpha();
    const Font font = CurrentFont();
    const std::string current = SettingsFileName;
    SetSettingsFile(SettingsIniFile);
    OpenOtherMode(false);
    SetDrawColor(red, green, blue);
    SetBackdropColor(backdropRed, backdropGreen, backdropBlue);
    SetDrawAlpha(alpha);
    SelectFont(font);
    SetSettingsFile(current);
}

}  // namespace

bool ShowsFullScreen()
{
    if (const Display* display = CurrentDisplay())
        return display->depth != 0;
    return ReadSettingInt(ColorDepthKey) != 0;
}

void ShowDisplayInCaption()
{
    std::string& caption = MenuEntryText[SwitchMenu][DisplayEntry];
    if (ShowsFullScreen())
        caption = ReplaceAll(caption, Texts().windowed, Texts().fullScreen);
    else
        caption = ReplaceAll(caption, Texts().fullScreen, Texts().windowed);
}

void SwitchDisplayFromMenu()
{
    SetSettingsFile(SettingsIniFile);
    OpenOtherMode(true);
    SelectFont(FontLarge);
}

void EnableDisplaySwitchKeys()
{
    if (ReadDisplayKeys().present)
        SetDisplaySwitchHandler(SwitchDisplayByKeys);
}

void ShowBackdropAroundThePicture()
{
    if (ReadDisplayKeys().present)
        SetBackdropColor(0, 0, 0);
}
