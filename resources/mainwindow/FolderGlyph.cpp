#include "resources/mainwindow/FolderGlyph.h"

namespace {

constexpr uint32_t kClear = 0x00000000;
constexpr uint32_t kOutline = 0xFFB07D1A;  // BGRA: dark amber
constexpr uint32_t kBack = 0xFFE0A83A;     // the folder's back and tab
constexpr uint32_t kFront = 0xFFF8CF68;    // the front flap, lighter

void Fill(PixelBuffer& p, int left, int top, int right, int bottom, uint32_t color) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) p.At(x, y) = color;
}

}  // namespace

PixelBuffer FolderGlyph() {
  constexpr int kSize = 20;
  PixelBuffer p(kSize, kSize);
  Fill(p, 0, 0, kSize, kSize, kClear);
  Fill(p, 2, 3, 8, 6, kOutline);    // tab
  Fill(p, 3, 4, 7, 6, kBack);
  Fill(p, 2, 5, 18, 17, kOutline);  // body
  Fill(p, 3, 6, 17, 16, kBack);
  Fill(p, 3, 8, 17, 16, kFront);    // front flap, one pixel below the back's top edge
  Fill(p, 3, 8, 17, 9, kOutline);
  return p;
}
