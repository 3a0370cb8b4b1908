#include "frontend/user_saves.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <unistd.h>

#include "framework/file_replace.h"
#include "media/core/file_stream.h"
#include "media/core/text.h"

namespace {

constexpr char SavesFolderName[] = "tindlewick";
constexpr char LevelsKey[] = "levels";

// The key a line sets, in lower case; none for comments, blank lines and other text.
std::optional<std::string> KeyOf(const std::string& line)
{
    const std::size_t equals = line.find(" = ");
    if (line.starts_with('#') || equals == std::string::npos || equals == 0)
        return std::nullopt;
    return LowerText(line.substr(0, equals));
}

// Lines as the settings files are read: up to LF or NUL, CR bytes dropped.
std::optional<std::vector<std::string>> ReadLines(const std::string& path)
{
    const FileStream in = OpenForReading(path);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    while (!StreamAtEnd(in))
        lines.push_back(StreamReadLine(in));
    CloseFileStream(in);
    return lines;
}

// The shipped value of "levels" in place of the player's, when it is larger.
void RaiseLevels(std::vector<std::string>& merged, const std::vector<std::string>& shipped)
{
    for (const std::string& offered : shipped) {
        if (KeyOf(offered) != LevelsKey)
            continue;
        const int shippedLevels = TextToInt(offered.substr(offered.find(" = ") + 3));
        for (std::string& line : merged) {
            if (KeyOf(line) == LevelsKey && TextToInt(line.substr(line.find(" = ") + 3)) < shippedLevels)
                line = offered;
        }
        return;
    }
}

std::string PrepareFile(const std::string& shippedPath, const std::string& playerPath)
{
    const std::optional<std::vector<std::string>> shipped = ReadLines(shippedPath);
    if (!shipped)
        return "Cannot read the game's own " + shippedPath + ".";
    std::error_code error;
    if (!std::filesystem::exists(playerPath, error)) {
        if (error || !ReplaceFileLines(playerPath, *shipped))
            return "Cannot write the saves file " + playerPath + ".";
        return "";
    }
    const std::optional<std::vector<std::string>> player = ReadLines(playerPath);
    if (!player)
        return "Cannot read the saves file " + playerPath + ".";
    const std::vector<std::string> merged = MergedSaveLines(*player, *shipped);
    if (merged != *player && !ReplaceFileLines(playerPath, merged))
        return "Cannot write the saves file " + playerPath + ".";
    return "";
}

}  // namespace

std::string SavesFolderFrom(const char* xdgDataHome, const char* home, const char* account)
{
    if (xdgDataHome && xdgDataHome[0] == '/')
        return std::string(xdgDataHome) + "/" + SavesFolderName;
    for (const char* folder : {home, account}) {
        if (folder && folder[0] == '/')
            return std::string(folder) + "/.local/share/" + SavesFolderName;
    }
    return "";
}

std::string SavesFolder()
{
    const passwd* entry = getpwuid(getuid());
    return SavesFolderFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), entry ? entry->pw_dir : nullptr);
}

std::vector<std::string> MergedSaveLines(const std::vector<std::string>& player,
                                         const std::vector<std::string>& shipped)
{
    std::vector<std::string> merged = player;
    std::vector<std::string> keys;
    for (const std::string& line : player) {
        if (const std::optional<std::string> key = KeyOf(line))
            keys.push_back(*key);
    }
    for (const std::string& line : shipped) {
        const std::optional<std::string> key = KeyOf(line);
        if (!key || std::find(keys.begin(), keys.end(), *key) != keys.end())
            continue;
        merged.push_back(line);
        keys.push_back(*key);
    }
    RaiseLevels(merged, shipped);
    return merged;
}

std::string PrepareSaves(const std::string& shippedFolder, const std::string& savesFolder,
                         const std::vector<std::string>& files)
{
    if (savesFolder.empty())
        return "Neither XDG_DATA_HOME nor HOME names a folder for the saves.";
    std::error_code error;
    std::filesystem::create_directories(savesFolder, error);
    if (error)
        return "Cannot make the folder for the saves " + savesFolder + ": " + error.message() + ".";
    for (const std::string& file : files) {
        if (std::string problem = PrepareFile(shippedFolder + "/" + file, savesFolder + "/" + file); !problem.empty())
            return problem;
    }
    return "";
}
