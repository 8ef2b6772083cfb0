#include "skin/windows/AdapterHandlers.h"

#include "skin/controls/TacEditWnd.h"
#include "skin/handlers/TacBtnWnd.h"
#include "skin/handlers/TacCheckBoxWnd.h"
#include "skin/handlers/TacComboBoxWnd.h"
#include "skin/handlers/TacListViewWnd.h"
#include "skin/handlers/TacToolBarWnd.h"
#include "skin/handlers/TacTreeViewWnd.h"

namespace {

template <class T>
std::unique_ptr<TacMainWnd> Make(HWND window, const TacHandlerParams& params, TsSkinManager* manager) {
  return TacMainWnd::Create<T>(window, true, params, manager);
}

}  // namespace

std::unique_ptr<TacMainWnd> MakeAdapterHandler(HandlerClass handler, HWND window, const TacHandlerParams& params,
                                               TsSkinManager* manager) {
  switch (handler) {
    case HandlerClass::TacEditWnd:     return Make<TacEditWnd>(window, params, manager);
    case HandlerClass::TacBtnWnd:      return Make<TacBtnWnd>(window, params, manager);
    case HandlerClass::TacCheckBoxWnd: return Make<TacCheckBoxWnd>(window, params, manager);
    case HandlerClass::TacListViewWnd: return Make<TacListViewWnd>(window, params, manager);
    case HandlerClass::TacTreeViewWnd: return Make<TacTreeViewWnd>(window, params, manager);
    case HandlerClass::TacComboBoxWnd: return Make<TacComboBoxWnd>(window, params, manager);
    case HandlerClass::TacToolBarVCLWnd: return Make<TacToolBarVCLWnd>(window, params, manager);
    default:                           return nullptr;
  }
}
