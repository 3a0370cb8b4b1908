#include "tests/support/game_folder.h"

#include <algorithm>
#include <filesystem>

#include "frontend/screen_words.h"
#include "game/level_format.h"
#include "media/core/text.h"
#include "tests/support/child_process.h"
#include "tests/support/level_builder.h"

namespace fs = std::filesystem;

std::string CrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string GameFolder::SettingsLines(int lastLevel, int unlocked, int music)
{
    std::vector<std::string> lines = {"Graphics_width = 800", "Graphics_height = 600",
                                      "Color_depth = 0",      "Refresh_rate = 0",
                                      "Driver = OpenGL",      "Music = " + std::to_string(music),
                                      "Levels = " + std::to_string(lastLevel)};
    for (int level = 0; level <= lastLevel; ++level)
        lines.push_back(std::to_string(level) + " = " + (level <= unlocked ? "1" : "0"));
    return CrLf(lines);
}

std::string GameFolder::HiscoreLines(int lastLevel)
{
    std::vector<std::string> lines;
    for (int level = 0; level <= lastLevel; ++level) {
        lines.push_back(std::to_string(level) + ".player = none");
        lines.push_back(std::to_string(level) + ".score = ");
    }
    return CrLf(lines);
}

GameFolder::GameFolder(int lastLevel)
{
    const fs::path shipped = TINDLEWICK_DATA_DIR;
    for (const char* folder : {"Graphics", "Sounds", "Fonts"})
        fs::create_directory_symlink(shipped / folder, fs::path(Path()) / folder);
    for (const char* file : {"English.dat", "Finnish.dat"})
        fs::copy_file(shipped / file, fs::path(Path()) / file);
    fs::create_directory(fs::path(Path()) / "Levels");
    Write("Settings.ini", SettingsLines(lastLevel, 0, 0));
    Write("Hiscores.dat", HiscoreLines(lastLevel));
}

void GameFolder::Write(const std::string& name, const std::string& bytes) const
{
    WriteFileBytes(File(name), bytes);
}

void GameFolder::WriteLevel(int number, const std::vector<std::string>& rows,
                            const std::vector<std::string>& legend) const
{
    ::WriteLevel(File(LevelFilePath(number)), rows, legend);
}

void GameFolder::DropPicture(const std::string& missing) const
{
    const fs::path graphics = fs::path(Path()) / "Graphics";
    fs::remove(graphics);
    fs::copy(fs::path(TINDLEWICK_DATA_DIR) / "Graphics", graphics);
    fs::remove(graphics / missing);
}

void GameFolder::DropScreenWords() const
{
    std::vector<std::string> keys = ScreenWordKeys();
    for (int level = 0; level < LevelSlots; ++level)
        keys.push_back(TitleKey(level));
    for (const char* file : {"English.dat", "Finnish.dat"}) {
        std::string kept;
        const std::string bytes = Read(file);
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
            const std::string line = bytes.substr(start, end - start);
            const std::string key = LowerText(line.substr(0, line.find(" = ")));
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                kept += line;
            start = end;
        }
        Write(file, kept);
    }
}

GameResult RunTindlewick(const std::string& folder, const std::string& arguments,
                         const std::vector<std::string>& environment, const std::string& program)
{
    std::vector<std::string> argv = SplitArguments(arguments);
    argv.insert(argv.begin(), program.empty() ? TINDLEWICK_BUILD_DIR "/frontend/tindlewick" : program);
    ChildSetup setup;
    setup.folder = folder;
    setup.environment = environment;
    setup.output = folder + "/out.txt";
    setup.errors = folder + "/errors.txt";
    ChildProcess game(argv, setup);
    GameResult run;
    run.status = game.Wait();
    run.errors = ReadFileBytes(folder + "/errors.txt");
    return run;
}

GameResult GameFolder::Run(const std::string& script, const std::string& arguments,
                           const std::vector<std::string>& environment) const
{
    WriteFileBytes(run_.File("script.txt"), script);
    return RunTindlewick(run_.Path(), "--data '" + Path() + "' --script script.txt " + arguments, environment);
}
