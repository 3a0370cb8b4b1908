// The gamepads' state as the game reads it, free of SDL: the controls of every pad plugged
// in, the four directions that the d-pad and the left stick give together, and the key each
// button stands for on the current screen, fed into the keys' own input state so that every
// screen works with a pad. The SDL side (gamepads.cpp), scripts and tests feed it alike.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "media/platform/input_state.h"

// The pad's buttons as the screens read them; the directions come from the d-pad and the
// left stick together.
enum PadButton {
    PadA,
    PadB,
    PadX,
    PadY,
    PadBack,
    PadStart,
    PadLeftShoulder,
    PadRightShoulder,
    PadUp,
    PadDown,
    PadLeft,
    PadRight,
    PadButtonCount,
};

// The controls of a pad, by SDL's game controller names ("a", "dpup", "leftshoulder", ...),
// and the left stick pushed fully one way ("leftx-", "leftx+", "lefty-", "lefty+").
enum class PadControl {
    A, B, X, Y, Back, Start, LeftShoulder, RightShoulder, DpadUp, DpadDown, DpadLeft, DpadRight,
    StickLeft, StickRight, StickUp, StickDown,
};
constexpr int PadControlCount = 16;
const char* PadControlName(PadControl control);
std::optional<PadControl> PadControlNamed(const std::string& name);
bool IsStickControl(PadControl control);

// The key each pad button stands for; 0 for none.
using PadKeys = std::array<int, PadButtonCount>;

class GamepadState {
public:
    // The stick counts as pushed one way past half its travel, and as back only below a
    // third, so that a stick held near the line does not flicker.
    static constexpr int StickPressed = 16384;
    static constexpr int StickReleased = 10923;

    // A button of some pad, the d-pad's included, went down or up.
    void ControlChanged(PadControl control, bool down, InputState& input);
    // The left stick of some pad moved; -32768 to 32767, y downwards.
    void StickMoved(int x, int y, InputState& input);
    // The pads are gone: every control counts as released.
    void ReleaseAll(InputState& input);
    // From now on the buttons stand for these keys. Keys held through the pad are let go,
    // and pending button hits dropped: a new screen starts afresh.
    void SetKeys(const PadKeys& keys, InputState& input);

    // Hits since the last read; reading sets them back to 0.
    int TakeHits(PadButton button);
    bool Held(PadButton button) const { return held_[button]; }
    void ResetHits() { hits_.fill(0); }

private:
    void Update(PadButton button, InputState& input);

    std::array<bool, PadControlCount> controls_{};
    std::array<bool, 4> stick_{};  // up, down, left, right
    std::array<bool, PadButtonCount> held_{};
    // Whether a held button pressed its key: a button already held when the keys changed
    // presses nothing until it is pressed again.
    std::array<bool, PadButtonCount> pressing_{};
    std::array<int, PadButtonCount> hits_{};
    PadKeys keys_{};
};
