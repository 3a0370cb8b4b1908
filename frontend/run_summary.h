// The finish screen's figures, below its message: the run's counted steps, the coins and
// keys it took, the record it had to beat, and par, with a mark for a run that matched it.
#pragma once

#include <string>

struct RunSummary {
    int moves = 0;
    int coinsTaken = 0;
    int coinsInLevel = 0;
    int keysTaken = 0;
    int keysInLevel = 0;
    // The level's record before this run: holder in upper case, "NONE" when it had none.
    std::string holder;
    int recordSteps = 0;
    int par = -1;  // UnknownPar
};

// The run that just reached the goal of CurrentLevel, taken before its record is stored.
RunSummary SummariseRun();

// Whether the run took every coin in par steps or fewer.
bool MatchesPar(const RunSummary& run);

// The lines whose words the language file has, from y = 230 down.
void DrawRunSummary(const RunSummary& run);
