#pragma once
// A small PNG writer (zlib deflate) for the build tools and for tests that
// save pictures: the skin image generator, the contact sheet, golden images
// and failure dumps write 8-bit RGBA; tests and benchmarks that need other
// colour types, depths or extra chunks use the raw form.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/render/core/PixelBuffer.h"

struct PngWriteOptions {
  int CompressionLevel = 9;  // zlib level 0..9
  bool Interlaced = false;   // Adam7
  // Per-row filter choice: -1 picks per row the filter with the smallest sum
  // of absolute differences; 0..4 forces None, Sub, Up, Average or Paeth.
  int Filter = -1;
  // Largest "IDAT" chunk written (bytes); smaller values split the data.
  uint32_t MaxIdatBytes = 1u << 20;
};

// Encodes BGRA pixels as an 8-bit RGBA PNG (colours written as they are,
// not premultiplied).
std::vector<uint8_t> EncodePng(const PixelBuffer& pixels, const PngWriteOptions& options = {});

// Writes the picture to a file; false when the file cannot be written.
bool WritePngFile(const std::string& path, const PixelBuffer& pixels, const PngWriteOptions& options = {});

// A picture already in PNG sample layout, for any colour type and depth.
struct PngRawImage {
  struct Chunk {
    std::string Type;  // four letters
    std::vector<uint8_t> Data;
  };
  int32_t Width = 0;
  int32_t Height = 0;
  int BitDepth = 8;
  int ColorType = 6;
  // Height rows of packed samples, (Width * bits per pixel + 7) / 8 bytes
  // each, 16-bit samples big-endian, leftmost pixel in the high bits.
  std::vector<uint8_t> Rows;
  std::vector<Chunk> ChunksBeforeData;  // written after IHDR (PLTE, tRNS, gAMA, ...)
  std::vector<Chunk> ChunksAfterData;   // written between the last IDAT and IEND
};

std::vector<uint8_t> EncodePngRaw(const PngRawImage& image, const PngWriteOptions& options = {});

// Appends one chunk (length, type, data, CRC) to a PNG byte stream.
void AppendPngChunk(std::vector<uint8_t>& out, std::string_view type, const uint8_t* data, size_t size);
