#include "media/platform/gamepad_state.h"

namespace {

const char* const ControlNames[PadControlCount] = {
    "a",  "b",      "x",      "y",      "back",   "start",  "leftshoulder", "rightshoulder",
    "dpup", "dpdown", "dpleft", "dpright", "leftx-", "leftx+", "lefty-",      "lefty+",
};

int Index(PadControl control)
{
    return static_cast<int>(control);
}

// The button a control is, apart from the directions.
PadButton ButtonOf(PadControl control)
{
    switch (control) {
    case PadControl::A: return PadA;
    case PadControl::B: return PadB;
    case PadControl::X: return PadX;
    case PadControl::Y: return PadY;
    case PadControl::Back: return PadBack;
    case PadControl::Start: return PadStart;
    case PadControl::LeftShoulder: return PadLeftShoulder;
    case PadControl::RightShoulder: return PadRightShoulder;
    case PadControl::DpadUp:
    case PadControl::StickUp: return PadUp;
    case PadControl::DpadDown:
    case PadControl::StickDown: return PadDown;
    case PadControl::DpadLeft:
    case PadControl::StickLeft: return PadLeft;
    default: return PadRight;
    }
}

// Whether the stick stays pushed one way: past the press line, or not yet back below the
// release line after it was pushed.
bool StickPushed(int value, bool was)
{
    return was ? value >= GamepadState::StickReleased : value >= GamepadState::StickPressed;
}

}  // namespace

const char* PadControlName(PadControl control)
{
    return ControlNames[Index(control)];
}

std::optional<PadControl> PadControlNamed(const std::string& name)
{
    for (int i = 0; i < PadControlCount; ++i) {
        if (name == ControlNames[i])
            return static_cast<PadControl>(i);
    }
    return std::nullopt;
}

bool IsStickControl(PadControl control)
{
    return Index(control) >= Index(PadControl::StickLeft);
}

void GamepadState::ControlChanged(PadControl control, bool down, InputState& input)
{
    if (IsStickControl(control))
        return;
    controls_[Index(control)] = down;
    Update(ButtonOf(control), input);
}

void GamepadState::StickMoved(int x, int y, InputState& input)
{
    stick_[0] = StickPushed(-y, stick_[0]);
    stick_[1] = StickPushed(y, stick_[1]);
    stick_[2] = StickPushed(-x, stick_[2]);
    stick_[3] = StickPushed(x, stick_[3]);
    for (PadButton direction : {PadUp, PadDown, PadLeft, PadRight})
        Update(direction, input);
}

void GamepadState::ReleaseAll(InputState& input)
{
    controls_.fill(false);
    stick_.fill(false);
    for (int button = 0; button < PadButtonCount; ++button)
        Update(static_cast<PadButton>(button), input);
}

void GamepadState::SetKeys(const PadKeys& keys, InputState& input)
{
    for (int button = 0; button < PadButtonCount; ++button) {
        if (pressing_[button] && keys_[button] != 0)
            input.KeyUp(keys_[button]);
        pressing_[button] = false;
    }
    keys_ = keys;
    ResetHits();
}

int GamepadState::TakeHits(PadButton button)
{
    const int hits = hits_[button];
    hits_[button] = 0;
    return hits;
}

void GamepadState::Update(PadButton button, InputState& input)
{
    bool held = false;
    for (int control = 0; control < PadControlCount; ++control)
        held = held || (controls_[control] && ButtonOf(static_cast<PadControl>(control)) == button);
    if (button >= PadUp)
        held = held || stick_[button - PadUp];
    if (held == held_[button])
        return;
    held_[button] = held;
    const int key = keys_[button];
    if (held) {
        ++hits_[button];
        pressing_[button] = true;
        if (key != 0)
            input.KeyDown(key, false);
    } else if (pressing_[button]) {
        pressing_[button] = false;
        if (key != 0)
            input.KeyUp(key);
    }
}
