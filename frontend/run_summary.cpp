#include "frontend/run_summary.h"

#include <algorithm>
#include <vector>

#include "frontend/hiscores.h"
#include "frontend/menus.h"
#include "frontend/par_table.h"
#include "frontend/screen_text.h"
#include "frontend/screen_words.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"

namespace {

// Below the record's name line at y = 150, on the left edge of that line.
constexpr int FirstLineY = 230;
constexpr int LinePitch = 35;
constexpr int LabelX = 150;
constexpr int ValueGap = 30;
constexpr int MarkGap = 20;

struct SummaryLine {
    std::string label;
    std::string value;
    std::string mark;  // drawn in gold after the value
};

std::string OutOf(int taken, int total)
{
    return IntToText(taken) + " / " + IntToText(total);
}

std::string RecordValue(const RunSummary& run)
{
    // A level whose holder is missing from the file counts as one without a record too.
    if (run.holder == "NONE" || run.holder.empty())
        return Words.noRecord;
    return run.holder + " - " + IntToText(run.recordSteps);
}

// A line whose word the language file lacks, or that has nothing to say, is left out.
std::vector<SummaryLine> SummaryLines(const RunSummary& run)
{
    std::vector<SummaryLine> lines = {
        {Words.moves, IntToText(run.moves), ""},
        {Words.coins, OutOf(run.coinsTaken, run.coinsInLevel), ""},
        {Words.keys, OutOf(run.keysTaken, run.keysInLevel), ""},
        {Words.recordToBeat, RecordValue(run), ""},
    };
    if (run.par != UnknownPar)
        lines.push_back({Words.par, IntToText(run.par), MatchesPar(run) ? Words.parMatched : ""});
    std::erase_if(lines, [](const SummaryLine& line) { return line.label.empty() || line.value.empty(); });
    return lines;
}

}  // namespace

RunSummary SummariseRun()
{
    RunSummary run;
    run.moves = MoveCount;
    run.coinsTaken = CoinsTaken;
    run.coinsInLevel = CoinsInLevel;
    run.keysTaken = KeysTaken;
    run.keysInLevel = KeysInLevel;
    run.holder = LevelHiscore[CurrentLevel][0];
    run.recordSteps = static_cast<int>(LevelHiscore[CurrentLevel][1].size());
    run.par = LevelPar[CurrentLevel];
    return run;
}

bool MatchesPar(const RunSummary& run)
{
    return run.par != UnknownPar && run.coinsTaken >= run.coinsInLevel && run.moves <= run.par;
}

void DrawRunSummary(const RunSummary& run)
{
    const std::vector<SummaryLine> lines = SummaryLines(run);
    // The values stand in one column, right of the widest label.
    int labelWidth = 0;
    for (const SummaryLine& line : lines)
        labelWidth = std::max(labelWidth, TextWidthOf(line.label));
    const int valueX = LabelX + labelWidth + ValueGap;
    int y = FirstLineY;
    for (const SummaryLine& line : lines) {
        TMenu::DrawShadowText(line.label, LabelX, y);
        TMenu::DrawShadowText(line.value, valueX, y);
        if (!line.mark.empty()) {
            SetDrawColor(255, 210, 60);
            TMenu::DrawShadowText(line.mark, valueX + TextWidthOf(line.value) + MarkGap, y);
            SetDrawColor(255, 255, 255);
        }
        y += LinePitch;
    }
}
