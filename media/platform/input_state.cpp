#include "media/platform/input_state.h"

InputState Input;

namespace {

bool IsKey(int keyCode)
{
    return keyCode >= 1 && keyCode <= 255;
}

bool IsButton(int button)
{
    return button >= 1 && button <= 3;
}

constexpr int EnterKey = 13;
constexpr int AltKey = 18;

}  // namespace

void InputState::KeyDown(int keyCode, bool repeat, bool alt)
{
    // The display switch's Enter is no Enter for the screen.
    if (keyCode == EnterKey && altEnterSwitches_ && (alt || keyHeld_[AltKey])) {
        displaySwitchRequested_ = displaySwitchRequested_ || !repeat;
        return;
    }
    // However long a key is held and however the system repeats it, it counts one hit.
    if (repeat || !IsKey(keyCode) || keyHeld_[keyCode])
        return;
    keyHeld_[keyCode] = true;
    ++keyHits_[keyCode];
}

void InputState::KeyUp(int keyCode)
{
    if (IsKey(keyCode))
        keyHeld_[keyCode] = false;
}

void InputState::CharacterTyped(int character)
{
    if (characters_.size() < CharacterLimit)
        characters_.push_back(static_cast<unsigned char>(character));
}

void InputState::ButtonDown(int button)
{
    if (!IsButton(button) || buttonHeld_[button])
        return;
    buttonHeld_[button] = true;
    ++buttonHits_[button];
}

void InputState::ButtonUp(int button)
{
    if (IsButton(button))
        buttonHeld_[button] = false;
}

void InputState::PointerMoved(int x, int y)
{
    pointerX_ = x;
    pointerY_ = y;
}

void InputState::WheelTurned(int notches)
{
    wheel_ += notches;
}

// A key held while the user switches away counts as released, and presses made meanwhile
// are lost.
void InputState::Deactivated()
{
    ResetKeyboard();
    ResetMouseButtons();
    suspended_ = true;
}

void InputState::Activated()
{
    ResetKeyboard();
    ResetMouseButtons();
    suspended_ = false;
}

void InputState::CloseRequested()
{
    closeRequested_ = true;
}

int InputState::TakeKeyHits(int keyCode)
{
    if (!IsKey(keyCode))
        return 0;
    const int hits = keyHits_[keyCode];
    keyHits_[keyCode] = 0;
    return hits;
}

bool InputState::KeyHeld(int keyCode) const
{
    return IsKey(keyCode) && keyHeld_[keyCode];
}

int InputState::TakeButtonHits(int button)
{
    if (!IsButton(button))
        return 0;
    const int hits = buttonHits_[button];
    buttonHits_[button] = 0;
    return hits;
}

bool InputState::ButtonHeld(int button) const
{
    return IsButton(button) && buttonHeld_[button];
}

int InputState::TakeCharacter()
{
    if (characters_.empty())
        return 0;
    const int character = characters_.front();
    characters_.pop_front();
    return character;
}

bool InputState::TakeCloseRequest()
{
    const bool requested = closeRequested_;
    closeRequested_ = false;
    return requested;
}

void InputState::ResetKeyboard()
{
    keyHeld_.fill(false);
    keyHits_.fill(0);
    characters_.clear();
}

void InputState::ResetMouseButtons()
{
    buttonHeld_.fill(false);
    buttonHits_.fill(0);
    wheel_ = 0;
}

void InputState::SwitchDisplayWithAltEnter(bool on)
{
    altEnterSwitches_ = on;
}

bool InputState::TakeDisplaySwitchRequest()
{
    const bool requested = displaySwitchRequested_;
    displaySwitchRequested_ = false;
    return requested;
}
