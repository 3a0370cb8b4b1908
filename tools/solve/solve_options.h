// The solver's command line.
#pragma once

#include <string>
#include <vector>

#include "game/par/par_search.h"
#include "tools/solve/solution_file.h"

inline constexpr char SolveUsage[] =
    "usage: tindlewick-solve LEVEL [--any] [--limit POSITIONS] [--seconds S] [--write FILE]\n"
    "       tindlewick-solve LEVEL --check LETTERS [--frames \"F1 F2 ...\"] | --check-file FILE\n"
    "       tindlewick-solve --shipped SOURCES DATA [--limit POSITIONS] [--seconds S]\n"
    "  LEVEL is a level file (.lev) or a level source (text).\n"
    "  Proves par, the fewest steps with every coin over every way to play, and plays the run\n"
    "  through the real rules, saying how long the proof took.\n"
    "  --any             the fewest steps into the goal, coins or not\n"
    "  --limit N         give up after N positions (default 60000000)\n"
    "  --seconds S       give up after S seconds\n"
    "  --write FILE      store the run as a solution file\n"
    "  --show            draw the field at the start and after every step that pushes\n"
    "  --check LETTERS   play these steps (W, D, S, A) through the real rules instead\n"
    "  --frames LIST     ... each in its frame, counted from 1 after the load\n"
    "  --check-file FILE play a solution file (levels/solutions/NN.txt) instead\n"
    "  --shipped         prove every level source NN.txt in SOURCES (checked against the\n"
    "                    level files in DATA), store the runs in SOURCES/solutions with\n"
    "                    their proofs, write DATA/Levels/Par.dat, and print a table\n";

struct SolveOptions {
    std::string level;
    ParSearchOptions search;
    std::string write;
    bool show = false;
    bool checking = false;
    SolutionFile solution;      // --check and --frames
    std::string solutionFile;  // --check-file
    // --shipped: the folder of the level sources and the game's data folder.
    std::string shippedSources;
    std::string shippedData;
};

// The empty text, or what is wrong with the arguments (the program's name not among them).
std::string ParseSolveOptions(const std::vector<std::string>& args, SolveOptions& options);
