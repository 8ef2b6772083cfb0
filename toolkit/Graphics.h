#pragma once
// Pictures. A graphic holds decoded pixels; picture file formats register a
// graphic class under their extension, and a picture loads a file through the
// class registered for its extension.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  virtual std::string ClassName() const { return "TGraphic"; }
  // Decodes a whole file's bytes; throws with a user-facing text when they are bad.
  virtual void LoadFromBytes(const uint8_t* data, size_t size) = 0;
  // Reads the whole file, then LoadFromBytes; also throws when the file cannot be read.
  void LoadFromFile(const std::wstring& path);
  // Copies the picture into rect of the device context, stretched (nearest pixel)
  // when the sizes differ; pixels of TransparentColor are left out when Transparent.
  virtual void Draw(HDC dc, const TRect& rect) const;
  int Width() const { return Pixels.Width(); }
  int Height() const { return Pixels.Height(); }
  bool Empty() const { return Pixels.Empty(); }

  PixelBuffer Pixels;  // BGRA, straight alpha
  bool Transparent = false;
  TColor TransparentColor = clNone;  // drawn transparently when Transparent
  // Told of the stages of a long load ("Preparing...", ...) and called with "" at the end.
  std::function<void(const std::string& stage)> OnProgress;

 protected:
  // Lets draw work on a 32-bit copy of the part of rect that dc shows (rect
  // given in the copy's coordinates), then puts the copy back, so that the
  // pixels come from the portable raster code.
  static void DrawThroughCopy(HDC dc, const TRect& rect,
                              const std::function<void(PixelBuffer& area, const TRect& rect)>& draw);
};

// The bitmap picture: BMP files.
class TBitmap : public TGraphic {
 public:
  std::string ClassName() const override { return "TBitmap"; }
  void LoadFromBytes(const uint8_t* data, size_t size) override;
  // Copies another bitmap's pixels, format and transparency.
  void Assign(const TBitmap& source);

  // Pixel format of the file: 1, 4, 8 (indexed or grey), 24 or 32; only 32 carries alpha.
  int BitsPerPixel = 32;
};

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

struct TFileFormat {
  std::string Extension;    // without the dot, compared without regard to case
  std::string Description;  // for file dialogs
  TGraphicFactory Factory;
};

class TPicture {
 public:
  std::unique_ptr<TGraphic> Graphic;
  // Loads the file with the graphic class of its extension; throws when there is none or the file is bad.
  void LoadFromFile(const std::wstring& path);

  // "bmp" (TBitmap) is registered from the start; a later registration of an extension replaces it.
  static void RegisterFileFormat(const std::string& extension, const std::string& description, TGraphicFactory factory);
  static void UnregisterFileFormat(const std::string& extension);
  static const std::vector<TFileFormat>& FileFormats();
};
