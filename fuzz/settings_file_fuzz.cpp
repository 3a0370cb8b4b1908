// The key = value files: a fuzzed file is read, a key is written into it and read back.
// The write must keep every other line as the reader saw it (lowered), in its place.
#include <vector>

#include "framework/settings.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "media/core/file_stream.h"
#include "media/core/text.h"

namespace {

std::vector<std::string> LinesOf(const std::string& path)
{
    std::vector<std::string> lines;
    const FileStream in = OpenForReading(path);
    while (!StreamAtEnd(in))
        lines.push_back(LowerText(StreamReadLine(in)));
    return lines;
}

// Line ends inside a key or value would make new lines of their own, and a key that starts
// a comment is never read back: the game writes neither.
bool FitsOnOneLine(const std::string& text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

FUZZ_TARGET(settings_file)
{
    FuzzInput input(data, size);
    const std::string key = input.Piece(24);
    const std::string value = input.Piece(40);
    const std::string contents = input.Rest();
    const std::string path =
        WriteFuzzFile(SettingsIniFile, reinterpret_cast<const uint8_t*>(contents.data()), contents.size());
    SetSettingsFile(path);
    ReadSettingStr(key);
    ReadSettingInt(key);

    const std::vector<std::string> before = LinesOf(path);
    WriteSetting(key, value);
    const std::vector<std::string> after = LinesOf(path);
    SetSettingsFile(SettingsIniFile);
    if (!FitsOnOneLine(key) || !FitsOnOneLine(value))
        return;

    const std::string prefix = LowerText(key) + " = ";
    const std::string setting = prefix + LowerText(value);
    FuzzCheck(after.size() == before.size() || after.size() == before.size() + 1,
              "a write adds at most one line");
    bool replaced = false;
    for (size_t i = 0; i < before.size(); ++i) {
        const bool matches = before[i].starts_with(prefix);
        replaced = replaced || matches;
        FuzzCheck(after[i] == (matches ? setting : before[i]), "every other line is kept in its place");
    }
    FuzzCheck(replaced == (after.size() == before.size()), "a key without a line is appended");
    if (after.size() > before.size())
        FuzzCheck(after.back() == setting, "the appended line is the setting");
    if (!key.starts_with('#')) {
        SetSettingsFile(path);
        FuzzCheck(ReadSettingStr(key) == ReplaceAll(setting, prefix, ""), "the written value reads back");
        SetSettingsFile(SettingsIniFile);
    }
}
