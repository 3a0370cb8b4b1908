// Levels as text, for people: a title line, then the 23 x 16 field drawn one character per
// cell, then a legend for the cells the built-in symbols do not cover.
//
//     title: Boulder Alley
//     #######################
//     #@...o...w..$........*#
//     ... (16 rows; a short row ends in empty cells)
//     D = floor:1 active:2 box
//
// Built-in symbols (all but the walls, the empty cell and the floors stand on floor 0):
//     ' ' nothing          '.' ',' ';' floor 0, 1, 2     '#' '%' '&' wall 0, 1, 2
//     '@' player start     '*' goal      'k' key         '$' coin
//     'w' wooden block     'x' box       'o' boulder
//     'A' 'B' 'C' gates of colours 0, 1, 2
//     'a' 'b' 'c' active buttons of colours 0, 1, 2 (they open the gates of their letter)
//     '1' '2' '3' static buttons of colours 0, 1, 2 (they remove gates A, B, C for good)
// A legend line "S = PART PART ..." gives symbol S one cell of at most one part per layer:
//     ground:  floor floor:N wall wall:N                        (N = 0, 1, 2)
//     switch:  start goal gate:N active:N static:N switch:CODE
//     item:    wood box boulder key coin item:CODE
// Without a ground part the cell has no floor. The key and coin counts of a level file are
// counted from the field.
#pragma once

#include <string>

#include "game/level_format.h"

// Each returns the empty text, or a message naming the file (and for text the line and
// column) at fault.
std::string ParseLevelText(const std::string& text, const std::string& fileName, LevelData& level);
std::string FormatLevelText(const LevelData& level, std::string& text);
// The game's decoder, with its faults in the compiler's words.
std::string DecodeLevel(const std::string& bytes, const std::string& fileName, LevelData& level);
