// The framework's immediate-mode widgets: a clickable text button and a framed text label,
// drawn at once in the current frame, with no state kept between frames. The game's own
// screens draw their texts directly and do not use them.
#pragma once

#include <cstdint>
#include <string>

#include "media/platform/font.h"

struct GuiColor {
    uint16_t r;
    uint16_t g;
    uint16_t b;
};

// Kept for the rest of the run once a setter changes them. Components above 255 are
// stored as given and limited when drawn.
extern GuiColor GuiBackColor;         // fill of buttons and labels
extern GuiColor GuiBorderColor;       // border of a label, and of a button not pointed at
extern GuiColor GuiHoverBorderColor;  // border of a button pointed at
extern GuiColor GuiTextColor;         // text of a label, and of a button not pointed at
extern GuiColor GuiHoverTextColor;    // text of a button pointed at (halved while clicked)
extern Font GuiFont;                  // Null: the built-in font
// Added to the text's size when a widget's width or height is given as -1.
extern int GuiPadWidth;
extern int GuiPadHeight;

// What Button reports.
enum GuiButtonState {
    GuiClicked = 1,
    GuiPointedAt = 0,
    GuiIdle = -1,
};

namespace TWisp_GUI {
void SetBackColor(uint16_t r, uint16_t g, uint16_t b);
void SetBorderColor(uint16_t r, uint16_t g, uint16_t b);
void SetHoverBorderColor(uint16_t r, uint16_t g, uint16_t b);
void SetTextColor(uint16_t r, uint16_t g, uint16_t b);
void SetHoverTextColor(uint16_t r, uint16_t g, uint16_t b);
// (x, y) is the top-left corner; a width or height of -1 fits the widget to its text,
// measured in the caller's font. A click is a press of the left mouse button while the
// pointer is strictly inside; asking for it consumes it, so it is reported once. The
// drawing colour and the font are as they were afterwards.
int Button(const std::string& text, int x, int y, int w, int h);
// Always 0. Leaves the drawing colour at GuiTextColor; the font is restored.
int Label(const std::string& text, int x, int y, int w, int h);
}  // namespace TWisp_GUI

void GuiSetBackColor(uint16_t r, uint16_t g, uint16_t b);
void GuiSetBorderColor(uint16_t r, uint16_t g, uint16_t b);
void GuiSetHoverBorderColor(uint16_t r, uint16_t g, uint16_t b);
void GuiSetTextColor(uint16_t r, uint16_t g, uint16_t b);
void GuiSetHoverTextColor(uint16_t r, uint16_t g, uint16_t b);
int GuiButton(const std::string& text, int x, int y, int w, int h);
int GuiLabel(const std::string& text, int x, int y, int w, int h);
