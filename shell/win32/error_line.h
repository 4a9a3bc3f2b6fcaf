#pragma once

#include <string>

// Writes one line to standard error: the handle this program was given, else the console of
// the program that started it (a window program has none of its own). Nothing without either.
void writeErrorLine(const std::wstring& line);
