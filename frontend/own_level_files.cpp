#include "frontend/own_level_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "framework/settings.h"
#include "game/level_loader.h"
#include "media/core/text.h"

namespace fs = std::filesystem;

namespace {

constexpr char LevelExtension[] = ".lev";
// Far more than a level file holds; a larger file is not read at all.
constexpr std::uintmax_t MostLevelFileBytes = 64 * 1024;
// A folder of more files is listed only so far, so that the screen stays quick.
constexpr std::size_t MostListedLevels = 500;

OwnLevelFile ReadListedLevel(const fs::path& path)
{
    OwnLevelFile file;
    file.name = path.filename().string();
    std::error_code error;
    const std::uintmax_t bytes = fs::file_size(path, error);
    if (error || bytes > MostLevelFileBytes) {
        file.fault = "Level file " + path.string() + " is too large to be a level.";
        return file;
    }
    file.fault = ReadLevelFile(path.string(), file.level);
    if (file.fault.empty())
        file.problems = CheckLevel(file.level);
    return file;
}

}  // namespace

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
    return (name.empty() ? "untitled" : name) + LevelExtension;
}

std::string FreeOwnLevelFileName(const std::string& title)
{
    const std::string first = OwnLevelFileName(title);
    const std::string stem = first.substr(0, first.size() - std::string(LevelExtension).size());
    std::error_code error;
    std::string name = first;
    for (int number = 2; fs::exists(fs::path(OwnLevelsFolder()) / name, error); ++number)
        name = stem + "-" + IntToText(number) + LevelExtension;
    return name;
}

std::string SaveOwnLevel(const LevelData& level, const std::string& fileName)
{
    const fs::path folder = OwnLevelsFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return "Cannot make the folder " + folder.string() + ": " + error.message() + ".";
    const fs::path path = folder / fileName;
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
    return "";
}

std::vector<OwnLevelFile> ListOwnLevels()
{
    std::vector<fs::path> paths;
    std::error_code error;
    for (fs::directory_iterator entry(OwnLevelsFolder(), error), end; !error && entry != end; entry.increment(error)) {
        if (entry->path().extension() == LevelExtension && !entry->is_directory(error))
            paths.push_back(entry->path());
    }
    std::sort(paths.begin(), paths.end());
    if (paths.size() > MostListedLevels)
        paths.resize(MostListedLevels);
    std::vector<OwnLevelFile> files;
    for (const fs::path& path : paths)
        files.push_back(ReadListedLevel(path));
    return files;
}

std::string DeleteOwnLevelFile(const std::string& fileName)
{
    const fs::path path = fs::path(OwnLevelsFolder()) / fileName;
    std::error_code error;
    if (!fs::remove(path, error) || error)
        return "Cannot delete the level file " + path.string() + (error ? ": " + error.message() : "") + ".";
    return "";
}
