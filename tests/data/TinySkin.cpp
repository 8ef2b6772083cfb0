#include "tests/data/TinySkin.h"

#include <fstream>
#include <random>

#include "tests/render/ImageFiles.h"

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
