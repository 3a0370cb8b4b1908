#include "media/platform/display_fit.h"

#include <algorithm>
#include <cmath>

namespace {

bool FitsWithTitleBar(int scale, int usableWidth, int usableHeight, int width, int height)
{
    return long{width} * scale <= usableWidth && long{height} * scale + TitleBarAllowance <= usableHeight;
}

PictureArea Centred(float scale, int drawableWidth, int drawableHeight, int width, int height)
{
    PictureArea area;
    area.scale = scale;
    area.width = static_cast<int>(std::lround(width * scale));
    area.height = static_cast<int>(std::lround(height * scale));
    area.left = (drawableWidth - area.width) / 2;
    area.top = (drawableHeight - area.height) / 2;
    area.crisp = scale > 1 && scale == std::floor(scale);
    return area;
}

}  // namespace

int AutomaticWindowScale(int usableWidth, int usableHeight, int width, int height)
{
    int scale = 1;
    while (FitsWithTitleBar(scale + 1, usableWidth, usableHeight, width, height))
        ++scale;
    return scale;
}

int FittedWindowScale(int asked, int usableWidth, int usableHeight, int width, int height)
{
    const int largest = AutomaticWindowScale(usableWidth, usableHeight, width, height);
    return asked <= 0 ? largest : std::min(asked, largest);
}

PictureArea FillDrawable(int drawableWidth, int drawableHeight, int width, int height)
{
    if (width <= 0 || height <= 0)
        return PictureArea();
    const float scale = std::min(static_cast<float>(drawableWidth) / width, static_cast<float>(drawableHeight) / height);
    return Centred(scale, drawableWidth, drawableHeight, width, height);
}

PictureArea FitWholeFactor(int drawableWidth, int drawableHeight, int width, int height)
{
    if (width <= 0 || height <= 0)
        return PictureArea();
    const float largest = std::min(static_cast<float>(drawableWidth) / width, static_cast<float>(drawableHeight) / height);
    const float scale = largest >= 1 ? std::floor(largest) : largest;
    return Centred(scale, drawableWidth, drawableHeight, width, height);
}

DrawableBox DrawableBoxOf(const PictureArea& area, int drawableHeight, int left, int top, int right, int bottom)
{
    const auto lower = [&](int at) { return static_cast<int>(std::floor(at * area.scale)); };
    const auto upper = [&](int at) { return static_cast<int>(std::ceil(at * area.scale)); };
    const int x = area.left + lower(left);
    const int topRow = area.top + lower(top);
    const int bottomRow = area.top + upper(bottom);
    return {x, drawableHeight - bottomRow, area.left + upper(right) - x, bottomRow - topRow};
}
