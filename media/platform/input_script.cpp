#include "media/platform/input_script.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

#include "media/core/text.h"
#include "media/platform/input.h"

namespace {

struct NamedKey {
    const char* name;
    int code;
};

const NamedKey NamedKeys[] = {
    {"LEFT", KeyLeft},   {"UP", KeyUp},         {"RIGHT", KeyRight},
    {"DOWN", KeyDown},   {"ENTER", KeyEnter},   {"ESCAPE", KeyEscape},
    {"SPACE", KeySpace}, {"BACKSPACE", KeyBackspace}, {"F1", KeyF1},
    {"ALT", KeyAlt},     {"DELETE", KeyDelete},
};

ScriptedEvent EventAt(int frame, ScriptedEvent::Kind kind, int keyCode, PadControl control = PadControl::A)
{
    ScriptedEvent event;
    event.frame = frame;
    event.kind = kind;
    event.keyCode = keyCode;
    event.control = control;
    return event;
}

bool ParseFrame(const std::string& text, int& frame)
{
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, frame);
    return error == std::errc() && stop == end && frame >= 0;
}

std::string ParsePointer(int frame, const std::string& xText, const std::string& yText,
                         std::istringstream& words, std::vector<ScriptedEvent>& events)
{
    ScriptedEvent move = EventAt(frame, ScriptedEvent::PointerMove, 0);
    if (!ParseFrame(xText, move.x) || move.x >= ScriptPictureWidth)
        return "the pointer's x \"" + xText + "\" is not a whole number from 0 to 799";
    if (!ParseFrame(yText, move.y) || move.y >= ScriptPictureHeight)
        return "the pointer's y \"" + yText + "\" is not a whole number from 0 to 599";
    if (std::string extra; words >> extra)
        return "unexpected \"" + extra + "\" after the pointer's y";
    events.push_back(move);
    return "";
}

// The buttons by their script names; 0 for any other name.
int MouseButtonNamed(const std::string& name)
{
    return name == "mouse1" ? 1 : name == "mouse2" ? 2 : 0;
}

// One line's events, or a message saying what is wrong with it.
std::string ParseLine(const std::string& line, std::vector<ScriptedEvent>& events)
{
    std::istringstream words(line);
    std::string frameText, event, key, extra;
    words >> frameText >> event >> key >> extra;
    int frame = 0;
    if (!ParseFrame(frameText, frame))
        return "the frame \"" + frameText + "\" is not a whole number";
    event = LowerText(event);
    if (event == "pointer")
        return ParsePointer(frame, key, extra, words, events);
    if (event == "type") {
        if (key.empty() || !extra.empty())
            return "type needs one word of text";
        events.push_back(EventAt(frame, ScriptedEvent::Typed, 0));
        events.back().text = key;
        return "";
    }
    if (event == "close") {
        if (!key.empty())
            return "close takes no key";
        events.push_back(EventAt(frame, ScriptedEvent::Close, 0));
        return "";
    }
    if (event != "down" && event != "up" && event != "press")
        return "unknown event \"" + event + "\" (down, up, press or close)";
    if (key.empty())
        return event + " needs a key";
    if (!extra.empty())
        return "unexpected \"" + extra + "\" after the key";
    if (LowerText(key) == "pad") {
        if (event != "up")
            events.push_back(EventAt(frame, ScriptedEvent::PadPlug, 0));
        if (event != "down")
            events.push_back(EventAt(frame, ScriptedEvent::PadUnplug, 0));
        return "";
    }
    if (LowerText(key).starts_with("pad:")) {
        const std::optional<PadControl> control = PadControlNamed(LowerText(key.substr(4)));
        if (!control)
            return "unknown gamepad control \"" + key.substr(4) + "\"";
        if (event != "up")
            events.push_back(EventAt(frame, ScriptedEvent::PadDown, 0, *control));
        if (event != "down")
            events.push_back(EventAt(frame, ScriptedEvent::PadUp, 0, *control));
        return "";
    }
    if (const int button = MouseButtonNamed(LowerText(key)); button != 0) {
        if (event != "up")
            events.push_back(EventAt(frame, ScriptedEvent::ButtonDown, button));
        if (event != "down")
            events.push_back(EventAt(frame, ScriptedEvent::ButtonUp, button));
        return "";
    }
    const int code = ScriptKeyCode(key);
    if (code == 0)
        return "unknown key \"" + key + "\"";
    if (event != "up")
        events.push_back(EventAt(frame, ScriptedEvent::KeyDown, code));
    if (event != "down")
        events.push_back(EventAt(frame, ScriptedEvent::KeyUp, code));
    return "";
}

}  // namespace

int ScriptKeyCode(const std::string& name)
{
    const std::string upper = UpperText(name);
    if (upper.size() == 1 && ((upper[0] >= 'A' && upper[0] <= 'Z') || (upper[0] >= '0' && upper[0] <= '9')))
        return upper[0];
    for (const NamedKey& key : NamedKeys) {
        if (upper == key.name)
            return key.code;
    }
    return 0;
}

std::string InputScript::Read(const std::string& name, const std::string& text)
{
    events_.clear();
    next_ = 0;
    std::vector<ScriptedEvent> events;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        if (std::string error = ParseLine(line, events); !error.empty())
            return name + ", line " + std::to_string(number) + ": " + error + ".";
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptedEvent& a, const ScriptedEvent& b) { return a.frame < b.frame; });
    events_ = std::move(events);
    return "";
}

void InputScript::Deliver(int presentCount, InputState& input,
                          const std::function<void(const ScriptedEvent&)>& deviceEvent)
{
    for (; next_ < events_.size() && events_[next_].frame <= presentCount; ++next_) {
        const ScriptedEvent& event = events_[next_];
        if (event.kind == ScriptedEvent::KeyDown)
            input.KeyDown(event.keyCode, false);
        else if (event.kind == ScriptedEvent::KeyUp)
            input.KeyUp(event.keyCode);
        else if (event.kind == ScriptedEvent::Close)
            input.CloseRequested();
        else if (deviceEvent)
            deviceEvent(event);
    }
}
