#include "skin/render/core/ImageLoader.h"

#include "skin/render/core/BmpReader.h"
#include "skin/render/core/JpegReader.h"
#include "skin/render/core/acPNG.h"

namespace {
bool SameLetters(std::string_view a, std::string_view upper) {
  if (a.size() != upper.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char c = a[i] >= 'a' && a[i] <= 'z' ? char(a[i] - 'a' + 'A') : a[i];
    if (c != upper[i]) return false;
  }
  return true;
}
}  // namespace

ImageFileKind ImageKindOfName(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return ImageFileKind::Unknown;
  const std::string_view ext = fileName.substr(dot + 1);
  if (SameLetters(ext, "BMP")) return ImageFileKind::Bmp;
  if (SameLetters(ext, "JPG") || SameLetters(ext, "JPEG")) return ImageFileKind::Jpeg;
  if (SameLetters(ext, "PNG")) return ImageFileKind::Png;
  return ImageFileKind::Unknown;
}

std::optional<DecodedImage> DecodeImageByName(std::string_view fileName, const uint8_t* data, size_t size) {
  switch (ImageKindOfName(fileName)) {
    case ImageFileKind::Bmp: return DecodeBmp(data, size);
    case ImageFileKind::Jpeg: return DecodeJpeg(data, size);
    case ImageFileKind::Png: return DecodePng(data, size);
    case ImageFileKind::Unknown: break;
  }
  return std::nullopt;
}
