#include "framework/gui.h"

#include "media/platform/display.h"
#include "media/platform/input.h"

GuiColor GuiBackColor = {50, 120, 145};
GuiColor GuiBorderColor = {200, 200, 200};
GuiColor GuiHoverBorderColor = {255, 255, 255};
GuiColor GuiTextColor = {255, 255, 255};
GuiColor GuiHoverTextColor = {255, 255, 255};
Font GuiFont;
int GuiPadWidth = 14;
int GuiPadHeight = 8;

namespace {

constexpr int LeftButton = 1;

void SetColor(const GuiColor& color)
{
    SetDrawColor(color.r, color.g, color.b);
}

void FitToText(const std::string& text, int& w, int& h)
{
    if (w == -1)
        w = TextWidthOf(text) + GuiPadWidth;
    if (h == -1)
        h = TextHeightOf(text) + GuiPadHeight;
}

void FillBox(int x, int y, int w, int h)
{
    SetColor(GuiBackColor);
    FillRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
             static_cast<float>(h));
}

// End points included, so the right and bottom edges lie one pixel outside the fill.
void DrawBorder(int x, int y, int w, int h)
{
    const auto segment = [](int x1, int y1, int x2, int y2) {
        DrawSegment(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                    static_cast<float>(y2), 1);
    };
    segment(x, y, x + w, y);
    segment(x, y + h, x + w, y + h);
    segment(x, y, x, y + h);
    segment(x + w, y, x + w, y + h);
}

void DrawText(const std::string& text, int x, int y)
{
    DrawString(text, static_cast<float>(x), static_cast<float>(y));
}

// The button's text, centred in the widget font, with a shadow while it is pointed at.
void DrawButtonText(const std::string& text, int x, int y, int w, int h, GuiButtonState state)
{
    const int tx = x + (w - TextWidthOf(text)) / 2;
    const int ty = y + (h - TextHeightOf(text)) / 2;
    const GuiColor& hover = GuiHoverTextColor;
    switch (state) {
    case GuiClicked:
        SetDrawColor(200, 200, 200);
        DrawText(text, tx + 1, ty + 2);
        SetDrawColor(hover.r / 2, hover.g / 2, hover.b / 2);
        break;
    case GuiPointedAt:
        SetDrawColor(20, 20, 20);
        DrawText(text, tx + 1, ty + 2);
        SetColor(hover);
        break;
    case GuiIdle:
        SetColor(GuiTextColor);
        break;
    }
    DrawText(text, tx, ty + 1);
}

GuiButtonState AskPointer(int x, int y, int w, int h)
{
    const int px = PointerX();
    const int py = PointerY();
    if (!(x < px && px < x + w && y < py && py < y + h))
        return GuiIdle;
    // Asked only over the button: a press elsewhere is left for whoever it was meant for.
    return ButtonPressCount(LeftButton) != 0 ? GuiClicked : GuiPointedAt;
}

}  // namespace

void TWisp_GUI::SetBackColor(uint16_t r, uint16_t g, uint16_t b)
{
    GuiBackColor = {r, g, b};
}

void TWisp_GUI::SetBorderColor(uint16_t r, uint16_t g, uint16_t b)
{
    GuiBorderColor = {r, g, b};
}

void TWisp_GUI::SetHoverBorderColor(uint16_t r, uint16_t g, uint16_t b)
{
    GuiHoverBorderColor = {r, g, b};
}

void TWisp_GUI::SetTextColor(uint16_t r, uint16_t g, uint16_t b)
{
    GuiTextColor = {r, g, b};
}

void TWisp_GUI::SetHoverTextColor(uint16_t r, uint16_t g, uint16_t b)
{
    GuiHoverTextColor = {r, g, b};
}

int TWisp_GUI::Button(const std::string& text, int x, int y, int w, int h)
{
    int r = 0;
    int g = 0;
    int b = 0;
    GetDrawColor(r, g, b);
    FitToText(text, w, h);
    const GuiButtonState state = AskPointer(x, y, w, h);
    FillBox(x, y, w, h);
    const Font callerFont = CurrentFont();
    SelectFont(GuiFont);
    DrawButtonText(text, x, y, w, h, state);
    SetColor(state == GuiIdle ? GuiBorderColor : GuiHoverBorderColor);
    DrawBorder(x, y, w, h);
    SelectFont(callerFont);
    SetDrawColor(r, g, b);
    return state;
}

int TWisp_GUI::Label(const std::string& text, int x, int y, int w, int h)
{
    FitToText(text, w, h);
    FillBox(x, y, w, h);
    SetColor(GuiBorderColor);
    DrawBorder(x, y, w, h);
    const Font callerFont = CurrentFont();
    SelectFont(GuiFont);
    SetColor(GuiTextColor);
    DrawText(text, x + 2, y + 2);
    SelectFont(callerFont);
    return 0;
}

void GuiSetBackColor(uint16_t r, uint16_t g, uint16_t b)
{
    TWisp_GUI::SetBackColor(r, g, b);
}

void GuiSetBorderColor(uint16_t r, uint16_t g, uint16_t b)
{
    TWisp_GUI::SetBorderColor(r, g, b);
}

void GuiSetHoverBorderColor(uint16_t r, uint16_t g, uint16_t b)
{
    TWisp_GUI::SetHoverBorderColor(r, g, b);
}

void GuiSetTextColor(uint16_t r, uint16_t g, uint16_t b)
{
    TWisp_GUI::SetTextColor(r, g, b);
}

void GuiSetHoverTextColor(uint16_t r, uint16_t g, uint16_t b)
{
    TWisp_GUI::SetHoverTextColor(r, g, b);
}

int GuiButton(const std::string& text, int x, int y, int w, int h)
{
    return TWisp_GUI::Button(text, x, y, w, h);
}

int GuiLabel(const std::string& text, int x, int y, int w, int h)
{
    return TWisp_GUI::Label(text, x, y, w, h);
}
