#pragma once
// Letter case of skin text. Skin names, keys and file names are single-byte
// code page 1251 text; upper case maps Latin and Cyrillic letters alike, so a
// member "Рамка.bmp" is found as "РАМКА.BMP".
#include <string>
#include <string_view>

// Upper case of code page 1251 text.
std::string AnsiUpperCase(std::string_view text);
// Comparison without regard to case, as AnsiUpperCase sees it.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// AnsiUpperCase(text) == upper, without making the upper-case copy.
bool UpperCaseEquals(std::string_view text, std::string_view upper);
