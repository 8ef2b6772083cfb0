#pragma once
// The class names of standard controls that the control adapter skins
// automatically, in 23 lists. Each list is stored as text, one name per line;
// a list found empty gets its built-in default.
#include <array>
#include <string>
#include <string_view>
#include <vector>

enum class TacThirdKind {
  ThirdEdits, ThirdButtons, ThirdBitBtns, ThirdCheckBoxes, ThirdComboBoxes, ThirdGrids,
  ThirdGroupBoxes, ThirdListViews, ThirdPanels, ThirdTreeViews, ThirdWWEdits, ThirdGridEh,
  ThirdVirtualTrees, ThirdPageControl, ThirdTabControl, ThirdToolBar, ThirdStatusBar,
  ThirdSpeedButton, ThirdScrollControl, ThirdUpDown, ThirdScrollBar, ThirdStaticText,
  ThirdNativePaint,
};
inline constexpr int kThirdListCount = 23;

// The lists' names in TacThirdKind order, as stored settings name them.
inline constexpr std::array<std::string_view, kThirdListCount> kThirdListNames = {
    "ThirdEdits", "ThirdButtons", "ThirdBitBtns", "ThirdCheckBoxes", "ThirdComboBoxes", "ThirdGrids",
    "ThirdGroupBoxes", "ThirdListViews", "ThirdPanels", "ThirdTreeViews", "ThirdWWEdits", "ThirdGridEh",
    "ThirdVirtualTrees", "ThirdPageControl", "ThirdTabControl", "ThirdToolBar", "ThirdStatusBar",
    "ThirdSpeedButton", "ThirdScrollControl", "ThirdUpDown", "ThirdScrollBar", "ThirdStaticText",
    "ThirdNativePaint",
};

class ThirdPartyList {
 public:
  // The stored text of one list (lines separated by CR LF).
  std::string& Text(TacThirdKind kind) { return texts_[size_t(kind)]; }
  const std::string& Text(TacThirdKind kind) const { return texts_[size_t(kind)]; }

  // The working list, read from the texts by ReadTexts.
  const std::vector<std::string>& Names(TacThirdKind kind) const { return lists_[size_t(kind)]; }
  bool Contains(TacThirdKind kind, std::string_view className) const;

  // Reads every text into its list; with defaults, a list without any name
  // takes its built-in one (the manager's lists); without, it stays empty (a
  // provider's own lists, which are in force only when one of them names a class).
  enum class Defaults { Fill, None };
  void ReadTexts(Defaults defaults = Defaults::Fill);
  // Some list names a class.
  bool HasNames() const;
  // Writes every list back to its text.
  void WriteTexts();

  static std::string_view DefaultText(TacThirdKind kind);

 private:
  std::array<std::string, kThirdListCount> texts_;
  std::array<std::vector<std::string>, kThirdListCount> lists_;
};
