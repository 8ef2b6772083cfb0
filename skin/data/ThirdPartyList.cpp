#include "skin/data/ThirdPartyList.h"

#include <algorithm>

namespace {

// Built-in defaults: the standard toolkit classes of each kind. The lists for
// third-party grids, trees and editors and for native painting have none.
constexpr std::array<std::string_view, kThirdListCount> kDefaults = {
    "TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\nTCheckListBox\r\nTRichEdit\r\nTDateTimePicker",
    "TButton",
    "TBitBtn",
    "TCheckBox\r\nTRadioButton\r\nTGroupButton",
    "TComboBox\r\nTColorBox",
    "TStringGrid\r\nTDrawGrid",
    "TGroupBox\r\nTRadioGroup",
    "TListView",
    "TPanel",
    "TTreeView",
    "",
    "",
    "",
    "TPageControl",
    "TTabControl",
    "TToolBar",
    "TStatusBar",
    "TSpeedButton",
    "TScrollBox",
    "TUpDown",
    "TScrollBar",
    "TStaticText",
    "",
};

std::string Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(begin, end - begin + 1));
}

// Lines split at CR, LF or CR LF; blank lines are dropped, so a text of a
// single blank is an empty list.
std::vector<std::string> SplitNames(std::string_view text) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string name = Trim(text.substr(start, end - start));
    if (!name.empty()) names.push_back(std::move(name));
    start = end + 1;
  }
  return names;
}

}  // namespace

std::string_view ThirdPartyList::DefaultText(TacThirdKind kind) { return kDefaults[size_t(kind)]; }

bool ThirdPartyList::Contains(TacThirdKind kind, std::string_view className) const {
  const std::vector<std::string>& names = Names(kind);
  return std::find(names.begin(), names.end(), className) != names.end();
}

void ThirdPartyList::ReadTexts(Defaults defaults) {
  for (size_t i = 0; i < texts_.size(); ++i) {
    lists_[i] = SplitNames(texts_[i]);
    if (lists_[i].empty() && defaults == Defaults::Fill) lists_[i] = SplitNames(kDefaults[i]);
  }
}

bool ThirdPartyList::HasNames() const {
  return std::any_of(lists_.begin(), lists_.end(), [](const auto& names) { return !names.empty(); });
}

void ThirdPartyList::WriteTexts() {
  for (size_t i = 0; i < texts_.size(); ++i) {
    std::string text;
    for (const std::string& name : lists_[i]) text += (text.empty() ? "" : "\r\n") + name;
    texts_[i] = text;
  }
}
