#include "frontend/remembered_language.h"

#include "framework/log.h"
#include "framework/settings.h"
#include "frontend/language_screen.h"
#include "media/core/text.h"

int LanguageSelectionOf(const std::string& value)
{
    if (value == LowerText(LanguageOfSelection(1)))
        return 1;
    if (!value.empty() && value != LowerText(LanguageOfSelection(0))) {
        LogWarning(SettingsFileName + ": the key \"" + LanguageKey + "\" is \"" + value +
                   "\", which names no language of the game: the language screen starts on English");
    }
    return 0;
}

int RememberedLanguage()
{
    return LanguageSelectionOf(ReadSettingStr(LanguageKey));
}

void RememberLanguage(int selection)
{
    const std::string stored = ReadSettingStr(LanguageKey);
    const std::string chosen = LowerText(LanguageOfSelection(selection));
    if (!stored.empty() && stored != chosen)
        WriteSetting(LanguageKey, chosen);
}
