#include "frontend/pad_keys.h"

namespace {

// The keys of play that only the pad's buttons reach: undo, redo, restart.
constexpr int UndoKey = 'Z';
constexpr int RedoKey = 'Y';
constexpr int RestartKey = 'R';

}  // namespace

PadKeys PlayPadKeys()
{
    PadKeys keys{};
    keys[PadA] = KeyEnter;
    keys[PadB] = KeyEscape;
    keys[PadStart] = KeyEscape;
    keys[PadY] = KeyF1;
    keys[PadX] = UndoKey;
    keys[PadLeftShoulder] = RedoKey;
    keys[PadRightShoulder] = RestartKey;
    keys[PadUp] = KeyUp;
    keys[PadDown] = KeyDown;
    keys[PadLeft] = KeyLeft;
    keys[PadRight] = KeyRight;
    return keys;
}

PadKeys LanguagePadKeys()
{
    PadKeys keys{};
    keys[PadA] = KeyEnter;
    keys[PadStart] = KeyEnter;
    keys[PadLeft] = KeyLeft;
    keys[PadRight] = KeyRight;
    return keys;
}

PadKeys NamePadKeys()
{
    PadKeys keys{};
    keys[PadStart] = KeyEscape;
    return keys;
}
