#include "frontend/data_folder.h"

#include <filesystem>

#include "framework/settings.h"

std::string EnterDataFolder(const std::string& asked)
{
    std::string folder = asked;
    if (folder.empty()) {
        std::error_code error;
        if (std::filesystem::is_regular_file(SettingsIniFile, error))
            return "";
        folder = TINDLEWICK_DATA_DIR;
    }
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error)
        return "Cannot enter the data folder " + folder + ": " + error.message() + ".";
    return "";
}
