// Keyboard, mouse and window requests, polled. Every query first handles the window events
// that are waiting. Keys are named by Windows virtual-key codes; letters and digits are
// their ASCII codes.
#pragma once

#include <string>

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
    KeyF1 = 112,
};

int KeyPressCount(int keyCode);
int KeyIsHeld(int keyCode);
void ResetKeyboard();
int ButtonPressCount(int button);
int PointerX();
int PointerY();
void ResetMouseButtons();
int CloseWasRequested();
void HidePointer();

// Scripted input: a file of lines "FRAME EVENT KEY" whose events are delivered as if from
// the window once PresentFrame has been called FRAME times. Returns the empty text, or a
// message naming the file and the line at fault.
std::string LoadInputScript(const std::string& path);
