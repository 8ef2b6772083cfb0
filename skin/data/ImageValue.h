#pragma once
// The value forms by which the options text refers to skin images:
//   "^" bordered image  ^LLLL^TTTT^RRRR^BBBB^bl..^bt..^br..^bb..^F^M^P^U  (fixed columns)
//   "@" glyph           @LLLL@TTTT@RRRR@BBBB@F@M
//   "~" pattern         ~LLLL~TTTT~RRRR~BBBB~PP~M[~FILE]
//   "!" external image  !FILE!frames!maskRows!kind!bl!bt!br!bb!paintMode  (free fields)
//   a value holding ".JPG" or ".BMP": a whole image file.
// Parsing is pure text work; the catalog loads the named pictures.
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/MaskData.h"

enum class ImageValueForm { NotAnImage, Bordered, Glyph, Pattern, External, WholeFile };

struct ImageValue {
  ImageValueForm Form = ImageValueForm::NotAnImage;
  // Layout numbers of the record; Image, names, SectionIndex and CornerKind are the caller's.
  TsMaskData Record;
  // Upper case; empty when the record is cut from the master bitmap.
  std::string FileName;
  // "!" form: the number of fields given, the file name included.
  int FieldCount = 0;
};

// Parses one option value (converted to upper case first). A number field of a
// "^", "@" or "~" value that is not a decimal integer raises ESkinError naming
// the key and section; the "!" form counts such fields as 0.
ImageValue ParseImageValue(std::string_view value, std::string_view section, std::string_view key);

// Reads a value in the columns of the "^" form whatever its first character
// (the outer-effect masks of "GLOBALINFO" are always given so).
ImageValue ParseBorderedValue(std::string_view value, std::string_view section, std::string_view key);

// For the forms that cover a whole picture ("!" and whole image files): sets the
// source rectangle to the picture and fills in the widths the value leaves open.
void FitToPicture(ImageValue& value, int32_t width, int32_t height);
