#include "frontend/name_entry.h"

#include "media/core/text.h"
#include "media/platform/input.h"

namespace {

// A to V, then X, Y, Z and W last, then the digits and the blank: the first key of this order
// hit in a frame is the one typed.
constexpr char TypingOrder[] = "ABCDEFGHIJKLMNOPQRSTUVXYZW0123456789 ";

}  // namespace

std::string NameEntry(const std::string& text, int maxLength)
{
    std::string name = text;
    // A full name leaves the letter keys unread, so their hits wait for the next reset.
    if (static_cast<int>(name.size()) < maxLength) {
        for (const char key : std::string(TypingOrder)) {
            if (KeyPressCount(key) != 0) {
                name += key;
                ResetKeyboard();
                break;
            }
        }
    }
    if (KeyPressCount(KeyBackspace) != 0) {
        name = SubText(name, 1, static_cast<int>(name.size()) - 1);
        ResetKeyboard();
    }
    return name;
}

void ForgetTypingHits()
{
    // Reading a key's hits drops them.
    for (const char key : std::string(TypingOrder))
        KeyPressCount(key);
}
