// A level written to a temporary file of its own, for as long as the copy lives: the game's
// loader opens a level for writing too, so the real rules never get the source itself.
#pragma once

#include <string>

#include "game/level_format.h"

class LevelCopy {
public:
    explicit LevelCopy(const LevelData& level);
    ~LevelCopy();
    LevelCopy(const LevelCopy&) = delete;
    LevelCopy& operator=(const LevelCopy&) = delete;

    // Empty when the copy could not be written.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
