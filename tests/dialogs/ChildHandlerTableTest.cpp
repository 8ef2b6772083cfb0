// The handler each child window of a system dialog gets, with the bit tests of static and button styles.
#include <gtest/gtest.h>

#include "skin/dialogs/ChildHandlerTable.h"

namespace {

struct Case {
  const char* ClassName;
  uint32_t Style;
  uint32_t ExStyle;
  bool Visible;
  int32_t Height;
  const char* Handler;
  const char* Section;
  bool DialogMode;
};

constexpr uint32_t kStaticEdge = 0x20000;

TEST(ChildHandlerTable, ClassesStylesAndSections) {
  const Case cases[] = {
      // static: text types, then pictures (bits 0+1, or bits 1+2+3), with the static edge an edit frame.
      {"Static", 0x0, 0, true, 13, "TacStaticWnd", "", false},                // left text
      {"static", 0x1, 0, true, 13, "TacStaticWnd", "", false},                // centred text
      {"static", 0x4, 0, true, 13, "TacStaticWnd", "", false},                // black rectangle
      {"static", 0x7, 0, true, 13, "TacIconWnd", "", false},                  // black frame: bits 0 and 1
      {"static", 0x10, 0, true, 13, "TacStaticWnd", "", false},               // etched horizontal line
      {"static", 0x5, 0, true, 13, "none", "", false},                        // grey rectangle
      {"static", 0x6, 0, true, 13, "none", "", false},                        // white rectangle
      {"static", 0xB, 0, true, 13, "TacIconWnd", "", false},                  // bits 0 and 1 win over type 11
      {"static", 0xD, 0, true, 13, "none", "", false},                        // owner-drawn: bits 0, 2, 3
      {"static", 0x1D, 0, true, 13, "none", "", false},                       // the same bits, higher type
      {"static", 0x3, 0, true, 32, "TacIconWnd", "", false},                  // icon
      {"static", 0xE, 0, true, 32, "TacIconWnd", "", false},                  // bitmap
      {"static", 0xF, 0, true, 32, "TacIconWnd", "", false},                  // enhanced metafile
      {"static", 0x3, kStaticEdge, true, 32, "TacEdgeWnd", "EDIT", false},
      {"static", 0x0, kStaticEdge, true, 13, "TacStaticWnd", "", false},      // a text keeps its text handler
      // button: bit tests on the low style bits.
      {"Button", 0x0, 0, true, 23, "TacBtnWnd", "", false},                   // push
      {"button", 0x1, 0, true, 23, "TacBtnWnd", "", false},                   // default push
      {"button", 0x7, 0, true, 80, "TacGroupBoxWnd", "GROUPBOX", false},
      {"button", 0xF, 0, true, 80, "TacGroupBoxWnd", "GROUPBOX", false},     // bits 0 to 2 include the group box's
      {"button", 0x2, 0, true, 13, "TacCheckBoxWnd", "", false},              // check box
      {"button", 0x3, 0, true, 13, "TacCheckBoxWnd", "", false},              // auto check box
      {"button", 0x5, 0, true, 13, "TacCheckBoxWnd", "", false},              // three-state
      {"button", 0x6, 0, true, 13, "TacCheckBoxWnd", "", false},              // auto three-state (bit 1)
      {"button", 0x4, 0, true, 13, "TacCheckBoxWnd", "", false},              // radio
      {"button", 0x9, 0, true, 13, "TacCheckBoxWnd", "", false},              // auto radio
      {"button", 0x8, 0, true, 23, "TacBtnWnd", "", false},                   // user button
      {"button", 0xB, 0, true, 23, "none", "", false},                        // owner-drawn
      {"button", 0x1B, 0, true, 23, "none", "", false},                       // owner-drawn bits among others
      {"TButton", 0xB, 0, true, 23, "TacCheckBoxWnd", "", false},             // the toolkit's has no owner-draw rule
      // the other classes, in lower case whatever their case.
      {"#32770", 0, 0, true, 100, "TacTransPanelWnd", "", false},
      {"SHBrowseForFolder", 0, 0, true, 100, "TacTransPanelWnd", "", false},
      {"TPanel", 0, 0, true, 40, "TacPanelWnd", "CHECKBOX", false},
      {"TSilentPaintPanel", 0, 0, true, 40, "TacPanelWnd", "GROUPBOX", false},
      {"Edit", 0, 0, true, 21, "TacEditWnd", "EDIT", true},
      {"Edit", 0, 0, false, 21, "none", "", false},                           // hidden edits keep their look
      {"ComboBox", 0, 0, true, 21, "TacComboBoxWnd", "COMBOBOX", true},
      {"ComboLBox", 0, 0, true, 100, "TacEditWnd", "COMBOBOX", false},
      {"ComboBoxEx32", 0, 0, true, 21, "TacComboBoxWnd", "COMBOBOX", false},
      {"ScrollBar", 0x10, 0, true, 17, "TacSizerWnd", "", false},
      {"ScrollBar", 0x1, 0, true, 17, "none", "", false},                      // a plain bar
      {"SysTabControl32", 0, 0, true, 200, "TacTabControlWnd", "PAGECONTROL", false},
      {"SysTabControl32", 0x2000, 0, true, 200, "none", "", false},             // owner-drawn tabs
      {"SysListView32", 0, 0, true, 200, "TacListViewWnd", "EDIT", true},
      {"msctls_updown32", 0, 0, true, 21, "TacSpinWnd", "SPEEDBUTTON_SMALL", false},
      {"msctls_trackbar32", 0, 0, true, 30, "TacTrackWnd", "TRACKBAR", false},
      {"ListBox", 0, 0, true, 100, "TacEditWnd", "EDIT", true},
      {"SysLink", 0, 0, true, 13, "TacLinkWnd", "", false},
      {"Link Window", 0, 0, true, 13, "TacLinkWnd", "", false},
      {"ToolbarWindow32", 0x200, 0, true, 26, "TacToolBarWnd", "BAR", false},
      {"ToolbarWindow32", 0x100, 0, true, 26, "TacToolBarWnd", "CHECKBOX", false},
      {"SysTreeView32", 0, 0, true, 200, "TacTreeViewWnd", "EDIT", true},
      {"CtrlNotifySink", 0, 0, true, 10, "none", "", false},
      {"ReBarWindow32", 0, 0, true, 30, "TacContainerWnd", "", false},
      {"Breadcrumb Parent", 0, 0, true, 30, "TacContainerWnd", "", false},
      {"msctls_progress32", 0, 0, false, 30, "none", "", false},               // containers only while visible
      {"DirectUIHWND", 0, 0, true, 24, "TacSearchWnd", "", false},
      {"DirectUIHWND", 0, 0, true, 25, "none", "", false},
      {"SysHeader32", 0, 0, true, 20, "none", "", false},                      // unknown classes keep their look
  };
  for (const Case& c : cases) {
    const ChildHandlerChoice choice = ChildHandlerFor({c.ClassName, c.Style, c.ExStyle, c.Visible, c.Height});
    const std::string what = std::string(c.ClassName) + " style " + std::to_string(c.Style);
    EXPECT_EQ(ChildHandlerName(choice.Kind), c.Handler) << what;
    EXPECT_EQ(choice.Section, c.Section) << what;
    EXPECT_EQ(choice.DialogMode, c.DialogMode) << what;
  }
}

}  // namespace
