// Writes the hostile-skin corpus (tests/fixtures/hostile-skins/<name>.asz)
// from HostileSkins(), and from its small cases the seeds of the paint fuzzer
// (tests/fuzz/seeds/skin_paint_fuzzer: 1 and the options text of a skin made
// with the corpus pictures, else 0 and the package). Run it again when the list changes:
//   hostile_skin_writer <source folder>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/hostile/HostileSkins.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kLargestSeed = 64 << 10;

// Replaces the files of the folder (created when missing) that have the extension.
fs::path Fresh(const fs::path& folder, const fs::path& extension) {
  fs::create_directories(folder);
  for (const fs::directory_entry& e : fs::directory_iterator(folder))
    if (e.path().extension() == extension) fs::remove(e.path());
  return folder;
}

bool Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: hostile_skin_writer <source folder>\n");
    return 2;
  }
  const fs::path corpus = Fresh(fs::path(argv[1]) / "tests/fixtures/hostile-skins", ".asz");
  const fs::path seeds = Fresh(fs::path(argv[1]) / "tests/fuzz/seeds/skin_paint_fuzzer", ".seed");
  for (const HostileSkin& skin : HostileSkins()) {
    bool written = Write(corpus / (skin.Name + ".asz"), skin.Package);
    // The paint fuzzer's input: a first byte 1 and an options text, or 0 and a package.
    std::vector<uint8_t> seed{skin.Options.empty() ? uint8_t(0) : uint8_t(1)};
    if (skin.Options.empty()) {
      seed.insert(seed.end(), skin.Package.begin(), skin.Package.end());
    } else {
      seed.insert(seed.end(), skin.Options.begin(), skin.Options.end());
    }
    if (seed.size() <= kLargestSeed) written &= Write(seeds / (skin.Name + ".seed"), seed);
    if (!written) {
      std::fprintf(stderr, "hostile_skin_writer: cannot write %s\n", skin.Name.c_str());
      return 1;
    }
  }
  return 0;
}
