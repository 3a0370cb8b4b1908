#include "frontend/par_table.h"

#include "framework/log.h"
#include "framework/settings.h"
#include "media/core/file_stream.h"
#include "media/core/text.h"

std::array<int, LevelSlots> LevelPar = [] {
    std::array<int, LevelSlots> unknown;
    unknown.fill(UnknownPar);
    return unknown;
}();

namespace {

constexpr std::size_t MostParDigits = 5;

// The settings reader ends the program on a file it cannot open; par is optional, so a file
// that is not there, or cannot be read, only means that no par is known.
bool ParFileReadable()
{
    return OpenForReading(ParFile) != nullptr;
}

}  // namespace

int ParseParValue(const std::string& value)
{
    if (value.empty() || value.size() > MostParDigits)
        return UnknownPar;
    int par = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return UnknownPar;
        par = 10 * par + (c - '0');
    }
    return par;
}

void ReadParTable()
{
    LevelPar.fill(UnknownPar);
    if (!ParFileReadable())
        return;
    ScopedSettingsFile parFile(ParFile);
    for (int level = 0; level <= LastLevel; ++level) {
        const std::string key = IntToText(level);
        const std::string value = ReadSettingStr(key);
        LevelPar[level] = ParseParValue(value);
        if (LevelPar[level] == UnknownPar && !value.empty()) {
            LogWarning(std::string(ParFile) + ": the key \"" + key + "\" is \"" + value +
                       "\", which is no number of steps: that level's par is not shown");
        }
    }
}
