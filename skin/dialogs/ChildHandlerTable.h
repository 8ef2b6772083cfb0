#pragma once
// Which window handler a child window of a system dialog gets, by its window
// class and style, and which skin section it paints with. Portable: the
// window side looks the class name up here and creates the handler named.
#include <cstdint>
#include <string>
#include <string_view>

enum class ChildHandlerKind {
  None,
  Static,       // text of a static window
  Edge,         // a static window with the static edge: an "EDIT" frame
  Icon,         // a static window showing an icon or bitmap
  TransPanel,   // a nested dialog pane: transparent over its parent
  Panel,        // the toolkit's panels
  Edit,         // edits and list boxes (dialog mode), and combo box lists
  GroupBox,
  CheckBox,     // check boxes and radio buttons
  Button,       // push buttons
  ComboBox,     // dialog mode for "combobox"
  Sizer,        // the size grip
  TabControl,
  ListView,     // dialog mode
  Spin,
  Track,
  Link,
  ToolBar,
  TreeView,     // dialog mode
  Container,    // transparent holders of other windows
  Search,       // the search box of newer file dialogs
};

struct ChildHandlerChoice {
  ChildHandlerKind Kind = ChildHandlerKind::None;
  std::string_view Section;  // empty: the handler's own default section
  bool DialogMode = false;
  bool operator==(const ChildHandlerChoice&) const = default;
};

// What the table reads of a child window.
struct ChildWindowFacts {
  std::string ClassName;  // any case; compared in lower case
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  bool Visible = true;
  int32_t Height = 0;     // pixels
};

ChildHandlerChoice ChildHandlerFor(const ChildWindowFacts& child);

// A readable name of a handler kind, for tests and diagnostics.
std::string_view ChildHandlerName(ChildHandlerKind kind);
