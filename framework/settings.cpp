#include "framework/settings.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "framework/file_replace.h"
#include "framework/log.h"
#include "media/core/file_stream.h"
#include "media/core/text.h"

std::string SettingsFileName = SettingsIniFile;

namespace {

// For the whole run: the folder of the player's own files, and their names.
std::string KeptFolder;
std::vector<std::string> KeptNames;

std::string CurrentPath()
{
    return SettingsFilePath(SettingsFileName);
}

// The value of the first line that sets `key`, lowered with the whole line. Comment lines
// never match, and every occurrence of "key = " is cut out of the line, not only the first.
std::optional<std::string> FindSetting(const std::string& key)
{
    const std::string pattern = LowerText(key + " = ");
    FileStream in = OpenForReading(CurrentPath());
    if (!in)
        LogFatal("Failed to open settings file from: " + CurrentPath());
    while (!StreamAtEnd(in)) {
        const std::string line = LowerText(StreamReadLine(in));
        if (!line.starts_with('#') && line.starts_with(pattern))
            return ReplaceAll(line, pattern, "");
    }
    return std::nullopt;
}

// Every line of the current file, lowered. A file that does not exist yet has none; a
// file that exists but cannot be read gives nothing, so that it is not overwritten.
std::optional<std::vector<std::string>> ReadAllLines()
{
    std::vector<std::string> lines;
    FileStream in = OpenForReading(CurrentPath());
    if (!in) {
        if (FileExists(CurrentPath()))
            return std::nullopt;
        return lines;
    }
    while (!StreamAtEnd(in))
        lines.push_back(LowerText(StreamReadLine(in)));
    return lines;
}

// A settings file that cannot be saved is not worth ending the game for: the old file
// stays as it was and the player is told.
void ReportWriteFailure()
{
    const std::string message = "Failed to write settings file to: " + CurrentPath();
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    LogError(message);
}

// Replaces every line of the key, or appends one.
void SetLine(std::vector<std::string>& lines, const std::string& key, const std::string& value)
{
    // The key is lowered like the stored lines, so a key given with capitals replaces its
    // line instead of adding another one at every write.
    const std::string prefix = LowerText(key) + " = ";
    const std::string setting = prefix + LowerText(value);
    bool found = false;
    for (std::string& line : lines) {
        if (line.starts_with(prefix)) {
            line = setting;
            found = true;
        }
    }
    if (!found) {
        lines.push_back(setting);
        LogWarning("Requested data wasnt founded, so its added");
    }
}

}  // namespace

void KeepSettingsFilesIn(const std::string& folder, const std::vector<std::string>& names)
{
    KeptFolder = folder;
    KeptNames = names;
}

std::string SettingsFilePath(const std::string& name)
{
    for (const std::string& kept : KeptNames) {
        if (!KeptFolder.empty() && kept == name)
            return KeptFolder + "/" + name;
    }
    return name;
}

void TWisp_Config::SetFile(const std::string& name)
{
    SettingsFileName = name;
    LogNote("Changing default config file to: " + name);
}

std::string TWisp_Config::ReadSettingStr(const std::string& key)
{
    std::optional<std::string> value = FindSetting(key);
    if (!value) {
        LogWarning("Returning zero value from 'ReadSettingStr'-function, while searching for: " +
                   key);
        return "";
    }
    return *value;
}

std::optional<std::string> TWisp_Config::ReadOptionalSetting(const std::string& key)
{
    return FindSetting(key);
}

int TWisp_Config::ReadSettingInt(const std::string& key)
{
    std::optional<std::string> value = FindSetting(key);
    if (!value) {
        LogWarning("Returning zero value from 'ReadSettingInt'-function, while searching for: " +
                   key);
        return 0;
    }
    return TextToInt(*value);
}

void TWisp_Config::WriteSetting(const std::string& key, const std::string& value)
{
    WriteSettings({{key, value}});
}

void TWisp_Config::WriteSettings(const std::vector<std::pair<std::string, std::string>>& settings)
{
    std::optional<std::vector<std::string>> lines = ReadAllLines();
    if (!lines) {
        ReportWriteFailure();
        return;
    }
    for (const auto& [key, value] : settings)
        SetLine(*lines, key, value);
    if (!ReplaceFileLines(CurrentPath(), *lines))
        ReportWriteFailure();
}

void SetSettingsFile(const std::string& name)
{
    TWisp_Config::SetFile(name);
}

int ReadSettingInt(const std::string& key)
{
    return TWisp_Config::ReadSettingInt(key);
}

std::string ReadSettingStr(const std::string& key)
{
    return TWisp_Config::ReadSettingStr(key);
}

std::optional<std::string> ReadOptionalSetting(const std::string& key)
{
    return TWisp_Config::ReadOptionalSetting(key);
}

void WriteSetting(const std::string& key, const std::string& value)
{
    TWisp_Config::WriteSetting(key, value);
}

void WriteSettings(const std::vector<std::pair<std::string, std::string>>& settings)
{
    TWisp_Config::WriteSettings(settings);
}

ScopedSettingsFile::ScopedSettingsFile(const std::string& name)
{
    SetSettingsFile(name);
}

ScopedSettingsFile::~ScopedSettingsFile()
{
    SetSettingsFile(SettingsIniFile);
}
