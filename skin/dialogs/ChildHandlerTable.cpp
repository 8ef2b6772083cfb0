#include "skin/dialogs/ChildHandlerTable.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "skin/dialogs/DialogRules.h"

namespace {

using K = ChildHandlerKind;

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return out;
}

ChildHandlerChoice Choice(K kind, std::string_view section = {}, bool dialogMode = false) {
  return {kind, section, dialogMode};
}
constexpr ChildHandlerChoice kNone{};

bool All(uint32_t style, uint32_t bits) { return (style & bits) == bits; }

// Static windows: texts, frames and rectangles get the text handler, icons and
// bitmaps (bits 0 and 1, or bits 1 to 3) a picture handler, owner-drawn ones and
// the plain grey/white rectangles and the simple type none.
ChildHandlerChoice StaticChoice(const ChildWindowFacts& c) {
  if (!All(c.Style, 0x3) && !All(c.Style, 0xE)) {
    const uint32_t type = c.Style & 0x1F;
    if (All(c.Style, 0xD) || type == 5 || type == 6 || type == 11) return kNone;
    return Choice(K::Static);
  }
  if (c.ExStyle & WindowStyle::ExStaticEdge) return Choice(K::Edge, "EDIT");
  return Choice(K::Icon);
}

// Button windows by their low style bits, tested as bits. Owner-drawn buttons
// (0xB) are left alone before the check-box test, whose bit 1 they share:
// painting a check box over a button that draws itself would hide it.
ChildHandlerChoice ButtonChoice(const ChildWindowFacts& c, bool systemButton) {
  const uint32_t s = c.Style;
  if (All(s, 0x7)) return Choice(K::GroupBox, "GROUPBOX");
  if (systemButton && All(s, 0xB)) return kNone;
  const bool checkBox = All(s, 0x3) || (s & 0x2) || All(s, 0x5);
  const bool radio = All(s, 0x9) || (s & 0x4);
  if (checkBox || radio) return Choice(K::CheckBox);
  return Choice(K::Button);
}

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

ChildHandlerChoice ChildHandlerFor(const ChildWindowFacts& c) {
  const std::string name = Lower(c.ClassName);
  if (name == "static") return StaticChoice(c);
  if (name == "#32770" || name == "shbrowseforfolder") return Choice(K::TransPanel);
  if (name == "tpanel") return Choice(K::Panel, "CHECKBOX");
  if (name == "tsilentpaintpanel") return Choice(K::Panel, "GROUPBOX");
  if (name == "edit") return c.Visible ? Choice(K::Edit, "EDIT", true) : kNone;
  if (name == "button" || name == "tbutton") return ButtonChoice(c, name == "button");
  if (name == "combobox") return Choice(K::ComboBox, "COMBOBOX", true);
  if (name == "combolbox") return Choice(K::Edit, "COMBOBOX");
  if (name == "comboboxex32") return Choice(K::ComboBox, "COMBOBOX");
  if (name == "scrollbar") return (c.Style & 0x10) ? Choice(K::Sizer) : kNone;
  if (name == "systabcontrol32") return (c.Style & 0x2000) ? kNone : Choice(K::TabControl, "PAGECONTROL");
  if (name == "syslistview32") return Choice(K::ListView, "EDIT", true);
  if (name == "msctls_updown32") return Choice(K::Spin, "SPEEDBUTTON_SMALL");
  if (name == "msctls_trackbar32") return Choice(K::Track, "TRACKBAR");
  if (name == "listbox") return Choice(K::Edit, "EDIT", true);
  if (name == "link window" || name == "syslink") return Choice(K::Link);
  if (name == "toolbarwindow32") return Choice(K::ToolBar, (c.Style & 0x200) ? "BAR" : "CHECKBOX");
  if (name == "systreeview32") return Choice(K::TreeView, "EDIT", true);
  if (OneOf(name, {"rebarwindow32", "msctls_progress32", "universalsearchband", "address band root", "workerw",
                   "search box", "travelband", "breadcrumb parent"}))
    return c.Visible ? Choice(K::Container) : kNone;
  if (name == "directuihwnd") return c.Height == 24 ? Choice(K::Search) : kNone;
  return kNone;  // "ctrlnotifysink" and every class not named here keep their own look
}

std::string_view ChildHandlerName(ChildHandlerKind kind) {
  static constexpr std::array<std::string_view, 21> kNames = {
      "none",     "TacStaticWnd",  "TacEdgeWnd",  "TacIconWnd",      "TacTransPanelWnd", "TacPanelWnd",
      "TacEditWnd", "TacGroupBoxWnd", "TacCheckBoxWnd", "TacBtnWnd", "TacComboBoxWnd",   "TacSizerWnd",
      "TacTabControlWnd", "TacListViewWnd", "TacSpinWnd", "TacTrackWnd", "TacLinkWnd", "TacToolBarWnd",
      "TacTreeViewWnd", "TacContainerWnd", "TacSearchWnd"};
  const size_t index = size_t(kind);
  return index < kNames.size() ? kNames[index] : "none";
}
