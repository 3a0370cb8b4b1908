// The screens' added texts and the remembered language: a fuzzed language file and a fuzzed
// "Settings.ini" beside it. The first byte chooses the language and the language the screen
// is then left on; the rest is the two files, split at "\n%%\n". Whatever they hold, reading
// never stops the game, every text is in capitals on one line, and the language chosen is
// the one a second start opens on when the file has the key, while a file without it is
// never written.
#include <fstream>
#include <iterator>

#include "framework/settings.h"
#include "frontend/language.h"
#include "frontend/level_titles.h"
#include "frontend/level_unlocks.h"
#include "frontend/remembered_language.h"
#include "frontend/screen_words.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "media/core/text.h"

namespace {

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CheckText(const std::string& text)
{
    FuzzCheck(text == UpperText(text), "texts are in capitals");
    FuzzCheck(text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos, "texts stand on one line");
}

void CheckRemembering(int chosen)
{
    const std::string before = FileBytes(SettingsIniFile);
    const bool hasValue = !ReadSettingStr(LanguageKey).empty();
    RememberLanguage(chosen);
    if (hasValue)
        FuzzCheck(RememberedLanguage() == chosen, "the next start opens on the language chosen");
    else
        FuzzCheck(FileBytes(SettingsIniFile) == before, "a file without the key is not written");
}

}  // namespace

FUZZ_TARGET(screen_words)
{
    FuzzInput input(data, size);
    const uint8_t choice = input.Byte();
    Language = choice & 1 ? "Finnish" : "English";
    const std::string rest = input.Rest();
    const std::vector<std::string> files =
        SplitInput(reinterpret_cast<const uint8_t*>(rest.data()), rest.size(), "\n%%\n", 2);
    InFuzzFolder inside;
    WriteFuzzFile(LanguageFile(), reinterpret_cast<const uint8_t*>(files[0].data()), files[0].size());
    WriteFuzzFile(SettingsIniFile, reinterpret_cast<const uint8_t*>(files[1].data()), files[1].size());

    LastLevel = LevelSlots - 1;
    const std::string error = CatchFatal([] {
        ReadScreenWords();
        ReadLevelTitles();
    });
    FuzzCheck(error.empty(), "a language file that opens never stops the game here");
    for (const std::string* word : {&Words.level, &Words.par, &Words.moves, &Words.coins, &Words.keys,
                                    &Words.recordToBeat, &Words.noRecord, &Words.parMatched, &Words.cursor,
                                    &Words.replayEnded})
        CheckText(*word);
    for (int level = 0; level < LevelSlots; ++level) {
        CheckText(LevelTitles[level]);
        CheckText(LevelName(level));
    }
    SetSettingsFile(SettingsIniFile);
    const int remembered = RememberedLanguage();
    FuzzCheck(remembered == 0 || remembered == 1, "the screen starts on one of the two languages");
    CheckRemembering((choice & 2) ? 1 : 0);
    LastLevel = 0;
    Language = "";
}
