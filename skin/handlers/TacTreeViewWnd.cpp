#include "skin/handlers/TacTreeViewWnd.h"

#include <commctrl.h>

TacTreeViewWnd::~TacTreeViewWnd() { Detach(); }

ViewColorMessages TacTreeViewWnd::ColorMessages() const {
  return {TVM_GETBKCOLOR, TVM_SETBKCOLOR, TVM_GETTEXTCOLOR, TVM_SETTEXTCOLOR, 0, 0};
}
