// The hostile-skin corpus: every skin either loads and then paints every
// section in every state, or stops with the program's own error text;
// nothing else (no other exception, no crash, no sanitizer report).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "skin/data/SkinValueBounds.h"
#include "skin/render/core/SkinError.h"
#include "tests/hostile/HostileSkins.h"
#include "tests/hostile/PaintEverything.h"

namespace fs = std::filesystem;

namespace {

// Painters draw only records that belong to a manager; this marker stands in.
char owner;

enum class Outcome { Painted, SkinError, NotASkin, Other };

struct Clamps final : SkinClampCollector {
  void Clamped(const SkinValueClamp& c) override {
    Seen.push_back(std::string(c.Section) + "/" + std::string(c.Key) + (c.Field.empty() ? "" : "." + std::string(c.Field)) +
                   " " + std::to_string(c.Raw) + "->" + std::to_string(c.Bound));
  }
  std::vector<std::string> Seen;
};

Outcome LoadAndPaint(const std::vector<uint8_t>& package, std::string& message, Clamps* clamps = nullptr) {
  SkinLoadSettings settings;
  settings.Owner = reinterpret_cast<TsSkinManager*>(&owner);
  settings.Clamps = clamps;
  try {
    const LoadedSkin skin = LoadSkin(SkinSource::FromPackageBytes(package), settings);
    if (skin.Status != SkinLoadStatus::Loaded) return Outcome::NotASkin;
    PaintEverything(skin);
    return Outcome::Painted;
  } catch (const ESkinError& e) {
    message = e.what();
    return message.empty() ? Outcome::Other : Outcome::SkinError;
  } catch (const std::exception& e) {
    message = e.what();
    return Outcome::Other;
  }
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::vector<uint8_t> bytes(fs::file_size(path));
  std::FILE* f = std::fopen(path.string().c_str(), "rb");
  if (f) {
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
  }
  return bytes;
}

const fs::path kCorpus = fs::path(DR_SOURCE_DIR) / "tests/fixtures/hostile-skins";

}  // namespace

TEST(HostileSkins, EachPaintsOrStopsWithTheSkinError) {
  std::map<std::string, Outcome> outcomes;
  for (const fs::directory_entry& e : fs::directory_iterator(kCorpus)) {
    if (e.path().extension() != ".asz") continue;
    const std::string name = e.path().stem().string();
    std::string message;
    const Outcome outcome = LoadAndPaint(ReadFile(e.path()), message);
    EXPECT_NE(outcome, Outcome::Other) << name << ": " << message;
    outcomes[name] = outcome;
  }
  // Every case of the list is in the committed corpus (run hostile_skin_writer after changing it).
  for (const HostileSkin& skin : HostileSkins()) EXPECT_TRUE(outcomes.count(skin.Name)) << skin.Name;
  // The cases that only stretch limits are skins, and are painted.
  for (const char* name : {"plain-control", "parent-loops", "parent-chain-20000", "parent-loop-5000",
                           "integers-absurd-0", "integers-absurd-5", "image-columns-extreme", "images-outside-picture",
                           "gradient-5000-steps", "names-20000-keys", "members-2000-empty", "member-names-escape"})
    EXPECT_EQ(outcomes[name], Outcome::Painted) << name;
  for (const char* name : {"member-size-claims-4gb", "member-count-4g", "name-length-4g", "truncated-at-40",
                           "png-1g-square", "bmp-65536-square", "jpeg-65535-square", "image-value-not-a-number"})
    EXPECT_EQ(outcomes[name], Outcome::SkinError) << name;
}

TEST(HostileSkins, AbsurdIntegersAreLimitedAndReported) {
  Clamps clamps;
  std::string message;
  ASSERT_EQ(LoadAndPaint(ReadFile(kCorpus / "integers-absurd-0.asz"), message, &clamps), Outcome::Painted) << message;
  const auto has = [&](const std::string& line) {
    return std::find(clamps.Seen.begin(), clamps.Seen.end(), line) != clamps.Seen.end();
  };
  EXPECT_TRUE(has("GLOBALINFO/BORDERWIDTH -2147483648->-1024"));
  EXPECT_TRUE(has("GLOBALINFO/LO_OPACITY -2147483648->0"));
  EXPECT_TRUE(has("TABTOP/TABSCOVERING -2147483648->-1024"));
  EXPECT_TRUE(has("BUTTON/GLOW -2147483648->-1024"));
  EXPECT_TRUE(has("BUTTON/BORDERSMASK.BorderL -32768->-16383")) << "16-bit fields arrive cut to 16 bits";
}
