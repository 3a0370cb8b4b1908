// "Levels/Par.dat": the proven par of each level, in the game's key = value format, one line
// per level whose par is proven, the level number as the key and par as the value:
//
//     0 = 14
//     1 = 23
//
// Par is the length of the shortest record, the steps before the one into the goal, with
// every coin taken. Lines end in CR LF, as the game writes its files; a reader takes LF too.
#pragma once

#include <map>
#include <string>

inline constexpr char ParFileName[] = "Levels/Par.dat";
// Levels are numbered below this: the game has room for 25 (its LevelSlots), and reads no
// par past them.
constexpr int ParLevelLimit = 25;
// The game shows par of up to five digits; par above this would be a walk of hours anyway.
constexpr int LargestPar = 99999;

// Reads every line "LEVEL = PAR": LEVEL a level number in decimal without leading zeros,
// each level once, PAR a whole number from 0. Empty lines are skipped. The empty text, or
// what is wrong, naming the file and the line.
std::string ParseParFile(const std::string& text, const std::string& fileName, std::map<int, int>& pars);
std::string FormatParFile(const std::map<int, int>& pars);
