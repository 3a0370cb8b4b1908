#include "frontend/own_level_files.h"

#include <filesystem>
#include <fstream>

#include "framework/settings.h"

namespace fs = std::filesystem;

std::string OwnLevelsFolder()
{
    return (fs::path(SettingsFilePath(SettingsIniFile)).parent_path() / "levels").string();
}

std::string OwnLevelFileName(const std::string& title)
{
    std::string name;
    for (const char character : title) {
        const auto code = static_cast<unsigned char>(character);
        if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9'))
            name += character;
        else if (code >= 'A' && code <= 'Z')
            name += static_cast<char>(code - 'A' + 'a');
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return (name.empty() ? "untitled" : name) + ".lev";
}

std::string SaveOwnLevel(const LevelData& level, std::string& file)
{
    const fs::path folder = OwnLevelsFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return "Cannot make the folder " + folder.string() + ": " + error.message() + ".";
    const fs::path path = folder / OwnLevelFileName(level.title);
    const fs::path temporary = path.string() + ".new";
    const std::string bytes = EncodeLevel(level);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return "Cannot write the level file " + path.string() + ".";
        }
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return "Cannot write the level file " + path.string() + ".";
    }
    file = (fs::path("levels") / path.filename()).string();
    return "";
}
