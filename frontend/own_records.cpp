#include "frontend/own_records.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "framework/settings.h"
#include "frontend/par_table.h"
#include "game/step_frames.h"
#include "media/core/file_stream.h"
#include "media/core/text.h"

namespace {

constexpr char NoWayValue[] = "none";
constexpr char TooHardValue[] = "hard";

std::string Key(const LevelData& level, const char* field)
{
    return LevelFingerprintText(level) + "." + field;
}

// The letters a record is made of, one for each direction, as the player writes them and
// the settings file lowers them.
bool AreSteps(const std::string& steps)
{
    return steps.find_first_not_of("wasd") == std::string::npos;
}

bool FramesFit(const std::string& frames, const std::string& steps)
{
    std::vector<int> read;
    return ReadStepFrames(frames, ' ', read).empty() && StepFramesMisfit(read, steps.size()).empty();
}

std::string ParText(OwnParState state, int par)
{
    switch (state) {
    case OwnParState::Proven: return IntToText(par);
    case OwnParState::NoWayWithEveryCoin: return NoWayValue;
    case OwnParState::TooHard: return TooHardValue;
    default: return "";
    }
}

}  // namespace

std::string LevelFingerprintText(const LevelData& level)
{
    // FNV-1a: fast, and spread well enough that two levels of one player never meet.
    uint64_t hash = 14695981039346656037ULL;
    for (const char byte : EncodeLevel(level)) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    constexpr char Digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = Digits[hash & 15];
    return text;
}

std::string OwnRecordsPath()
{
    return (std::filesystem::path(SettingsFilePath(SettingsIniFile)).parent_path() / OwnRecordsFile).string();
}

OwnLevelFacts ParFromText(const std::string& value)
{
    OwnLevelFacts facts;
    if (value == NoWayValue) {
        facts.parState = OwnParState::NoWayWithEveryCoin;
    } else if (value == TooHardValue) {
        facts.parState = OwnParState::TooHard;
    } else if (const int par = ParseParValue(value); par != UnknownPar) {
        facts.parState = OwnParState::Proven;
        facts.par = par;
    }
    return facts;
}

OwnLevelFacts ReadOwnLevelFacts(const LevelData& level)
{
    if (!FileExists(OwnRecordsPath()))
        return {};
    ScopedSettingsFile records(OwnRecordsPath());
    OwnLevelFacts facts = ParFromText(ReadSettingStr(Key(level, "par")));
    const std::string holder = ReadSettingStr(Key(level, "player"));
    const std::string steps = ReadSettingStr(Key(level, "score"));
    // A record may be held by a player who typed no name.
    if (steps.empty() || !AreSteps(steps))
        return facts;
    facts.holder = UpperText(holder);
    facts.steps = steps;
    if (const std::string frames = ReadSettingStr(Key(level, "frames")); FramesFit(frames, steps))
        facts.frames = frames;
    return facts;
}

void StoreOwnPar(const LevelData& level, OwnParState state, int par)
{
    ScopedSettingsFile records(OwnRecordsPath());
    WriteSettings({{Key(level, "par"), ParText(state, par)}});
}

void StoreOwnRecord(const LevelData& level, const std::string& holder, const std::string& steps,
                    const std::string& frames)
{
    ScopedSettingsFile records(OwnRecordsPath());
    // Holder, steps and frames together: a save cut short must not mix two records.
    WriteSettings({{Key(level, "player"), holder}, {Key(level, "score"), steps}, {Key(level, "frames"), frames}});
}

void ForgetOwnLevel(const LevelData& level)
{
    if (!FileExists(OwnRecordsPath()))
        return;
    ScopedSettingsFile records(OwnRecordsPath());
    WriteSettings({{Key(level, "player"), ""}, {Key(level, "score"), ""}, {Key(level, "frames"), ""},
                   {Key(level, "par"), ""}});
}
