// Text helpers. Text is 8-bit: one byte per character, Latin-1 as in the game's files.
#pragma once

#include <string>

std::string JoinText(const std::string& a, const std::string& b);
// Byte by byte; 0 when equal, negative when a sorts first; a proper prefix sorts first.
int CompareText(const std::string& a, const std::string& b);
std::string IntToText(int n);
// Leading white space, an optional sign, then decimal digits, "$" and hexadecimal digits or
// "%" and binary digits, up to the first other character. Nothing usable gives 0.
int TextToInt(const std::string& s);
std::string CharText(int code);
// count characters from the 1-based position pos; count < 0 runs to the end. A position
// below 1 shortens the piece by as much; a position past the end gives the empty text.
std::string SubText(const std::string& s, int pos, int count);
std::string LeadingText(const std::string& s, int n);
// Every occurrence of find, left to right without overlap; an empty find changes nothing.
std::string ReplaceAll(const std::string& s, const std::string& find, const std::string& with);
// Only A to Z and a to z change; the Finnish letters keep their case.
std::string LowerText(const std::string& s);
std::string UpperText(const std::string& s);
// Toward zero: 2.7 gives 2, -2.7 gives -2.
int TruncToInt(double x);
