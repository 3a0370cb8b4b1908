#include "bench/figures/game_folder.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Keys are pressed this many frames apart, so each lands in a frame of its own.
constexpr int KeyGap = 5;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The key a settings line sets, in lower case.
std::string KeyOf(const std::string& line)
{
    std::string key = line.substr(0, line.find(" = "));
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

// Every level unlocked, the refresh rate and the display keys asked for; the rest as shipped.
std::string RunnerSettings(const std::string& shipped, int refreshRate, const std::vector<std::string>& display)
{
    std::istringstream lines(shipped);
    std::string out;
    const std::regex levelKey(R"(^\s*\d+\s*=.*)");
    const std::regex rateKey(R"(^\s*Refresh_rate\s*=.*)", std::regex::icase);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (std::regex_match(line, levelKey))
            line = line.substr(0, line.find('=')) + "= 1";
        else if (std::regex_match(line, rateKey))
            line = "Refresh_rate = " + std::to_string(refreshRate);
        for (const std::string& key : display) {
            if (KeyOf(key) == KeyOf(line))
                line = key;
        }
        out += line + "\r\n";
    }
    return out;
}

}  // namespace

std::string MakeGameFolder(const std::string& data, int refreshRate, const std::vector<std::string>& display)
{
    std::error_code error;
    std::string pattern = (fs::temp_directory_path() / "tindlewick-figures-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return "";
    const fs::path folder = pattern;
    for (const auto& entry : fs::directory_iterator(fs::absolute(data), error)) {
        const std::string name = entry.path().filename().string();
        if (name == "Settings.ini")
            std::ofstream(folder / name, std::ios::binary) << RunnerSettings(ReadText(entry.path()), refreshRate, display);
        else if (name == "Hiscores.dat")
            fs::copy_file(entry.path(), folder / name, error);
        else
            fs::create_symlink(entry.path(), folder / name, error);
    }
    return folder.string();
}

void RemoveGameFolder(const std::string& folder)
{
    std::error_code error;
    if (!folder.empty())
        fs::remove_all(folder, error);
}

// A level file: a title length, that many 32-bit characters, the keys and coins bytes, then
// three layers of one byte a cell; every non-zero byte of a layer is an object.
DensestLevel FindDensestLevel(const std::string& data)
{
    DensestLevel densest;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(data) / "Levels", error)) {
        const std::string stem = entry.path().stem().string();
        if (entry.path().extension() != ".lev" || stem.empty() || stem.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string bytes = ReadText(entry.path());
        if (bytes.size() < 4)
            continue;
        int32_t titleLength = 0;
        bytes.copy(reinterpret_cast<char*>(&titleLength), 4);
        const std::size_t layers = 4 + 4 * static_cast<std::size_t>(std::max(titleLength, 0)) + 2;
        int objects = 0;
        for (std::size_t i = layers; i < bytes.size(); ++i)
            objects += bytes[i] != 0;
        if (objects > densest.objects)
            densest = {std::stoi(stem), objects};
    }
    return densest;
}

// The language screen takes English with Enter; the main menu's first entry opens the first
// page of levels; each page's sixth entry opens the next page of five.
int WriteScriptToLevel(const std::string& path, int level)
{
    std::ofstream script(path);
    int frame = 10;
    const auto press = [&](const char* key) {
        script << frame << " press " << key << "\n";
        frame += KeyGap;
    };
    press("Enter");
    press("Enter");
    for (int page = 0; page < level / 5; ++page) {
        for (int down = 0; down < 5; ++down)
            press("Down");
        press("Enter");
    }
    for (int down = 0; down < level % 5; ++down)
        press("Down");
    press("Enter");
    return frame + 30;
}

int WriteScriptToMenu(const std::string& path)
{
    std::ofstream(path) << "10 press Enter\n";
    return 40;
}
