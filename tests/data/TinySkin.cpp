#include "tests/data/TinySkin.h"

#include <fstream>
#include <random>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const PixelBuffer& picture) {
  const uint32_t rowBytes = (uint32_t(picture.Width()) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * uint32_t(picture.Height());
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + dataBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, uint32_t(picture.Width()));
  Put32(out, uint32_t(picture.Height()));
  Put16(out, 1);
  Put16(out, 24);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int32_t y = picture.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.At(x, y);
      out.push_back(uint8_t(p));
      out.push_back(uint8_t(p >> 8));
      out.push_back(uint8_t(p >> 16));
    }
    out.resize(start + rowBytes, 0);
  }
  return out;
}

TinySkin& TinySkin::Options(const std::string& text) {
  Members.push_back({"Options.dat", std::vector<uint8_t>(text.begin(), text.end())});
  return *this;
}

TinySkin& TinySkin::File(const std::string& name, std::vector<uint8_t> bytes) {
  Members.push_back({name, std::move(bytes)});
  return *this;
}

void TinySkin::WriteFolder(const std::filesystem::path& folder) const {
  std::filesystem::create_directories(folder);
  for (const TacPackageMember& m : Members) {
    std::ofstream out(folder / m.Name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(m.Data.data()), std::streamsize(m.Data.size()));
  }
}

TempFolder::TempFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("catalog-test-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}
