#include "frontend/screen_words.h"

#include "framework/settings.h"
#include "frontend/language.h"
#include "media/core/text.h"

ScreenWords Words;

namespace {

struct WordKey {
    const char* key;
    std::string ScreenWords::* word;
};

constexpr WordKey WordKeys[] = {
    {"play.level", &ScreenWords::level},
    {"par", &ScreenWords::par},
    {"fin.moves", &ScreenWords::moves},
    {"fin.coins", &ScreenWords::coins},
    {"fin.keys", &ScreenWords::keys},
    {"fin.record", &ScreenWords::recordToBeat},
    {"fin.norecord", &ScreenWords::noRecord},
    {"fin.parmet", &ScreenWords::parMatched},
    {"fin.cursor", &ScreenWords::cursor},
    {"replay.end", &ScreenWords::replayEnded},
};

}  // namespace

std::vector<std::string> ScreenWordKeys()
{
    std::vector<std::string> keys;
    for (const WordKey& entry : WordKeys)
        keys.emplace_back(entry.key);
    return keys;
}

std::string TitleKey(int level)
{
    return "title." + IntToText(level);
}

void ReadScreenWords()
{
    ScopedSettingsFile language(LanguageFile());
    for (const WordKey& entry : WordKeys)
        Words.*entry.word = UpperText(ReadSettingStr(entry.key));
    for (int level = 0; level < LevelSlots; ++level)
        Words.titles[level] = UpperText(ReadSettingStr(TitleKey(level)));
}
