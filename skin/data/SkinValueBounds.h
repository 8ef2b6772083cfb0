#pragma once
// The one place where the numbers of a loaded skin become safe to compute
// with. A skin is outside data: its integers may be anything a 32-bit field
// holds, and the frame layout, title buttons, border window, controls and
// painters add and multiply them. After loading, every value that reaches
// geometry is limited to a range that no real skin comes near; values inside
// the range are left exactly as they are.
#include <cstdint>
#include <string_view>

struct LoadedSkin;

// Lengths on screen, in pixels: frame width, title and maximised title
// heights, form, centre and align offsets, the title-button ("BI") values and
// glows, margins, shadow offset and blur, tab covering, section glows and
// outer offsets, outer-effect offsets and widths, "GSIZE" values (and font
// sizes, which are lengths too). Real skins use a few dozen pixels, glows at
// most 255.
inline constexpr int32_t kMaxSkinLength = 1024;
// Coordinates and border widths inside a skin picture (image records). The
// widest real master bitmaps are a few thousand pixels; 2^14 - 1 keeps the
// product of two coordinates below 2^28, so sums of several such products, or
// of a count times a coordinate, stay far inside 32 bits. It is below the
// 16-bit fields of the records, so a value that had to be cut to fit one of
// them is limited (and reported) here as well.
inline constexpr int32_t kMaxSkinCoordinate = 16383;
// States of a section, frames and mask rows of an image record, steps of a
// gradient: real skins have a handful; a state count is a byte already.
inline constexpr int32_t kMaxSkinCount = 255;
// Opacities are blend weights of one byte.
inline constexpr int32_t kMaxSkinOpacity = 255;

// One value that was limited: where it came from, what the skin gave, and the
// bound it was limited to. Field names the field of an image record (its key
// is the record's key) and is empty for values of option keys. The views are
// valid during the call only.
struct SkinValueClamp {
  std::string_view Section;
  std::string_view Key;
  std::string_view Field;
  int64_t Raw = 0;
  int32_t Bound = 0;
};

// Told of every value that was limited, in load order. Loading without one
// costs nothing beyond the range checks.
class SkinClampCollector {
 public:
  virtual ~SkinClampCollector() = default;
  virtual void Clamped(const SkinValueClamp& clamp) = 0;
};

// Limits the geometry values of a loaded skin (global information, outer
// effects, sections and their states, image records) to the ranges above and
// tells the collector, when there is one, of each value it changed. Values
// that a state only copies from another (a hot state of a one-state section,
// a third state without "USESTATE2") are limited silently, as their source
// was reported.
void BoundSkinValues(LoadedSkin& skin, SkinClampCollector* collector = nullptr);
