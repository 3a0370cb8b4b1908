// What every screen draws with: text with a one-pixel shadow, texts centred on the middle
// of the 800-pixel screen, and the background strips tinted by the drawing colour.
#pragma once

#include <string>

// Every screen is laid out for this drawing area.
constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

namespace TMenu {
// The shadow lies one pixel right of and below the text, in near black; the text itself is
// drawn in the colour that was current, which is left as it was.
void DrawShadowText(const std::string& text, int x, int y);
}  // namespace TMenu

// The x at which a text in the current font is centred on the middle of the screen.
int CentredX(const std::string& text);
void DrawCentredShadowText(const std::string& text, int y);

// BackgroundImage down the screen, 60 pixels apart, from strip `first` (0..9) to the last;
// the menus start at 2 and put the logo above.
void DrawBackgroundStrips(int first);

// A menu's row: a dark band `height` high, and on the chosen row the highlight over it.
// Leaves the colour white.
void DrawMenuBand(float x, float top, float width, float height, bool chosen);

// The menus' background: the logo above the blue strips. Also what the screen shows in the
// frames between leaving a level and the menu's first frame.
void DrawMenuBackground();
