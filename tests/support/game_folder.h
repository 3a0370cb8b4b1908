// A data folder for runs of the real tindlewick binary: the shipped pictures, sounds, fonts
// and language files, with settings, hiscores and levels that each test writes itself.
#pragma once

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

struct GameResult {
    int status = -1;      // exit status as the shell sees it; -1 when it did not exit
    std::string errors;   // what it wrote to the standard error stream
};

// Runs tindlewick in `folder` with the arguments and the settings added to its environment
// (as ChildSetup takes them); its output goes to out.txt and errors.txt there. `program`:
// another tindlewick than the one built, such as an installed one.
GameResult RunTindlewick(const std::string& folder, const std::string& arguments,
                         const std::vector<std::string>& environment = {}, const std::string& program = "");

class GameFolder {
public:
    // Unpaced settings (Refresh_rate 0), music off, levels 0 to `lastLevel` with only level
    // 0 unlocked, and hiscores with every level free.
    explicit GameFolder(int lastLevel = 2);

    std::string Path() const { return data_.Path(); }
    std::string File(const std::string& name) const { return data_.File(name); }
    std::string Read(const std::string& name) const { return ReadFileBytes(File(name)); }
    void Write(const std::string& name, const std::string& bytes) const;
    void WriteLevel(int number, const std::vector<std::string>& rows,
                    const std::vector<std::string>& legend = {}) const;
    // A copy of the shipped pictures in place of the linked folder, without `missing`.
    void DropPicture(const std::string& missing) const;
    // The language files without the keys of the texts the screens show besides the menus
    // and the finish messages (frontend/screen_words.h), for the screens as those alone
    // draw them.
    void DropScreenWords() const;

    // Runs the game on this folder with the script's lines ("FRAME EVENT KEY") and the
    // further arguments; screenshots named in `arguments` land in the run folder.
    GameResult Run(const std::string& script, const std::string& arguments = "",
                   const std::vector<std::string>& environment = {}) const;
    // A file of the run folder (screenshots).
    std::string Shot(const std::string& name) const { return run_.File(name); }

    // The settings the folder starts with, for tests that compare whole files.
    static std::string SettingsLines(int lastLevel, int unlocked, int music);
    static std::string HiscoreLines(int lastLevel);

private:
    TempDir data_;
    TempDir run_;
};

// Text files as the game writes them: lines ended by CR LF.
std::string CrLf(const std::vector<std::string>& lines);
