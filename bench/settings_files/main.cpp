// What the settings files and the log cost now that every rewrite goes through a synced
// temporary file: reads and writes of a settings file the size of the game's, the writes a
// finished level makes, and appends to a full log.
//   build/bench/settings_files/bench_settings_files [FOLDER]
// FOLDER (default: a new folder under /tmp) should lie on the disk the game runs from.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "framework/log.h"
#include "framework/settings.h"
#include "media/core/file_stream.h"

namespace {

constexpr int Levels = 40;

// Milliseconds per call, over `calls` calls.
double Time(int calls, const std::function<void(int)>& call)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        call(i);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

void WriteGameSettings()
{
    FileStream out = OpenForWriting("Settings.ini");
    for (const char* line : {"graphics_width = 800", "graphics_height = 600", "color_depth = 0",
                             "refresh_rate = 60", "driver = opengl", "music = 1", "levels = 40"})
        StreamWriteLine(out, line);
    for (int level = 0; level < Levels; ++level)
        StreamWriteLine(out, std::to_string(level) + " = " + (level < 5 ? "1" : "0"));
    CloseFileStream(out);
}

}  // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "tindlewick-bench";
    fs::create_directories(folder);
    fs::current_path(folder);
    WriteGameSettings();

    const double readInt = Time(2000, [](int i) { ReadSettingInt(std::to_string(i % Levels)); });
    const double readMissing = Time(2000, [](int) { ReadSettingStr("nothing"); });
    const double write = Time(200, [](int i) { WriteSetting(std::to_string(i % Levels), "1"); });
    // A finished level: the record's name and score in the hiscores, the next level unlocked.
    const double finish = Time(50, [](int i) {
        SetSettingsFile("Hiscores.dat");
        WriteSetting(std::to_string(i % Levels) + ".player", "anna");
        WriteSetting(std::to_string(i % Levels) + ".score", std::to_string(100 + i));
        SetSettingsFile("Settings.ini");
        WriteSetting(std::to_string(i % Levels + 1), "1");
    });
    LogOpen();
    for (int i = 0; i < 250; ++i)
        LogNote("filling the log");
    const double append = Time(200, [](int) { LogNote("a note on a full log"); });
    LogClose();

    std::printf("settings file of %d lines, in %s\n", Levels + 7, folder.c_str());
    std::printf("  ReadSettingInt, key found:     %8.3f ms\n", readInt);
    std::printf("  ReadSettingStr, key missing:   %8.3f ms\n", readMissing);
    std::printf("  WriteSetting (synced rewrite): %8.3f ms\n", write);
    std::printf("  finished level, three writes:  %8.3f ms\n", finish);
    std::printf("  LogNote on a 201-line log:     %8.3f ms\n", append);
    if (argc <= 1)
        fs::remove_all(folder);
    return EXIT_SUCCESS;
}
