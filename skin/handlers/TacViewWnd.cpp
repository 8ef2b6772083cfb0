#include "skin/handlers/TacViewWnd.h"

void TacViewWnd::SetColor(UINT get, UINT set, LRESULT color) const {
  if (!get || !set) return;
  if (SendMessageW(Window(), get, 0, 0) != color) SendMessageW(Window(), set, 0, color);
}

void TacViewWnd::SaveOwnLook() {
  TacEditWnd::SaveOwnLook();
  const ViewColorMessages m = ColorMessages();
  const HWND window = Window();
  own_.Back = m.GetBack ? SendMessageW(window, m.GetBack, 0, 0) : 0;
  own_.Text = m.GetText ? SendMessageW(window, m.GetText, 0, 0) : 0;
  own_.TextBack = m.GetTextBack ? SendMessageW(window, m.GetTextBack, 0, 0) : 0;
  saved_ = true;
}

void TacViewWnd::RestoreOwnLook() {
  TacEditWnd::RestoreOwnLook();
  if (!saved_ || !IsWindow(Window())) return;
  const ViewColorMessages m = ColorMessages();
  SetColor(m.GetBack, m.SetBack, own_.Back);
  SetColor(m.GetText, m.SetText, own_.Text);
  SetColor(m.GetTextBack, m.SetTextBack, own_.TextBack);
}

void TacViewWnd::ApplySkinLook() {
  TacEditWnd::ApplySkinLook();
  const TsCommonData& b = SkinData();
  const ViewColorMessages m = ColorMessages();
  const LRESULT back = LRESULT(ResolveColor(FillColor()));
  SetColor(m.GetBack, m.SetBack, back);
  SetColor(m.GetTextBack, m.SetTextBack, back);
  if (b.CustomFont()) return;
  if (const TsGenState* record = b.StateRecord(ColorState()))
    SetColor(m.GetText, m.SetText, LRESULT(ResolveColor(record->TextColor)));
}
