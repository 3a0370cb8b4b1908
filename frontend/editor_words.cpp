#include "frontend/editor_words.h"

#include "framework/settings.h"
#include "frontend/language.h"
#include "media/core/text.h"

namespace {

EditorWords Words;

constexpr const char* ProblemKeys[] = {
    "ed.problem.nostart", "ed.problem.nogoal", "ed.problem.boxedin",
    "ed.problem.goalwalled", "ed.problem.keywalled", "ed.problem.keys",
};

std::string Word(const char* key)
{
    return UpperText(ReadSettingStr(key));
}

}  // namespace

const std::string& EditorWords::ProblemText(LevelProblem problem) const
{
    return problems[static_cast<int>(problem)];
}

void ReadEditorWords()
{
    ScopedSettingsFile language(LanguageFile());
    Words.help = Word("ed.help");
    Words.title = Word("ed.title");
    Words.keys = Word("ed.keys");
    Words.coins = Word("ed.coins");
    Words.saved = Word("ed.saved");
    Words.draft = Word("ed.draft");
    for (int i = 0; i < 6; ++i)
        Words.problems[i] = Word(ProblemKeys[i]);
}

const EditorWords& EditorText()
{
    return Words;
}
