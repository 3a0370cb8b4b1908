// The saves of an installed game: the folder from fuzzed XDG_DATA_HOME and HOME values, and
// a fuzzed player's file brought up to date from a fuzzed shipped one. The folder is an
// absolute path or none; the player's lines all stay, every key shipped is there after,
// and a second run changes nothing.
#include <filesystem>

#include "frontend/user_saves.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "media/core/file_stream.h"

namespace {

std::vector<std::string> LinesOf(const std::string& path)
{
    std::vector<std::string> lines;
    const FileStream in = OpenForReading(path);
    while (in && !StreamAtEnd(in))
        lines.push_back(StreamReadLine(in));
    return lines;
}

std::string TextOf(const std::string& part)
{
    return part.substr(0, part.find('\0'));
}

}  // namespace

FUZZ_TARGET(user_saves)
{
    const std::vector<std::string> parts = SplitInput(data, size, "\n--\n", 4);
    const std::string xdg = TextOf(parts[0]);
    const std::string home = TextOf(parts[1]);
    const std::string folder = SavesFolderFrom(xdg.c_str(), home.c_str(), nullptr);
    FuzzCheck(folder.empty() || (folder.starts_with('/') && folder.ends_with("/tindlewick")),
              "the saves folder is an absolute path, or none");

    const std::string shippedPath = WriteFuzzFile("Settings.ini", reinterpret_cast<const uint8_t*>(parts[3].data()), parts[3].size());
    const std::string shippedFolder = std::filesystem::path(shippedPath).parent_path().string();
    const std::string saves = shippedFolder + "/saves";
    std::filesystem::create_directories(saves);
    const std::string playerPath = saves + "/Settings.ini";
    if (FILE* file = std::fopen(playerPath.c_str(), "wb")) {
        std::fwrite(parts[2].data(), 1, parts[2].size(), file);
        std::fclose(file);
    }
    const std::vector<std::string> player = LinesOf(playerPath);
    const std::vector<std::string> shipped = LinesOf(shippedPath);
    FuzzCheck(PrepareSaves(shippedFolder, saves, {"Settings.ini"}).empty(), "readable files are brought up to date");
    const std::vector<std::string> merged = LinesOf(playerPath);
    FuzzCheck(merged == MergedSaveLines(player, shipped), "the file holds the merged lines");
    FuzzCheck(merged.size() >= player.size(), "no line of the player's is lost");
    FuzzCheck(MergedSaveLines(merged, shipped) == merged, "a second run adds nothing");
    std::filesystem::remove(playerPath);
}
