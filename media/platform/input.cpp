// The window's SDL events translated into the input state, and the polled queries on it.
#include "media/platform/input.h"

#include <SDL.h>

#include "media/core/file_stream.h"
#include "media/platform/display.h"
#include "media/platform/gamepads.h"
#include "media/platform/input_script.h"
#include "media/platform/input_state.h"
#include "media/platform/sdl_key_codes.h"
#include "media/platform/window_events.h"

namespace {

// The open display's window; 0 while none is open.
Uint32 FollowedWindow = 0;
bool HandlingEvents = false;
bool PointerVisible = true;
InputScript Script;

// SDL numbers the middle button 2 and the right one 3; the game the other way round.
int GameButton(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return 0;
    }
}

// Typed text arrives as UTF-8; the game's text is Latin-1, so characters beyond it are
// dropped.
void TypeText(const char* utf8)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    for (std::size_t i = 0; bytes[i] != 0; ++i) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            Input.CharacterTyped(lead);
        } else if ((lead & 0xE0) == 0xC0 && (bytes[i + 1] & 0xC0) == 0x80) {
            const int code = ((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F);
            if (code < 256)
                Input.CharacterTyped(code);
            ++i;
        }
    }
}

void HandleKeyDown(const SDL_KeyboardEvent& key)
{
    // Alt+F4 asks to close, as the window system's own close does.
    if (key.keysym.sym == SDLK_F4 && (key.keysym.mod & KMOD_ALT))
        Input.CloseRequested();
    Input.KeyDown(VirtualKeyCode(key.keysym.sym), key.repeat != 0, (key.keysym.mod & KMOD_ALT) != 0);
}

void HandleWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
        Input.Deactivated();
        DisplayFocusChanged(false);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        Input.Activated();
        DisplayFocusChanged(true);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        Input.CloseRequested();
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        DisplaySizeChanged();
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        DisplayExposed();
        break;
    default:
        break;
    }
}

Uint32 WindowOf(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return event.key.windowID;
    case SDL_TEXTINPUT:
        return event.text.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return event.button.windowID;
    case SDL_MOUSEMOTION:
        return event.motion.windowID;
    case SDL_MOUSEWHEEL:
        return event.wheel.windowID;
    case SDL_WINDOWEVENT:
        return event.window.windowID;
    default:
        return FollowedWindow;
    }
}

void HandleEvent(const SDL_Event& event)
{
    // Pads come and go whatever window is open, and belong to none.
    if (HandleGamepadEvent(event, Input))
        return;
    if (FollowedWindow == 0 || WindowOf(event) != FollowedWindow)
        return;
    switch (event.type) {
    case SDL_KEYDOWN:
        HandleKeyDown(event.key);
        break;
    case SDL_KEYUP:
        Input.KeyUp(VirtualKeyCode(event.key.keysym.sym));
        break;
    case SDL_TEXTINPUT:
        TypeText(event.text.text);
        break;
    case SDL_MOUSEBUTTONDOWN:
        Input.ButtonDown(GameButton(event.button.button));
        break;
    case SDL_MOUSEBUTTONUP:
        Input.ButtonUp(GameButton(event.button.button));
        break;
    case SDL_MOUSEMOTION: {
        int x = event.motion.x, y = event.motion.y;
        PointerInLayout(x, y);
        Input.PointerMoved(x, y);
        break;
    }
    case SDL_MOUSEWHEEL:
        Input.WheelTurned(event.wheel.y);
        break;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window);
        break;
    case SDL_QUIT:
        Input.CloseRequested();
        break;
    default:
        break;
    }
}

void PollEvents()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    StartGamepads();
    SDL_Event event;
    while (SDL_PollEvent(&event))
        HandleEvent(event);
}

// The script's gamepad takes SDL's way: each change is polled at once, so that a press's
// down arrives before its up, and the pad's arrival before its first control.
void DeliverToScriptPad(const ScriptedEvent& event)
{
    if (event.kind == ScriptedEvent::PadUnplug) {
        UnplugScriptPad();
    } else if (!ScriptPadPlugged()) {
        PlugScriptPad();
        PollEvents();
    }
    if (event.kind == ScriptedEvent::PadDown || event.kind == ScriptedEvent::PadUp)
        SetScriptPadControl(event.control, event.kind == ScriptedEvent::PadDown);
    PollEvents();
}

// Latin-1 as UTF-8, as the window system hands typed text over.
std::string Utf8Of(const std::string& latin1)
{
    std::string utf8;
    for (const char character : latin1) {
        const auto code = static_cast<unsigned char>(character);
        if (code < 0x80) {
            utf8 += character;
        } else {
            utf8 += static_cast<char>(0xC0 | code >> 6);
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

// The script's mouse and typing go through the window's own event queue, so that they take
// the very path a player's do, the pointer's scaling to the picture included.
void PushWindowEvent(const ScriptedEvent& scripted)
{
    if (FollowedWindow == 0)
        return;
    SDL_Event event{};
    if (scripted.kind == ScriptedEvent::PointerMove) {
        int x = scripted.x, y = scripted.y;
        LayoutPointInWindow(x, y);
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = FollowedWindow;
        event.motion.x = x;
        event.motion.y = y;
    } else if (scripted.kind == ScriptedEvent::Typed) {
        const std::string utf8 = Utf8Of(scripted.text).substr(0, SDL_TEXTINPUTEVENT_TEXT_SIZE - 1);
        event.type = SDL_TEXTINPUT;
        event.text.windowID = FollowedWindow;
        utf8.copy(event.text.text, utf8.size());
    } else {
        event.type = scripted.kind == ScriptedEvent::ButtonDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = FollowedWindow;
        event.button.button = scripted.keyCode == 1 ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
        event.button.state = event.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = 1;
    }
    SDL_PushEvent(&event);
    PollEvents();
}

void DeliverScriptDeviceEvent(const ScriptedEvent& event)
{
    switch (event.kind) {
    case ScriptedEvent::PointerMove:
    case ScriptedEvent::ButtonDown:
    case ScriptedEvent::ButtonUp:
    case ScriptedEvent::Typed:
        PushWindowEvent(event);
        break;
    default:
        DeliverToScriptPad(event);
        break;
    }
}

// Every query starts here. Events are handled one at a time and a query made while they
// are (a fatal error's exit handlers, say) does not start over.
void HandleWaitingEvents()
{
    if (HandlingEvents)
        return;
    HandlingEvents = true;
    PollEvents();
    Script.Deliver(PresentCount(), Input, DeliverScriptDeviceEvent);
    HandlingEvents = false;
}

void ApplyPointerVisibility()
{
    if (FollowedWindow != 0)
        SDL_ShowCursor(PointerVisible ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace

void FollowWindowInput(unsigned windowId)
{
    FollowedWindow = windowId;
    Input.ResetKeyboard();
    Input.ResetMouseButtons();
    ApplyPointerVisibility();
}

void SwitchDisplayWithAltEnter(bool on)
{
    Input.SwitchDisplayWithAltEnter(on);
}

bool TakeDisplaySwitchRequest()
{
    return Input.TakeDisplaySwitchRequest();
}

int KeyPressCount(int keyCode)
{
    HandleWaitingEvents();
    return Input.TakeKeyHits(keyCode);
}

int KeyIsHeld(int keyCode)
{
    HandleWaitingEvents();
    return Input.KeyHeld(keyCode) ? 1 : 0;
}

void ResetKeyboard()
{
    HandleWaitingEvents();
    Input.ResetKeyboard();
    Pads.ResetHits();
}

int ButtonPressCount(int button)
{
    HandleWaitingEvents();
    return Input.TakeButtonHits(button);
}

int ButtonIsHeld(int button)
{
    HandleWaitingEvents();
    return Input.ButtonHeld(button) ? 1 : 0;
}

int PointerX()
{
    HandleWaitingEvents();
    return Input.PointerX();
}

int PointerY()
{
    HandleWaitingEvents();
    return Input.PointerY();
}

void ResetMouseButtons()
{
    HandleWaitingEvents();
    Input.ResetMouseButtons();
}

int CloseWasRequested()
{
    HandleWaitingEvents();
    return Input.TakeCloseRequest() ? 1 : 0;
}

void SetPadKeys(const PadKeys& keys)
{
    HandleWaitingEvents();
    Pads.SetKeys(keys, Input);
}

int PadPressCount(PadButton button)
{
    HandleWaitingEvents();
    return Pads.TakeHits(button);
}

bool PadConnected()
{
    HandleWaitingEvents();
    return GamepadConnected();
}

void HidePointer()
{
    PointerVisible = false;
    ApplyPointerVisibility();
}

void ShowPointer()
{
    PointerVisible = true;
    ApplyPointerVisibility();
}

int TypedCharacter()
{
    HandleWaitingEvents();
    return Input.TakeCharacter();
}

std::string LoadInputScript(const std::string& path)
{
    const FileStream stream = OpenForReading(path);
    if (!stream)
        return "Cannot open the input script " + path + ".";
    std::string text;
    while (!StreamAtEnd(stream))
        text += StreamReadLine(stream) + "\n";
    CloseFileStream(stream);
    return Script.Read(path, text);
}
