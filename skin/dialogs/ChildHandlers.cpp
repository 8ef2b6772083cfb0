#include "skin/dialogs/ChildHandlers.h"

#include "skin/controls/TacEditWnd.h"
#include "skin/handlers/TacBtnWnd.h"
#include "skin/handlers/TacCheckBoxWnd.h"
#include "skin/handlers/TacComboBoxWnd.h"
#include "skin/handlers/TacGroupBoxWnd.h"
#include "skin/handlers/TacListViewWnd.h"
#include "skin/handlers/TacSizerWnd.h"
#include "skin/handlers/TacTreeViewWnd.h"

ChildWindowFacts ReadChildFacts(HWND child) {
  wchar_t name[256] = {};
  GetClassNameW(child, name, 256);
  RECT r{};
  GetWindowRect(child, &r);
  ChildWindowFacts f;
  for (const wchar_t* c = name; *c; ++c) f.ClassName += *c < 128 ? char(*c) : '?';
  f.Style = uint32_t(GetWindowLongW(child, GWL_STYLE));
  f.ExStyle = uint32_t(GetWindowLongW(child, GWL_EXSTYLE));
  f.Visible = IsWindowVisible(child) != 0;
  f.Height = r.bottom - r.top;
  return f;
}

std::unique_ptr<TacMainWnd> CreateChildHandler(HWND child, const ChildHandlerChoice& choice, TsSkinManager& manager) {
  TacHandlerParams params;
  params.Section = std::string(choice.Section);
  params.DialogMode = choice.DialogMode;
  switch (choice.Kind) {
    case ChildHandlerKind::Edit: return TacMainWnd::Create<TacEditWnd>(child, true, params, &manager);
    case ChildHandlerKind::Button: return TacMainWnd::Create<TacBtnWnd>(child, false, params, &manager);
    case ChildHandlerKind::CheckBox: return TacMainWnd::Create<TacCheckBoxWnd>(child, false, params, &manager);
    case ChildHandlerKind::GroupBox: return TacMainWnd::Create<TacGroupBoxWnd>(child, false, params, &manager);
    case ChildHandlerKind::ComboBox: return TacMainWnd::Create<TacComboBoxWnd>(child, true, params, &manager);
    case ChildHandlerKind::Sizer: return TacMainWnd::Create<TacSizerWnd>(child, false, params, &manager);
    case ChildHandlerKind::ListView: return TacMainWnd::Create<TacListViewWnd>(child, true, params, &manager);
    case ChildHandlerKind::TreeView: return TacMainWnd::Create<TacTreeViewWnd>(child, true, params, &manager);
    default: return nullptr;
  }
}
