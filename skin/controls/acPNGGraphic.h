#pragma once
// Windows only: PNG pictures for the toolkit. TPNGGraphic is the bitmap
// picture of a decoded PNG file; it is registered with the picture loader
// for ".png" while the program runs. 32-bit pictures draw with their own
// alpha over what the device context already shows.
#include <cstddef>
#include <cstdint>
#include <string>

#include "toolkit/Graphics.h"

class TPNGGraphic : public TBitmap {
 public:
  std::string ClassName() const override { return "TPNGGraphic"; }
  // Decodes a whole PNG file; throws ESkinError with the decoder's text when it is bad.
  void LoadFromBytes(const uint8_t* data, size_t size) override;
  void Draw(HDC dc, const TRect& rect) const override;
};

// A PNG file or stream into a plain bitmap (decoded as a TPNGGraphic, then assigned).
void LoadBitmapFromPngFile(TBitmap& bitmap, const std::wstring& path);
void LoadBitmapFromPngStream(TBitmap& bitmap, const uint8_t* data, size_t size);
