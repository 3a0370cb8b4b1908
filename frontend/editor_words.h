// The texts of the player's own levels, from keys of their own in the chosen language's
// file: the editor's ("ed.help", "ed.title", ..., one "ed.problem." key for each problem a
// level can have, and the solver's answers) and those of MY LEVELS ("ml." keys). A file
// without them shows those screens without their texts.
#pragma once

#include <string>

#include "game/level_checks.h"

struct EditorWords {
    std::string help;
    std::string title;
    std::string keys;
    std::string coins;
    std::string saved;
    std::string draft;
    std::string problems[6];  // by LevelProblem
    // While the solver works, and what it found.
    std::string solving;
    std::string positions;
    std::string par;
    std::string noPar;
    std::string tooHard;
    std::string refused;

    const std::string& ProblemText(LevelProblem problem) const;
};

struct MyLevelsWords {
    std::string title;
    std::string help;
    std::string empty;
    std::string draft;
    std::string damaged;
    std::string solving;
    std::string noPar;
    std::string tooHard;
    std::string par;
    std::string remove;    // before the title of the level to delete
    std::string confirm;   // after it
    std::string undeleted;
};

// Read when the editor or MY LEVELS is entered; leaves "Settings.ini" current.
void ReadEditorWords();
const EditorWords& EditorText();
const MyLevelsWords& MyLevelsText();
