#include "tools/skincheck/SkinCheck.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "skin/data/ImageValue.h"
#include "skin/data/ParentChain.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinKeys.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinText.h"
#include "skin/data/SkinValueBounds.h"
#include "skin/data/sSkinData.h"
#include "skin/render/core/ImageLoader.h"
#include "skin/render/core/SkinError.h"

namespace {

// Well-known sections that this program does without: the title text takes the
// title section's colours without "CAPTION", the combo box draws its arrow
// without "COMBOBTN", and the program has no tab control and no vertical grip.
constexpr std::array<std::string_view, 16> kOptionalSections = {
    "CAPTION",       "COMBOBTN",        "GRIPV",          "TABSHEET",
    "TABLEFTFIRST",  "TABTOPFIRST",     "TABRIGHTFIRST",  "TABBOTTOMFIRST",
    "TABLEFTLAST",   "TABTOPLAST",      "TABRIGHTLAST",   "TABBOTTOMLAST",
    "TABLEFTMIDDLE", "TABTOPMIDDLE",    "TABRIGHTMIDDLE", "TABBOTTOMMIDDLE",
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The options text and image files of the skin, opened the way the loader opens them.
struct OpenedSkin {
  TacSkinConvertor Package;
  std::vector<uint8_t> OptionsBytes;
  std::unique_ptr<SkinImageFiles> Files;
  std::optional<SkinSource> Source;
  std::string Error;  // why the skin cannot be opened; empty when it is open
};

void Open(const std::filesystem::path& path, OpenedSkin& skin) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    const std::string folder = (path / "").string();
    std::optional<std::vector<uint8_t>> options = ReadWholeFile(path / std::string(kOptionsMemberName));
    if (!options) {
      skin.Error = "the folder holds no readable " + std::string(kOptionsMemberName);
      return;
    }
    skin.OptionsBytes = std::move(*options);
    skin.Files = std::make_unique<FolderImageFiles>(folder, PathFromBytes);
    skin.Source = SkinSource::FromFolder(folder);
    return;
  }
  try {
    if (!skin.Package.LoadFromFile(path)) {
      skin.Error = skin.Package.NotPacked() ? std::string(kNotPackedSkinMessage) : "no such package or folder";
      return;
    }
  } catch (const ESkinError& e) {
    skin.Error = e.what();
    return;
  }
  if (!skin.Package.Options()) {
    skin.Error = "the package has no " + std::string(kOptionsMemberName);
    return;
  }
  skin.OptionsBytes = *skin.Package.Options();
  skin.Files = std::make_unique<PackageImageFiles>(skin.Package);
  skin.Source = SkinSource::FromPackageFile(path.string(), (path.parent_path() / "").string());
}

class Checker {
 public:
  explicit Checker(SkinCheckReport& report) : report_(report) {}

  void Add(std::string_view section, std::string_view key, std::string text) {
    report_.Problems.push_back({std::string(section), std::string(key), std::move(text)});
  }

  // Keys nothing reads, among them the later copies of a key or a section,
  // which every lookup passes over for the first.
  void CheckKeys(const TacSkinOptions& text) {
    std::set<std::string_view> sections;
    for (const TacOptionsSection& section : text.Sections()) {
      if (!sections.insert(section.Name).second) {
        Add(section.Name, {}, "the section is given twice; only its first occurrence is read");
        continue;
      }
      std::set<std::string_view> keys;
      for (const TacOptionsKey& key : section.Keys) {
        if (!keys.insert(key.Name).second)
          Add(section.Name, key.Name, "the key is given twice in the section; only its first value is read");
        else if (!IsReadSkinKey(section.Name, key.Name))
          Add(section.Name, key.Name, "no part of the program reads this key");
      }
    }
  }

  // Image files that the values name and the skin lacks or that cannot be decoded.
  void CheckImageFiles(const TacSkinOptions& text, SkinImageFiles& files) {
    for (const TacOptionsSection& section : text.Sections()) {
      const bool global = section.Name == kGlobalSection;
      for (const TacOptionsKey& key : section.Keys) {
        if (key.Value == "?") continue;
        if (global && key.Name == "MASTERBITMAP") {
          CheckImageFile(section.Name, key.Name, AnsiUpperCase(key.Value), files);
          continue;
        }
        try {
          const ImageValue value = ParseImageValue(key.Value, section.Name, key.Name);
          if (!value.FileName.empty()) CheckImageFile(section.Name, key.Name, value.FileName, files);
        } catch (const ESkinError& e) {
          Add(section.Name, key.Name, e.what());
        }
      }
    }
  }

  // Records whose rectangle is empty or reaches beyond the picture it is cut from.
  void CheckRecords(const LoadedSkin& skin) {
    for (const TsMaskData& mask : skin.Images.Masks()) {
      const PixelBuffer& picture = skin.Images.PictureOf(mask);
      const TRect& r = mask.SourceRect;
      if (!mask.Image && picture.Width() == 0) {
        Add(mask.SectionName, mask.KeyName, "the image is cut from the master bitmap, and the skin has none");
      } else if (r.IsEmpty()) {
        Add(mask.SectionName, mask.KeyName, "the image rectangle " + RectText(r) + " is empty");
      } else if (r.Left < 0 || r.Top < 0 || r.Right > picture.Width() || r.Bottom > picture.Height()) {
        Add(mask.SectionName, mask.KeyName,
            "the image rectangle " + RectText(r) + " lies outside its picture (" + std::to_string(picture.Width()) +
                " x " + std::to_string(picture.Height()) + ")");
      }
    }
  }

  // Parents that do not exist, chains that come back to themselves and chains
  // longer than the lookups follow (ParentChain.h).
  void CheckParents(const TsGeneralDataArray& sections) {
    const size_t n = sections.size();
    for (const TsGeneralData& s : sections)
      if (NamesParent(s) && s.ParentIndex < 0)
        Add(s.SectionName, "PARENTCLASS", "the parent section " + Quoted(s.ParentClass) + " does not exist");
    // Each section has at most one parent, so every chain is walked once:
    // state 1 marks the sections of the current walk, 2 those finished.
    std::vector<int> state(n, 0), depth(n, 0);  // depth: parents above, up to the top or a circle
    for (size_t start = 0; start < n; ++start) {
      std::vector<size_t> walk;
      int at = int(start);
      while (at >= 0 && state[size_t(at)] == 0) {
        state[size_t(at)] = 1;
        walk.push_back(size_t(at));
        at = sections[size_t(at)].ParentIndex;
      }
      int above = at >= 0 && state[size_t(at)] == 2 ? depth[size_t(at)] + 1 : 0;
      if (at >= 0 && state[size_t(at)] == 1) {
        // The walk came back to `at`: the sections from it on form a circle.
        const auto first = std::find(walk.begin(), walk.end(), size_t(at));
        ReportCycle(sections, {first, walk.end()});
        for (auto it = first; it != walk.end(); ++it) state[*it] = 2;
        walk.erase(first, walk.end());
      }
      for (auto it = walk.rbegin(); it != walk.rend(); ++it, ++above) {
        depth[*it] = above;
        state[*it] = 2;
        if (above == kMaxParentDepth + 1)
          Add(sections[*it].SectionName, "PARENTCLASS",
              "the section has more than " + std::to_string(kMaxParentDepth) +
                  " parents above it; lookups stop there");
      }
    }
  }

  // Well-known sections of the manager that the skin lacks, after the manager's own substitutes.
  void CheckWellKnownSections(const LoadedSkin& skin) {
    const auto expected = [](std::string_view name) {
      return std::find(kOptionalSections.begin(), kOptionalSections.end(), name) == kOptionalSections.end();
    };
    if (FindSection(skin.Sections, kGlobalSection) < 0) Add(kGlobalSection, {}, "the skin has no such section");
    for (std::string_view name : kWellKnownSections)
      if (expected(name) && FindSection(skin.Sections, name) < 0)
        Add(name, {}, "the skin has no such section, and the program looks it up");
    const TacSkinElements elements = ComputeSkinElements(&skin);
    const auto records = ElementRecords(elements);
    for (size_t i = 0; i < kElementSections.size(); ++i)
      if (expected(kElementSections[i]) && records[i]->SkinIndex < 0 &&
          std::find(kWellKnownSections.begin(), kWellKnownSections.end(), kElementSections[i]) ==
              kWellKnownSections.end())
        Add(kElementSections[i], {}, "the skin has no such section, and the program looks it up");
  }

 private:
  static std::string RectText(const TRect& r) {
    return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " + std::to_string(r.Right) + ", " +
           std::to_string(r.Bottom) + ")";
  }

  void ReportCycle(const TsGeneralDataArray& sections, const std::vector<size_t>& circle) {
    constexpr size_t kNamesShown = 8;  // a circle of thousands is named by its start
    std::string names;
    for (size_t k = 0; k < std::min(circle.size(), kNamesShown); ++k) names += sections[circle[k]].SectionName + " -> ";
    if (circle.size() > kNamesShown) names += "... (" + std::to_string(circle.size()) + " sections) -> ";
    names += sections[circle.front()].SectionName;
    Add(sections[circle.front()].SectionName, "PARENTCLASS", "the parents form a circle: " + names);
  }

  void CheckImageFile(std::string_view section, std::string_view key, const std::string& upperName,
                      SkinImageFiles& files) {
    if (upperName.empty()) return;
    auto known = decoded_.find(upperName);
    if (known == decoded_.end()) known = decoded_.emplace(upperName, DecodeError(upperName, files)).first;
    if (!known->second.empty()) Add(section, key, known->second);
  }

  // Empty when the file is there and decodes.
  static std::string DecodeError(const std::string& upperName, SkinImageFiles& files) {
    const std::vector<uint8_t>* bytes = files.Find(upperName);
    if (!bytes) return "the image file " + Quoted(upperName) + " is missing";
    try {
      if (!DecodeImageByName(upperName, bytes->data(), bytes->size()))
        return "the image file " + Quoted(upperName) + " is of a kind the program does not read";
    } catch (const ESkinError& e) {
      return "the image file " + Quoted(upperName) + " cannot be read: " + e.what();
    }
    return {};
  }

  SkinCheckReport& report_;
  std::map<std::string, std::string> decoded_;  // file name -> why it cannot be used, empty when fine
};

// Values that the loader limited to the ranges the program computes with.
class ClampReport final : public SkinClampCollector {
 public:
  explicit ClampReport(Checker& checker) : checker_(checker) {}

  void Clamped(const SkinValueClamp& c) override {
    const std::string raw = std::to_string(c.Raw), bound = std::to_string(c.Bound);
    if (c.Key.find("GRADIENTDATA") != std::string_view::npos)  // Raw counts the steps
      checker_.Add(c.Section, c.Key, "the gradient has " + raw + " steps; the program uses the first " + bound);
    else if (!c.Field.empty())
      checker_.Add(c.Section, c.Key, "the image's " + std::string(c.Field) + " " + raw + " is out of range and limited to " + bound);
    else
      checker_.Add(c.Section, c.Key, "the value " + raw + " is out of range and limited to " + bound);
  }

 private:
  Checker& checker_;
};

}  // namespace

SkinCheckReport CheckSkin(const std::filesystem::path& packageOrFolder) {
  SkinCheckReport report;
  OpenedSkin opened;
  Open(packageOrFolder, opened);
  if (!opened.Error.empty()) {
    report.Outcome = SkinCheckOutcome::Unreadable;
    report.Error = opened.Error;
    return report;
  }
  Checker checker(report);
  const TacSkinOptions text = TacSkinOptions::Parse(
      std::string_view(reinterpret_cast<const char*>(opened.OptionsBytes.data()), opened.OptionsBytes.size()));
  checker.CheckKeys(text);
  checker.CheckImageFiles(text, *opened.Files);

  ClampReport clamps(checker);
  SkinLoadSettings settings;
  settings.Clamps = &clamps;
  try {
    const LoadedSkin skin = LoadSkin(*opened.Source, settings);
    if (skin.Status != SkinLoadStatus::Loaded) {
      report.Outcome = SkinCheckOutcome::Unreadable;
      report.Error = "the program does not load this skin";
      return report;
    }
    checker.CheckRecords(skin);
    checker.CheckParents(skin.Sections);
    checker.CheckWellKnownSections(skin);
  } catch (const ESkinError& e) {
    report.Outcome = SkinCheckOutcome::Unreadable;
    report.Error = std::string("the program refuses this skin: ") + e.what();
    return report;
  }
  report.Outcome = report.Problems.empty() ? SkinCheckOutcome::Clean : SkinCheckOutcome::Problems;
  return report;
}

std::string FormatProblem(const SkinProblem& problem) {
  if (problem.Section.empty()) return problem.Text;
  std::string line = "[" + problem.Section + "]";
  if (!problem.Key.empty()) line += " " + problem.Key;
  return line + ": " + problem.Text;
}

int ExitStatusOf(SkinCheckOutcome outcome) {
  switch (outcome) {
    case SkinCheckOutcome::Clean: return 0;
    case SkinCheckOutcome::Problems: return 1;
    case SkinCheckOutcome::Unreadable: return 2;
  }
  return 2;
}
