#include "skin/controls/TacComboListWnd.h"

int32_t TacComboListWnd::ColorState() const {
  const TsGeneralData* s = SkinData().Section();
  return s && s->States > 1 ? 1 : 0;
}

LRESULT TacComboListWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacEditWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The open list holds the capture: a press on a bar comes as a client
      // press outside the client area and never reaches the list.
      if (Tracking()) return 0;
      if (PressBar(CursorInWindow())) return 0;
      return TacEditWnd::HandleMessage(m);
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const std::weak_ptr<const void> alive = LifeToken();
      const LRESULT result = PassOn(m);
      if (!alive.expired() && !Detached() && !sendingScroll_) UpdateBars();
      return result;
    }
    default: return TacEditWnd::HandleMessage(m);
  }
}
