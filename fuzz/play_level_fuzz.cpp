// Level files played on their own (tindlewick --play): read, decoded and checked. A refused
// file is named in the message; an accepted one has a start and a goal and passes every
// check, and its counts fit the bytes they came from.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "frontend/level_file_play.h"

FUZZ_TARGET(play_level)
{
    const std::string path = WriteFuzzFile("play.lev", data, size);
    LevelData level;
    const std::string error = ReadPlayableLevel(path, level);
    if (!error.empty()) {
        FuzzCheck(error.find(path) != std::string::npos, "a refused level file is named");
        return;
    }
    FuzzCheck(CheckLevel(level).empty(), "an accepted level passes every check");
    FuzzCheck(level.keys >= 0 && level.keys <= 255 && level.coins >= 0 && level.coins <= 255,
              "the counts are bytes");
}
