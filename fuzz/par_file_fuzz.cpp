// Par files: a fuzzed "Levels/Par.dat", read for every level the game has room for. Whatever
// it holds, reading it never stops the game, leaves "Settings.ini" current, and gives every
// level a par of at most five digits or none.
#include <filesystem>

#include "framework/settings.h"
#include "frontend/level_unlocks.h"
#include "frontend/par_table.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

FUZZ_TARGET(par_file)
{
    InFuzzFolder inside;
    std::filesystem::create_directory("Levels");
    WriteFuzzFile(ParFile, data, size);
    LastLevel = LevelSlots - 1;
    const std::string error = CatchFatal([] { ReadParTable(); });
    FuzzCheck(error.empty(), "a par file never stops the game");
    FuzzCheck(SettingsFileName == SettingsIniFile, "Settings.ini is current again");
    for (const int par : LevelPar)
        FuzzCheck(par == UnknownPar || (par >= 0 && par <= 99999), "par is unknown or a number of steps");
    LastLevel = 0;
}
