#include "skin/data/ImageValue.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

#include "skin/data/SkinText.h"
#include "skin/render/SkinError.h"

namespace {

// Whether `s` holds `upperNeedle` (ASCII upper case) in any letter case.
bool ContainsIgnoringCase(std::string_view s, std::string_view upperNeedle) {
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
  for (size_t i = 0; i + upperNeedle.size() <= s.size(); ++i) {
    size_t n = 0;
    while (n < upperNeedle.size() && upper(s[i + n]) == upperNeedle[n]) ++n;
    if (n == upperNeedle.size()) return true;
  }
  return false;
}

// Most option values are numbers and colours: they are told apart without copying.
bool MayBeImage(std::string_view value) {
  if (value.empty()) return false;
  const char first = value.front();
  return first == '^' || first == '@' || first == '~' || first == '!' || ContainsIgnoringCase(value, ".JPG") ||
         ContainsIgnoringCase(value, ".BMP");
}

// Optional sign and decimal digits, nothing else; false when that is not what the text holds.
bool ReadDecimal(std::string_view text, int32_t& out) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return false;
  }
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

int16_t Clamp16(int32_t v) {
  return int16_t(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// A division that yields 0 for the counts that leave no defined size (a frame
// count of 0, a mask-row count of -1) instead of faulting.
int32_t DivideOrZero(int32_t a, int32_t b) { return b > 0 ? a / b : 0; }

// Fields split at `separator`; runs of separators count as one and leading ones are ignored.
std::vector<std::string_view> Words(std::string_view s, char separator) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == separator) ++i;
    const size_t start = i;
    while (i < s.size() && s[i] != separator) ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

// Reads the fixed columns of "^", "@" and "~" values, counted from 1.
class ColumnReader {
 public:
  ColumnReader(std::string_view value, std::string_view section, std::string_view key)
      : value_(value), section_(section), key_(key) {}

  int32_t Number(size_t firstColumn, size_t length) const {
    const std::string_view field =
        firstColumn - 1 < value_.size() ? value_.substr(firstColumn - 1, length) : std::string_view();
    int32_t v = 0;
    if (!ReadDecimal(field, v)) {
      throw ESkinError("'" + std::string(field) + "' is not a valid integer value (key \"" + std::string(key_) +
                       "\" of section \"" + std::string(section_) + "\")");
    }
    return v;
  }

  TRect SourceRect() const { return {Number(2, 4), Number(7, 4), Number(12, 4), Number(17, 4)}; }

 private:
  std::string_view value_;
  std::string_view section_;
  std::string_view key_;
};

// Side widths for a value that gives none: a third of one state image each way.
void ThirdsOfStateImage(TsMaskData& r) {
  r.BorderL = r.BorderR = Clamp16(DivideOrZero(r.SourceRect.Width(), 3 * r.FrameCount));
  r.BorderT = r.BorderB = Clamp16(DivideOrZero(r.SourceRect.Height(), 3 * r.MaskRows + 3));
}

void ParseBordered(const ColumnReader& col, TsMaskData& r) {
  r.SourceRect = col.SourceRect();
  r.BorderL = Clamp16(col.Number(22, 4));
  r.BorderT = Clamp16(col.Number(27, 4));
  r.BorderR = Clamp16(col.Number(32, 4));
  r.BorderB = Clamp16(col.Number(37, 4));
  r.FrameCount = Clamp16(col.Number(42, 1));
  r.MaskRows = Clamp16(col.Number(44, 1));
  r.PaintMode = Clamp16(col.Number(46, 1));
  r.UniformWidth = Clamp16(col.Number(48, 1));
  r.ImageKind = kBorderedImage;
  if (r.BorderL + r.BorderT + r.BorderR + r.BorderB == 0) {
    if (r.UniformWidth != 0) {
      r.BorderL = r.BorderT = r.BorderR = r.BorderB = r.UniformWidth;
    } else {
      ThirdsOfStateImage(r);
    }
  }
}

void ParseGlyph(const ColumnReader& col, TsMaskData& r) {
  r.SourceRect = col.SourceRect();
  r.FrameCount = Clamp16(col.Number(22, 1));
  r.MaskRows = Clamp16(col.Number(24, 1));
  r.ImageKind = kGlyphImage;
}

void ParsePattern(const ColumnReader& col, std::string_view value, ImageValue& out) {
  TsMaskData& r = out.Record;
  r.SourceRect = col.SourceRect();
  r.PaintMode = Clamp16(col.Number(22, 2));
  r.MaskRows = value.size() < 25 ? 0 : Clamp16(col.Number(25, 1));
  r.FrameCount = 1;
  r.ImageKind = kPatternImage;
  if (value.size() > 26) {
    const auto words = Words(value, '~');
    if (words.size() >= 7) out.FileName = std::string(words[6]);
  }
}

void ParseExternal(std::string_view value, ImageValue& out) {
  const auto words = Words(value, '!');
  out.FieldCount = int(words.size());
  if (!words.empty()) out.FileName = std::string(words[0]);
  // Missing fields and fields that are not numbers count as 0.
  auto field = [&words](size_t n) {
    int32_t v = 0;
    return n <= words.size() && ReadDecimal(words[n - 1], v) ? v : 0;
  };
  TsMaskData& r = out.Record;
  r.FrameCount = Clamp16(field(2));
  r.MaskRows = Clamp16(field(3));
  r.ImageKind = uint8_t(std::clamp<int32_t>(field(4), 0, kMaxImageKind));
  r.BorderL = Clamp16(field(5));
  r.BorderT = Clamp16(field(6));
  r.BorderR = Clamp16(field(7));
  r.BorderB = Clamp16(field(8));
  r.PaintMode = Clamp16(field(9));
}

}  // namespace

ImageValue ParseImageValue(std::string_view rawValue, std::string_view section, std::string_view key) {
  ImageValue out;
  if (!MayBeImage(rawValue)) return out;
  const std::string value = AnsiUpperCase(rawValue);
  const ColumnReader col(value, section, key);
  switch (value.front()) {
    case '^':
      out.Form = ImageValueForm::Bordered;
      ParseBordered(col, out.Record);
      break;
    case '@':
      out.Form = ImageValueForm::Glyph;
      ParseGlyph(col, out.Record);
      break;
    case '~':
      out.Form = ImageValueForm::Pattern;
      ParsePattern(col, value, out);
      break;
    case '!':
      out.Form = ImageValueForm::External;
      ParseExternal(value, out);
      break;
    default:  // MayBeImage found ".JPG" or ".BMP"
      out.Form = ImageValueForm::WholeFile;
      out.FileName = value;
      out.Record.FrameCount = 1;
      out.Record.ImageKind = kPatternImage;
      break;
  }
  return out;
}

ImageValue ParseBorderedValue(std::string_view rawValue, std::string_view section, std::string_view key) {
  const std::string value = AnsiUpperCase(rawValue);
  ImageValue out;
  out.Form = ImageValueForm::Bordered;
  ParseBordered(ColumnReader(value, section, key), out.Record);
  return out;
}

void FitToPicture(ImageValue& value, int32_t width, int32_t height) {
  TsMaskData& r = value.Record;
  r.SourceRect = {0, 0, width, height};
  if (value.Form == ImageValueForm::WholeFile) {
    r.BorderL = r.BorderR = Clamp16(width / 3);
    r.BorderT = r.BorderB = Clamp16(height / 3);
  } else if (value.Form == ImageValueForm::External && value.FieldCount < 5) {
    ThirdsOfStateImage(r);
  }
}
