// The keyboard, mouse and window-request state that the input queries read, changed by
// window events. Free of SDL: the window's events, scripted input and tests all feed it the
// same way. One lives for the whole program (Input); opening and closing a display resets it.
#pragma once

#include <array>
#include <deque>

class InputState {
public:
    static constexpr int CharacterLimit = 256;

    // Window events. Key codes outside 1..255 and buttons outside 1..3 are ignored. `alt`:
    // the window system says Alt is held, whatever the state knows of it.
    void KeyDown(int keyCode, bool repeat, bool alt = false);
    void KeyUp(int keyCode);
    void CharacterTyped(int character);
    void ButtonDown(int button);
    void ButtonUp(int button);
    void PointerMoved(int x, int y);
    void WheelTurned(int notches);
    // The game's window stopped or started being the active application.
    void Deactivated();
    void Activated();
    void CloseRequested();
    // From now on, while on, Enter hit with Alt held asks for the other display instead of
    // counting a hit.
    void SwitchDisplayWithAltEnter(bool on);

    // Hits since the last read; reading sets them back to 0.
    int TakeKeyHits(int keyCode);
    bool KeyHeld(int keyCode) const;
    int TakeButtonHits(int button);
    bool ButtonHeld(int button) const;
    // The oldest typed character waiting, 0 when none is.
    int TakeCharacter();
    int PointerX() const { return pointerX_; }
    int PointerY() const { return pointerY_; }
    int WheelTotal() const { return wheel_; }
    bool Suspended() const { return suspended_; }
    // True once for each close request, and once for each Alt+Enter.
    bool TakeCloseRequest();
    bool TakeDisplaySwitchRequest();

    // Held flags, hits and the waiting characters.
    void ResetKeyboard();
    // Held flags, hits and the wheel; the pointer stays where it is.
    void ResetMouseButtons();

private:
    std::array<bool, 256> keyHeld_{};
    std::array<int, 256> keyHits_{};
    std::deque<unsigned char> characters_;
    std::array<bool, 4> buttonHeld_{};
    std::array<int, 4> buttonHits_{};
    int pointerX_ = 0;
    int pointerY_ = 0;
    int wheel_ = 0;
    bool suspended_ = false;
    bool closeRequested_ = false;
    bool altEnterSwitches_ = false;
    bool displaySwitchRequested_ = false;
};

extern InputState Input;
