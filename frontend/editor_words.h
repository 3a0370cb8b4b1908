// The editor's texts, from keys of their own in the chosen language's file ("ed.help",
// "ed.title", "ed.keys", "ed.coins", "ed.saved", "ed.draft" and one "ed.problem." key for
// each problem a level can have). A file without them shows the editor without those texts.
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

    const std::string& ProblemText(LevelProblem problem) const;
};

// Read when the editor is entered; leaves "Settings.ini" current.
void ReadEditorWords();
const EditorWords& EditorText();
