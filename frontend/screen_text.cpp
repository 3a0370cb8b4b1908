#include "frontend/screen_text.h"

#include "frontend/game_assets.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/image.h"

namespace {

constexpr int ScreenMiddle = ScreenWidth / 2;
constexpr int StripCount = 10;
constexpr int StripSpacing = 60;

}  // namespace

void TMenu::DrawShadowText(const std::string& text, int x, int y)
{
    int r, g, b;
    GetDrawColor(r, g, b);
    SetDrawColor(20, 20, 20);
    DrawString(text, static_cast<float>(x + 1), static_cast<float>(y + 1));
    SetDrawColor(r, g, b);
    DrawString(text, static_cast<float>(x), static_cast<float>(y));
}

int CentredX(const std::string& text)
{
    return ScreenMiddle - TextWidthOf(text) / 2;
}

void DrawCentredShadowText(const std::string& text, int y)
{
    TMenu::DrawShadowText(text, CentredX(text), y);
}

void DrawBackgroundStrips(int first)
{
    for (int i = first; i < StripCount; ++i)
        DrawImageFrame(BackgroundImage, 0, static_cast<float>(StripSpacing * i), 0);
}

void DrawMenuBand(float x, float top, float width, float height, bool chosen)
{
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.4f);
    FillRect(x, top, width, height);
    SetDrawAlpha(1);
    SetDrawColor(255, 255, 255);
    if (chosen) {
        SetDrawAlpha(0.5f);
        FillRect(x, top + 2, width, 32);
        SetDrawAlpha(1);
    }
}

void DrawMenuBackground()
{
    // The logo takes the place of the first two strips.
    SetDrawColor(20, 152, 200);
    DrawImageFrame(LogoImage, 0, 0, 0);
    DrawBackgroundStrips(2);
    SetDrawColor(255, 255, 255);
}
