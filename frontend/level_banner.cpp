#include "frontend/level_banner.h"

#include <algorithm>
#include <string>

#include "frontend/played_level.h"
#include "frontend/screen_text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"

namespace {

// Frames counted, not time: a quarter of a second in, a second and a half shown, a quarter
// out; two seconds in all.
constexpr int FadeFrames = 15;
constexpr int ShownFrames = 90;
constexpr int BannerFrames = FadeFrames + ShownFrames + FadeFrames;

// Over the wall along the top of the play field, on a dark band that keeps it readable on
// whatever lies beneath.
constexpr int BannerY = 29;
constexpr int BandTop = 25;
constexpr int BandHeight = 32;
constexpr int BandMargin = 20;

// Frames since the banner started; past BannerFrames it is gone.
int BannerAge = BannerFrames;

float BannerAlpha()
{
    const int fadingIn = BannerAge + 1;
    const int fadingOut = BannerFrames - BannerAge;
    return std::min({1.0f, static_cast<float>(fadingIn) / FadeFrames, static_cast<float>(fadingOut) / FadeFrames});
}

}  // namespace

void ShowLevelBanner()
{
    BannerAge = 0;
}

void DrawLevelBanner()
{
    if (BannerAge >= BannerFrames)
        return;
    const std::string name = PlayedLevelName();
    const float alpha = BannerAlpha();
    BannerAge += 1;
    if (name.empty())
        return;
    const int width = TextWidthOf(name) + 2 * BandMargin;
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.5f * alpha);
    FillRect(static_cast<float>(ScreenWidth / 2 - width / 2), BandTop, static_cast<float>(width), BandHeight);
    SetDrawColor(255, 255, 255);
    SetDrawAlpha(alpha);
    DrawCentredShadowText(name, BannerY);
    SetDrawAlpha(1);
}

void DrawPausedLevelName(int y)
{
    const std::string name = PlayedLevelName();
    if (!name.empty())
        DrawCentredShadowText(name, y);
}
