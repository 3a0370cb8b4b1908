// The texts the screens show besides the menus and the finish messages: the level's name
// when it starts and in the pause menu, par on the level pages, the run's figures on the
// finish screen, and the end of a replay. Each has its key in the language file; a key the
// file lacks leaves its text off the screen, so that a language file without these keys
// shows every screen as it always was.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frontend/level_unlocks.h"

// Upper case, as the menus show their texts. Read once, after the menus.
struct ScreenWords {
    std::string level;         // before the level's number: "LEVEL"
    std::string par;           // before a level's par: "PAR"
    std::string moves;         // the finish screen's figures
    std::string coins;
    std::string keys;
    std::string recordToBeat;  // before the record's holder and steps
    std::string noRecord;      // in their place when the level had no record
    std::string parMatched;    // the mark of a run with every coin in par steps or fewer
    std::string cursor;        // blinks after the name being typed
    std::string replayEnded;   // under the replay's caption once its last step is taken
    // A level's title in this language, in place of the level file's; empty where the file
    // gives none.
    std::array<std::string, LevelSlots> titles;
};

extern ScreenWords Words;

// The key of each text above, titles aside.
std::vector<std::string> ScreenWordKeys();
// "title." and the level number.
std::string TitleKey(int level);

// From the chosen language's file; leaves "Settings.ini" current.
void ReadScreenWords();
