#include "skin/handlers/TacListViewWnd.h"

#include <commctrl.h>

TacListViewWnd::~TacListViewWnd() { Detach(); }

ViewColorMessages TacListViewWnd::ColorMessages() const {
  return {LVM_GETBKCOLOR, LVM_SETBKCOLOR, LVM_GETTEXTCOLOR, LVM_SETTEXTCOLOR, LVM_GETTEXTBKCOLOR, LVM_SETTEXTBKCOLOR};
}

void TacListViewWnd::AfterAttach() {
  TacViewWnd::AfterAttach();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(Window(), LVM_GETHEADER, 0, 0));
  if (!header || FindHandler(header)) return;
  TacHandlerParams params;
  params.DialogMode = DialogMode();
  header_ = TacMainWnd::Create<TacHeaderWnd>(header, false, params, Manager());
  ApplySkinLook();
}

void TacListViewWnd::OnDetach() {
  header_.reset();
  TacViewWnd::OnDetach();
}
