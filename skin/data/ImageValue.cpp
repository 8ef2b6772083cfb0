#include "skin/data/ImageValue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "skin/data/SkinText.h"
#include "skin/render/core/SkinError.h"

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

// Optional sign and decimal digits, nothing else, within 32 bits; false when
// that is not what the text holds. Image values hold a dozen such fields each.
bool ReadDecimal(std::string_view text, int32_t& out) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) i = 1;
  if (i == text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    const unsigned digit = unsigned(text[i]) - '0';
    if (digit > 9) return false;
    v = v * 10 + digit;
    if (v > int64_t(INT32_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT32_MAX) return false;
  out = int32_t(v);
  return true;
}

int16_t Clamp16(int32_t v) {
  return int16_t(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// A division that yields 0 for the counts that leave no defined size (a frame
// count of 0, a mask-row count of -1) instead of faulting.
int32_t DivideOrZero(int32_t a, int32_t b) { return b > 0 ? a / b : 0; }

// The fields of a value split at `separator`, runs of separators counting as
// one and leading ones ignored: how many there are, and the first kKept.
struct Words {
  static constexpr size_t kKept = 9;  // the "!" form reads nine fields, the "~" form its seventh
  std::array<std::string_view, kKept> Word;
  size_t Count = 0;
};

Words SplitWords(std::string_view s, char separator) {
  Words words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == separator) ++i;
    const size_t start = i;
    while (i < s.size() && s[i] != separator) ++i;
    if (i > start) {
      if (words.Count < Words::kKept) words.Word[words.Count] = s.substr(start, i - start);
      ++words.Count;
    }
  }
  return words;
}

// Reads the fixed columns of "^", "@" and "~" values, counted from 1. The
// value is read as written: letter case changes no digit, and a field that
// is not a number is shown in upper case.
class ColumnReader {
 public:
  ColumnReader(std::string_view value, std::string_view section, std::string_view key)
      : value_(value), section_(section), key_(key) {}

  int32_t Number(size_t firstColumn, size_t length) const {
    const std::string_view field =
        firstColumn - 1 < value_.size() ? value_.substr(firstColumn - 1, length) : std::string_view();
    int32_t v = 0;
    if (!ReadDecimal(field, v)) {
      throw ESkinError("'" + AnsiUpperCase(field) + "' is not a valid integer value (key \"" + std::string(key_) +
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
    const Words words = SplitWords(value, '~');
    if (words.Count >= 7) out.FileName = AnsiUpperCase(words.Word[6]);
  }
}

void ParseExternal(std::string_view value, ImageValue& out) {
  const Words words = SplitWords(value, '!');
  out.FieldCount = int(std::min<size_t>(words.Count, std::numeric_limits<int>::max()));
  if (words.Count > 0) out.FileName = AnsiUpperCase(words.Word[0]);
  // Missing fields and fields that are not numbers count as 0.
  auto field = [&words](size_t n) {
    int32_t v = 0;
    return n <= words.Count && ReadDecimal(words.Word[n - 1], v) ? v : 0;
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

ImageValue ParseImageValue(std::string_view value, std::string_view section, std::string_view key) {
  ImageValue out;
  if (!MayBeImage(value)) return out;
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
      out.FileName = AnsiUpperCase(value);
      out.Record.FrameCount = 1;
      out.Record.ImageKind = kPatternImage;
      break;
  }
  return out;
}

ImageValue ParseBorderedValue(std::string_view value, std::string_view section, std::string_view key) {
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
