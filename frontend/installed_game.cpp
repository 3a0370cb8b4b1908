#include "frontend/installed_game.h"

#include <filesystem>

#include "framework/settings.h"
#include "frontend/hiscores.h"
#include "frontend/user_saves.h"

namespace fs = std::filesystem;

std::string InstalledDataFolder(const std::string& programFile)
{
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(fs::path(programFile).parent_path() / TINDLEWICK_INSTALLED_DATA, error);
    if (error || !fs::is_regular_file(folder / SettingsIniFile, error))
        return "";
    return folder.string();
}

std::string EnterInstalledGame(const std::string& dataFolder, const std::string& savesFolder)
{
    const std::vector<std::string> saves = {SettingsIniFile, HiscoresFile};
    if (std::string error = PrepareSaves(dataFolder, savesFolder, saves); !error.empty())
        return error;
    std::error_code error;
    fs::current_path(dataFolder, error);
    if (error)
        return "Cannot enter the data folder " + dataFolder + ": " + error.message() + ".";
    KeepSettingsFilesIn(savesFolder, saves);
    return "";
}
