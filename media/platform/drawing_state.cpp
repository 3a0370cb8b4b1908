#include "media/platform/drawing_state.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/platform/display.h"

namespace {

DrawingState State;

int ClampChannel(int value)
{
    return std::clamp(value, 0, 255);
}

void UpdateTransform()
{
    const double radians = State.rotation * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    State.ix = static_cast<float>(c * State.scaleX);
    State.iy = static_cast<float>(-s * State.scaleY);
    State.jx = static_cast<float>(s * State.scaleX);
    State.jy = static_cast<float>(c * State.scaleY);
}

}  // namespace

DrawingState& CurrentDrawingState()
{
    return State;
}

void ResetDrawingState()
{
    State = DrawingState();
}

int EffectiveBlendMode(int mode)
{
    return mode >= BlendMasked && mode <= BlendShade ? mode : BlendSolid;
}

void SetDrawColor(int r, int g, int b)
{
    State.red = ClampChannel(r);
    State.green = ClampChannel(g);
    State.blue = ClampChannel(b);
}

void GetDrawColor(int& r, int& g, int& b)
{
    r = State.red;
    g = State.green;
    b = State.blue;
}

void SetDrawAlpha(float alpha)
{
    // NaN fails both comparisons of a clamp, so it is caught first and draws nothing.
    const float clamped = std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f);
    State.alpha = static_cast<uint8_t>(clamped * 255.0f);
}

float GetDrawAlpha()
{
    return State.alpha / 255.0f;
}

void SetBlendMode(int mode)
{
    State.blendMode = EffectiveBlendMode(mode);
}

void SetDrawRotation(float degrees)
{
    State.rotation = degrees;
    UpdateTransform();
}

void SetDrawScale(float sx, float sy)
{
    State.scaleX = sx;
    State.scaleY = sy;
    UpdateTransform();
}

void SetBackdropColor(int r, int g, int b)
{
    State.backdropRed = ClampChannel(r);
    State.backdropGreen = ClampChannel(g);
    State.backdropBlue = ClampChannel(b);
}

void GetBackdropColor(int& r, int& g, int& b)
{
    r = State.backdropRed;
    g = State.backdropGreen;
    b = State.backdropBlue;
}
