// The key = value text files: "Settings.ini", the language files and "Hiscores.dat". One
// file is current at a time; every read rescans it and every write rewrites it whole.
//
// A setting line is the key, exactly " = ", then the value. Keys match without regard to
// the case of A to Z, the first matching line wins, lines starting with "#" never match, and
// values come back in lower case.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The settings file that is current unless another is chosen: display, music and the
// unlocked levels.
inline constexpr char SettingsIniFile[] = "Settings.ini";

// The current file; SettingsIniFile until SetSettingsFile names another.
extern std::string SettingsFileName;

// The player's own files: from now on, a settings file whose name is one of `names` is read
// and written in `folder` instead of the working directory, and its messages name it
// there. An empty folder keeps every file in the working directory, as at start.
void KeepSettingsFilesIn(const std::string& folder, const std::vector<std::string>& names);
// Where a settings file of this name is read and written.
std::string SettingsFilePath(const std::string& name);

namespace TWisp_Config {
void SetFile(const std::string& name);
// A file that cannot be opened ends the program; a missing key gives 0 or the empty text.
int ReadSettingInt(const std::string& key);
std::string ReadSettingStr(const std::string& key);
// The value of a key that may be absent, without a warning when it is: for keys that
// files written before them lack.
std::optional<std::string> ReadOptionalSetting(const std::string& key);
// Replaces every line of the key, or appends one; the whole file is stored in lower case,
// other lines kept as they were. A missing file is created. A file that cannot be written
// keeps its old content, and the failure is reported on standard error and in the log.
void WriteSetting(const std::string& key, const std::string& value);
// Several keys in one rewrite, each as WriteSetting would write it: whatever stops the
// program meanwhile, the file holds all of them or none. For settings that belong together,
// such as a record's steps and the name of its holder.
void WriteSettings(const std::vector<std::pair<std::string, std::string>>& settings);
}  // namespace TWisp_Config

void SetSettingsFile(const std::string& name);
int ReadSettingInt(const std::string& key);
std::string ReadSettingStr(const std::string& key);
std::optional<std::string> ReadOptionalSetting(const std::string& key);
void WriteSetting(const std::string& key, const std::string& value);
void WriteSettings(const std::vector<std::pair<std::string, std::string>>& settings);

// Makes another file current for the scope it lives in, then puts SettingsIniFile back,
// whatever was current before: the game always returns to "Settings.ini".
class ScopedSettingsFile {
public:
    explicit ScopedSettingsFile(const std::string& name);
    ~ScopedSettingsFile();
    ScopedSettingsFile(const ScopedSettingsFile&) = delete;
    ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;
};
