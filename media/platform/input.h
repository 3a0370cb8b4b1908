// Keyboard, mouse and window requests, polled. Every query first handles the window events
// that are waiting. Keys are named by Windows virtual-key codes; letters and digits are
// their ASCII codes.
#pragma once

#include <string>

#include "media/platform/gamepad_state.h"

enum KeyCode {
    KeyBackspace = 8,
    KeyEnter = 13,
    KeyAlt = 18,
    KeyEscape = 27,
    KeySpace = 32,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyDelete = 46,
    KeyR = 'R',
    KeyY = 'Y',
    KeyZ = 'Z',
    KeyF1 = 112,
};

int KeyPressCount(int keyCode);
int KeyIsHeld(int keyCode);
void ResetKeyboard();
int ButtonPressCount(int button);
// 1 while the button is held down, 0 otherwise.
int ButtonIsHeld(int button);
int PointerX();
int PointerY();
void ResetMouseButtons();
int CloseWasRequested();
void HidePointer();
// The pointer shown again, for screens played with the mouse.
void ShowPointer();
// The oldest character typed and not yet taken, as 8-bit text; 0 when none waits.
int TypedCharacter();

// Gamepads, hot-plugged through SDL's game controllers. Each button hit counts for the pad
// (PadPressCount) and stands for a key of the input state above, as `keys` give it; the
// d-pad and the left stick are the four directions. A change of keys lets go of the keys
// the pad held and drops pending pad hits, as ResetKeyboard does.
void SetPadKeys(const PadKeys& keys);
int PadPressCount(PadButton button);
bool PadConnected();

// Scripted input: a file of lines "FRAME EVENT KEY" whose events are delivered as if from
// the window once PresentFrame has been called FRAME times. Returns the empty text, or a
// message naming the file and the line at fault.
std::string LoadInputScript(const std::string& path);
