#pragma once
// Pictures. A graphic holds decoded pixels; picture file formats register a
// graphic class under their extension, and a picture loads a file through the
// class registered for its extension.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/render/Color.h"
#include "skin/render/PixelBuffer.h"

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  virtual std::string ClassName() const { return "TGraphic"; }
  // Decodes a whole file's bytes; throws with a user-facing text when they are bad.
  virtual void LoadFromBytes(const uint8_t* data, size_t size) = 0;
  int Width() const { return Pixels.Width(); }
  int Height() const { return Pixels.Height(); }
  bool Empty() const { return Pixels.Empty(); }

  PixelBuffer Pixels;  // BGRA, straight alpha
  bool Transparent = false;
  TColor TransparentColor = clNone;  // drawn transparently when Transparent
  // Told of the stages of a long load ("Preparing...", ...) and called with "" at the end.
  std::function<void(const std::string& stage)> OnProgress;
};

// The bitmap picture: BMP files.
class TBitmap : public TGraphic {
 public:
  std::string ClassName() const override { return "TBitmap"; }
  void LoadFromBytes(const uint8_t* data, size_t size) override;
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
