#include "tools/soak/soak_script.h"

#include "tools/soak/soak_rehearsal.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <sstream>

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The menu an action shows, or -1 for the actions that show none.
int MenuShownBy(const std::string& action)
{
    if (action == "START" || action == "END" || action == "CHANGE_MUS" || action == "CHANGE_DISP")
        return -1;
    // As the game reads it: an empty or unreadable number is menu 0.
    return std::atoi(action.c_str());
}

const char* const ArrowKeys[4] = {"Up", "Right", "Down", "Left"};

// More frames than a replayed step takes (16), so that waiting this long for each step sees a
// replay to its end, even where it waits for a moving block.
constexpr int StepPitch = 24;

class ScriptWriter {
public:
    ScriptWriter(const MenuActions& menus, const std::vector<std::string>& levelFiles,
                 const std::vector<SolutionFile>& solutions, std::mt19937& random)
        : menus_(menus), levelFiles_(levelFiles), solutions_(solutions), random_(random)
    {
        for (std::size_t menu = 0; menu < menus_.size(); ++menu) {
            const auto starts = std::count(menus_[menu].begin(), menus_[menu].end(), "START");
            if (starts > 0 && firstLevelPage_ < 0) {
                firstLevelPage_ = static_cast<int>(menu);
                levelsPerPage_ = static_cast<int>(starts);
            }
        }
    }

    SoakScript Write(int frames)
    {
        // The language screen starts with English chosen.
        Press("Enter", 5);
        while (frame_ < frames) {
            const int roll = Roll(100);
            if (roll < 35)
                PlayAtRandom(Roll(LevelCount()));
            else if (roll < 60)
                PlaySolution(Roll(LevelCount()));
            else if (roll < 80)
                Replay();
            else if (roll < 92)
                SwitchSettings();
            else
                Wander();
        }
        script_.text = text_.str();
        script_.frames = frame_;
        return script_;
    }

private:
    int Roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
    int LevelCount() const { return std::min<int>(static_cast<int>(solutions_.size()), LevelPages() * levelsPerPage_); }
    int LevelPages() const
    {
        int pages = 0;
        for (std::size_t menu = firstLevelPage_; menu < menus_.size(); ++menu)
            pages += std::count(menus_[menu].begin(), menus_[menu].end(), "START") > 0 ? 1 : 0;
        return pages;
    }

    void Press(const std::string& key, int gap = 3)
    {
        text_ << frame_ << " press " << key << "\n";
        frame_ += gap;
    }
    void Hold(const std::string& key, int frames)
    {
        text_ << frame_ << " down " << key << "\n" << frame_ + frames << " up " << key << "\n";
        frame_ += frames + 1;
    }
    void Wait(int frames) { frame_ += frames; }

    // The menus, followed as the game moves through them.
    int EntryCount() const { return static_cast<int>(menus_[menu_].size()); }
    void Down()
    {
        Press("Down");
        choice_ = choice_ + 1 >= EntryCount() ? 0 : choice_ + 1;
    }
    void Up()
    {
        Press("Up");
        choice_ = choice_ - 1 < 0 ? std::max(EntryCount() - 1, 0) : choice_ - 1;
    }
    void Choose(int entry)
    {
        if (EntryCount() == 0)
            return;
        // Past the last entry, as the finish screen may leave it, the next entry is the first.
        if (choice_ >= EntryCount())
            Down();
        const int downs = (entry - choice_ + EntryCount()) % EntryCount();
        while (choice_ != entry)
            downs <= EntryCount() / 2 ? Down() : Up();
    }
    // Enter on the highlighted entry; returns its action.
    std::string Enter()
    {
        const std::string action = choice_ < EntryCount() ? menus_[menu_][choice_] : "";
        Press("Enter", 5);
        if (const int shown = MenuShownBy(action); shown >= 0) {
            menu_ = shown;
            choice_ = 0;
        }
        return action;
    }
    // Through the menus by their entries, the shortest way.
    void GoToMenu(int target)
    {
        std::vector<int> cameFrom(menus_.size(), -1), entryTaken(menus_.size(), -1);
        std::deque<int> waiting{menu_};
        cameFrom[menu_] = menu_;
        while (!waiting.empty()) {
            const int menu = waiting.front();
            waiting.pop_front();
            for (int entry = 0; entry < static_cast<int>(menus_[menu].size()); ++entry) {
                const int next = MenuShownBy(menus_[menu][entry]);
                if (next >= 0 && next < static_cast<int>(menus_.size()) && cameFrom[next] < 0) {
                    cameFrom[next] = menu;
                    entryTaken[next] = entry;
                    waiting.push_back(next);
                }
            }
        }
        std::vector<int> entries;
        for (int menu = target; menu != menu_; menu = cameFrom[menu])
            entries.push_back(entryTaken[menu]);
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
            Choose(*entry);
            Enter();
        }
    }
    void HighlightLevel(int level)
    {
        GoToMenu(firstLevelPage_ + level / levelsPerPage_);
        Choose(level % levelsPerPage_);
    }
    void StartLevel(int level)
    {
        HighlightLevel(level);
        levelStart_ = frame_;
        Enter();
        ++script_.levelsPlayed;
    }

    // In a level: Escape pauses with the first entry chosen; the main loop shows the menu
    // again a frame after the level is left.
    void LeaveByPause()
    {
        Press("Escape");
        Press("Down");
        Press("Down");
        Press("Enter", 5);
    }

    // Random held arrows, undos and redos, sometimes R or a pause that resumes, restarts or
    // is taken back; left by the pause menu. A goal stepped into by chance would take the
    // script astray, so the level is rehearsed as the script is written and an arrow is let go
    // before it would step into the goal.
    void PlayAtRandom(int level)
    {
        StartLevel(level);
        SoakRehearsal rehearsal(levelFiles_[level], levelStart_);
        const int parts = 1 + Roll(30);
        for (int part = 0; part < parts; ++part) {
            const int roll = Roll(100);
            if (roll < 70) {
                const int direction = Roll(4);
                const int frames = rehearsal.Hold(direction, frame_, 1 + Roll(64));
                if (frames > 0)
                    Hold(ArrowKeys[direction], frames);
                continue;
            }
            // A step or two taken back or made again, or the level started over.
            if (roll < 82) {
                const char* const stepKeys[] = {"Z", "Backspace", "Y"};
                for (int hit = Roll(3); hit >= 0; --hit) {
                    const int key = Roll(3);
                    rehearsal.StepKey(key < 2, frame_);
                    Press(stepKeys[key], 1 + Roll(20));
                }
                ++script_.stepKeys;
                continue;
            }
            if (roll < 85) {
                rehearsal.RestartKey(frame_);
                Press("R");
                ++script_.restarts;
                continue;
            }
            const int escape = frame_;
            Press("Escape");
            switch (Roll(3)) {
            case 0:
                Press("Escape");
                rehearsal.Pause(escape, frame_ - escape);
                break;
            case 1:
                Press("Enter");
                rehearsal.Pause(escape, frame_ - escape + 1);
                break;
            default:
                Press("Down");
                rehearsal.Restart(escape, frame_);
                Press("Enter", 5);
                ++script_.restarts;
                break;
            }
        }
        LeaveByPause();
    }

    // A solution to the goal, a name for the record (the finish screen takes it only for a
    // new record), then back on the level page with the next level highlighted.
    void PlaySolution(int level)
    {
        StartLevel(level);
        // The level's frame f is the script's frame levelStart_ + f: each arrow is held in its
        // letter's frame only.
        const SolutionFile& solution = solutions_[level];
        for (std::size_t i = 0; i < solution.letters.size(); ++i) {
            const int frame = levelStart_ + solution.frames[i];
            text_ << frame << " down " << ArrowKeyOf(solution.letters[i]) << "\n"
                  << frame + 1 << " up " << ArrowKeyOf(solution.letters[i]) << "\n";
        }
        frame_ = levelStart_ + solution.frames.back() + 2;
        Wait(30);
        for (const char* letter : {"T", "O", "M"})
            Press(letter);
        Press("Enter", 5);
        ++choice_;
        ++script_.solutionsPlayed;
        script_.records.insert(level);
    }

    static const char* ArrowKeyOf(char letter)
    {
        switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'W': return "Up";
        case 'D': return "Right";
        case 'S': return "Down";
        default: return "Left";
        }
    }

    // F1 plays the highlighted level's record, which ends beside the goal (the step into it
    // is not recorded): watched to its end, or left halfway, by the pause menu.
    void Replay()
    {
        if (script_.records.empty())
            return PlaySolution(Roll(LevelCount()));
        auto recorded = script_.records.begin();
        std::advance(recorded, Roll(static_cast<int>(script_.records.size())));
        HighlightLevel(*recorded);
        Press("F1", 5);
        const int steps = StepCount(solutions_[*recorded]);
        const bool toTheEnd = Roll(2) == 0;
        Wait(toTheEnd ? steps * StepPitch + 100 : Roll(steps * 16));
        LeaveByPause();
        ++(toTheEnd ? script_.replaysWatched : script_.replaysLeft);
    }

    // The menu with both switches: one of them taken.
    void SwitchSettings()
    {
        for (int menu = 0; menu < static_cast<int>(menus_.size()); ++menu) {
            const auto& actions = menus_[menu];
            const auto display = std::find(actions.begin(), actions.end(), "CHANGE_DISP");
            const auto music = std::find(actions.begin(), actions.end(), "CHANGE_MUS");
            if (display == actions.end() || music == actions.end())
                continue;
            GoToMenu(menu);
            const bool switchDisplay = Roll(2) == 0;
            Choose(static_cast<int>((switchDisplay ? display : music) - actions.begin()));
            Enter();
            Wait(10);
            ++(switchDisplay ? script_.displaySwitches : script_.musicSwitches);
            return;
        }
    }

    // A menu picked at random and its highlight moved about; Enter only where it shows
    // another menu.
    void Wander()
    {
        GoToMenu(Roll(static_cast<int>(menus_.size())));
        for (int moves = Roll(8); moves > 0; --moves)
            Roll(2) == 0 ? Down() : Up();
        if (MenuShownBy(choice_ < EntryCount() ? menus_[menu_][choice_] : "") < 0)
            return;
        Enter();
    }

    const MenuActions& menus_;
    const std::vector<std::string>& levelFiles_;
    const std::vector<SolutionFile>& solutions_;
    // The script's frame of the Enter that started the level being played.
    int levelStart_ = 0;
    std::mt19937& random_;
    int firstLevelPage_ = -1;
    int levelsPerPage_ = 1;
    int frame_ = 2;
    int menu_ = 0;
    int choice_ = 0;
    std::ostringstream text_;
    SoakScript script_;
};

}  // namespace

MenuActions ReadMenuActions(const std::string& languageText)
{
    MenuActions menus;
    std::istringstream in(languageText);
    for (std::string line; std::getline(in, line);) {
        const std::size_t equals = line.find(" = ");
        if (equals == std::string::npos)
            continue;
        const std::string key = Upper(line.substr(0, equals));
        std::string value = Upper(line.substr(equals + 3));
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
        int menu = 0, entry = 0, used = 0;
        if (key == "NUMBER_OF_MENUS")
            menus.resize(std::max(std::atoi(value.c_str()), 0));
        else if (std::sscanf(key.c_str(), "%d.C%n", &menu, &used) == 1 && used == static_cast<int>(key.size()) &&
                 menu >= 0 && menu < static_cast<int>(menus.size()))
            menus[menu].resize(std::max(std::atoi(value.c_str()), 0));
        else if (std::sscanf(key.c_str(), "%d.%d.ACTION%n", &menu, &entry, &used) == 2 &&
                 used == static_cast<int>(key.size()) && menu >= 0 && menu < static_cast<int>(menus.size()) &&
                 entry >= 0 && entry < static_cast<int>(menus[menu].size()))
            menus[menu][entry] = value;
    }
    return menus;
}

SoakScript WriteSoakScript(const MenuActions& menus, const std::vector<std::string>& levelFiles,
                           const std::vector<SolutionFile>& solutions, int frames,
                           std::mt19937& random)
{
    return ScriptWriter(menus, levelFiles, solutions, random).Write(frames);
}
