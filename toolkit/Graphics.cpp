#include "toolkit/Graphics.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "skin/render/core/DecodedImage.h"
#include "skin/render/core/ImageLoader.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"

namespace {

// No picture file of ours comes near this; a larger file is refused before it is read.
constexpr uint64_t kMaxPictureFileBytes = uint64_t(kMaxImagePixels) * 4 + 65536;

bool SameExtension(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}

std::vector<TFileFormat>& Formats() {
  static std::vector<TFileFormat> formats = {
      {"bmp", "Bitmaps", [] { return std::make_unique<TBitmap>(); }},
  };
  return formats;
}

std::vector<uint8_t> ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("Cannot open file");
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && uint64_t(size.QuadPart) <= kMaxPictureFileBytes;
  std::vector<uint8_t> bytes(ok ? size_t(size.QuadPart) : 0);
  DWORD read = 0;
  ok = ok && (bytes.empty() || (ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size()));
  CloseHandle(file);
  if (!ok) throw std::runtime_error("Cannot read file");
  return bytes;
}

}  // namespace

void TGraphic::LoadFromFile(const std::wstring& path) {
  std::vector<uint8_t> bytes = ReadWholeFile(path);
  LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::Draw(HDC dc, const TRect& rect) const {
  if (Empty()) return;
  const TColor transparent = Transparent ? TransparentColor : clNone;
  DrawThroughCopy(dc, rect, [&](PixelBuffer& area, const TRect& r) {
    StretchPixels(area, r, Pixels, Pixels.Bounds(), transparent);
  });
}

void TGraphic::DrawThroughCopy(HDC dc, const TRect& rect,
                               const std::function<void(PixelBuffer& area, const TRect& rect)>& draw) {
  RECT clip{}, wanted{rect.Left, rect.Top, rect.Right, rect.Bottom}, shown{};
  if (GetClipBox(dc, &clip) == ERROR || !IntersectRect(&shown, &clip, &wanted)) return;
  PixelBuffer area(shown.right - shown.left, shown.bottom - shown.top);
  HDC areaDc = BufferDc(area);
  BitBlt(areaDc, 0, 0, area.Width(), area.Height(), dc, shown.left, shown.top, SRCCOPY);
  GdiFlush();
  draw(area, {rect.Left - shown.left, rect.Top - shown.top, rect.Right - shown.left, rect.Bottom - shown.top});
  BitBlt(dc, shown.left, shown.top, area.Width(), area.Height(), areaDc, 0, 0, SRCCOPY);
}

void TBitmap::LoadFromBytes(const uint8_t* data, size_t size) {
  std::optional<DecodedImage> image = DecodeImageByName("picture.bmp", data, size);
  if (!image) throw std::runtime_error("Bitmap image is not valid");
  Pixels = std::move(image->Pixels);
  BitsPerPixel = image->BitsPerPixel;
  TransparentColor = image->TransparentColor;
}

void TBitmap::Assign(const TBitmap& source) {
  Pixels = source.Pixels.Clone();
  BitsPerPixel = source.BitsPerPixel;
  Transparent = source.Transparent;
  TransparentColor = source.TransparentColor;
}

void TPicture::LoadFromFile(const std::wstring& path) {
  size_t dot = path.find_last_of(L'.');
  size_t separator = path.find_last_of(L"\\/:");
  std::string extension;
  if (dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator))
    for (wchar_t c : path.substr(dot + 1)) extension += c < 128 ? char(c) : '?';
  auto it = std::find_if(Formats().begin(), Formats().end(),
                         [&](const TFileFormat& f) { return SameExtension(f.Extension, extension); });
  if (it == Formats().end()) throw std::runtime_error("Unknown picture file extension (." + extension + ")");
  std::unique_ptr<TGraphic> graphic = it->Factory();
  graphic->LoadFromFile(path);
  Graphic = std::move(graphic);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicFactory factory) {
  UnregisterFileFormat(extension);
  Formats().push_back({extension, description, std::move(factory)});
}

void TPicture::UnregisterFileFormat(const std::string& extension) {
  std::erase_if(Formats(), [&](const TFileFormat& f) { return SameExtension(f.Extension, extension); });
}

const std::vector<TFileFormat>& TPicture::FileFormats() { return Formats(); }
