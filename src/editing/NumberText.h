#pragma once

#include <string>
#include <vector>

// Numbers as the editor shows them, independent of the locale.

// Fixed-point text with the given number of decimals, as "%.2f" gives it in
// the C locale: FormatFixed(19.2f, 1) is "19.2".
std::string FormatFixed(double value, int decimals);

// The entries of a list of numbers: first, first + step, ... up to last.
std::vector<std::string> NumberChoices(int first, int last, int step = 1);
