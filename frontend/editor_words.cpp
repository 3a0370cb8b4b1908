#include "frontend/editor_words.h"

#include "framework/settings.h"
#include "frontend/language.h"
#include "media/core/text.h"

namespace {

EditorWords Words;
MyLevelsWords ListWords;

constexpr const char* ProblemKeys[] = {
    "ed.problem.nostart", "ed.problem.nogoal", "ed.problem.boxedin",
    "ed.problem.goalwalled", "ed.problem.keywalled", "ed.problem.keys",
};

std::string Word(const char* key)
{
    return UpperText(ReadSettingStr(key));
}

void ReadListWords()
{
    ListWords.title = Word("ml.title");
    ListWords.help = Word("ml.help");
    ListWords.empty = Word("ml.empty");
    ListWords.draft = Word("ml.draft");
    ListWords.damaged = Word("ml.damaged");
    ListWords.solving = Word("ml.solving");
    ListWords.noPar = Word("ml.nopar");
    ListWords.tooHard = Word("ml.hard");
    ListWords.par = Word("par");
    ListWords.remove = Word("ml.delete");
    ListWords.confirm = Word("ml.confirm");
    ListWords.undeleted = Word("ml.undeleted");
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
    Words.solving = Word("ed.solving");
    Words.positions = Word("ed.positions");
    Words.par = Word("ed.par");
    Words.noPar = Word("ed.nopar");
    Words.tooHard = Word("ed.hard");
    Words.refused = Word("ed.refused");
    ReadListWords();
}

const EditorWords& EditorText()
{
    return Words;
}

const MyLevelsWords& MyLevelsText()
{
    return ListWords;
}
