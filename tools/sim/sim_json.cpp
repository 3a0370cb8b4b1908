#include "tools/sim/sim_json.h"

#include <charconv>
#include <cstdio>

#include "framework/particles.h"
#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/pushables.h"
#include "game/switches.h"
#include "game/tiles.h"

namespace {

// Game text is Latin-1; JSON is UTF-8, so everything outside plain ASCII is escaped.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (code < 0x20 || code >= 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", code);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The shortest text that reads back as the same float.
std::string Number(float value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

std::string Field(const char* name, const std::string& value)
{
    return std::string(", \"") + name + "\": " + value;
}

std::string Field(const char* name, int value)
{
    return Field(name, std::to_string(value));
}

// The fields every kind adds to "kind", "x" and "y".
std::string KindFields(const TGameObject& object)
{
    switch (object.Kind) {
    case ObjectKind::Wally:
        return Field("variant", dynamic_cast<const TWally&>(object).Variant);
    case ObjectKind::Floory:
        return Field("variant", dynamic_cast<const TFloory&>(object).Variant);
    case ObjectKind::ColorGate:
        return Field("color", dynamic_cast<const TColorGate&>(object).ColorIndex);
    case ObjectKind::ButtyActive: {
        const auto& button = dynamic_cast<const TButty_Active&>(object);
        return Field("color", button.ColorIndex) + Field("pressed", button.Pressed) +
               Field("hold", button.HoldTimer);
    }
    case ObjectKind::ButtyStatic: {
        const auto& button = dynamic_cast<const TButty_Static&>(object);
        return Field("color", button.ColorIndex) + Field("pressed", button.Pressed);
    }
    case ObjectKind::Coin:
        return Field("scale", Number(dynamic_cast<const TCoin&>(object).Scale));
    case ObjectKind::Woody:
    case ObjectKind::Boxy:
        return Field("moving", object.Moving) + Field("facing", object.Facing);
    case ObjectKind::Boulder:
        return Field("moving", object.Moving) + Field("facing", object.Facing) +
               Field("angle", dynamic_cast<const TBoulder&>(object).Angle);
    case ObjectKind::Player:
        return Field("moving", object.Moving) + Field("facing", object.Facing) +
               Field("frame", PlayerFrame) + Field("idle", IdleCounter);
    default:
        return "";
    }
}

std::string NumberList(const std::vector<int>& numbers)
{
    std::string list = "[";
    for (std::size_t i = 0; i < numbers.size(); ++i)
        list += (i > 0 ? ", " : "") + std::to_string(numbers[i]);
    return list + "]";
}

std::string FinishedJson(const FinishMoment* finished)
{
    if (!finished)
        return "null";
    return "{\"frame\": " + std::to_string(finished->frame) + Field("moves", finished->moves) +
           Field("record", Quoted(finished->record)) + Field("keys_taken", finished->keysTaken) +
           Field("coins_taken", finished->coinsTaken) + Field("frames", NumberList(finished->stepFrames)) + "}";
}

}  // namespace

std::string WorldJson(int frames, const FinishMoment* finished)
{
    std::string json = "{\"frames\": " + std::to_string(frames) + Field("title", Quoted(LevelTitle)) +
                       Field("keys_in_level", KeysInLevel) + Field("coins_in_level", CoinsInLevel) +
                       Field("moves", MoveCount) + Field("record", Quoted(ReplayString)) +
                       Field("keys_taken", KeysTaken) + Field("coins_taken", CoinsTaken) +
                       Field("goal_open", GoalOpen) + Field("particles", LiveParticleCount()) +
                       Field("finished", FinishedJson(finished)) + ",\n \"objects\": [";
    const char* separator = "\n  ";
    for (const GameObject& object : LevelObjects) {
        json += separator;
        json += "{\"kind\": " + Quoted(KindTag(object->Kind)) + Field("x", Number(object->X)) +
                Field("y", Number(object->Y)) + KindFields(*object) + "}";
        separator = ",\n  ";
    }
    return json + "]}\n";
}
