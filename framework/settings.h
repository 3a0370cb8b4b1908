// The key = value text files: "Settings.ini", the language files and "Hiscores.dat". One
// file is current at a time; every read rescans it and every write rewrites it whole.
#pragma once

#include <string>

extern std::string SettingsFileName;

namespace TWisp_Config {
void SetFile(const std::string& name);
int ReadSettingInt(const std::string& key);
std::string ReadSettingStr(const std::string& key);
void WriteSetting(const std::string& key, const std::string& value);
}  // namespace TWisp_Config

void SetSettingsFile(const std::string& name);
int ReadSettingInt(const std::string& key);
std::string ReadSettingStr(const std::string& key);
void WriteSetting(const std::string& key, const std::string& value);
