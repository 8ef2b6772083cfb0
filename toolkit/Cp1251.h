#pragma once
// Code page 1251 text. The program's own strings are single-byte 1251; the
// window system and the source files speak Unicode. These converters are
// explicit so that the result never depends on the system's ANSI code page.
#include <string>
#include <string_view>

namespace Cp1251 {

// UTF-16 to 1251; characters the code page lacks become '?'.
std::string FromWide(std::wstring_view text);
std::wstring ToWide(std::string_view text);

// UTF-8 (the encoding of our source files) to 1251; invalid sequences and
// characters the code page lacks become '?'.
std::string FromUtf8(std::string_view text);
std::string ToUtf8(std::string_view text);

}  // namespace Cp1251

// A 1251 string from a UTF-8 literal: Ru("Выход").
inline std::string Ru(std::string_view utf8) { return Cp1251::FromUtf8(utf8); }
