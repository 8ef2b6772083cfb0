#include "toolkit/Cp1251.h"

#include <array>
#include <cstdint>

namespace {

// Unicode of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
// 0x98 has no character in the code page and maps to U+0098 so that every
// byte survives a round trip.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t ByteToUnicode(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return char32_t(0x0410 + (b - 0xC0));
  return kUpperHalf[b - 0x80];
}

char UnicodeToByte(char32_t c) {
  if (c < 0x80) return char(c);
  if (c >= 0x0410 && c <= 0x044F) return char(0xC0 + (c - 0x0410));
  for (size_t i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] == c) return char(0x80 + i);
  return '?';
}

}  // namespace

namespace Cp1251 {

std::string FromWide(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = char32_t(uint16_t(text[i]));
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) ++i;  // a surrogate pair is one unknown character
    out += (c >= 0xD800 && c <= 0xDFFF) ? '?' : UnicodeToByte(c);
  }
  return out;
}

std::wstring ToWide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (unsigned char b : text) out += wchar_t(ByteToUnicode(b));
  return out;
}

std::string FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    unsigned char lead = text[i];
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    bool valid = extra >= 0 && size_t(extra) < text.size() - i;
    char32_t c = valid ? char32_t(lead & (0x7F >> extra)) : 0;
    for (int k = 1; valid && k <= extra; ++k) {
      unsigned char next = text[i + k];
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += UnicodeToByte(c);
    i += extra + 1;
  }
  return out;
}

std::string ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char b : text) {
    char32_t c = ByteToUnicode(b);
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace Cp1251
