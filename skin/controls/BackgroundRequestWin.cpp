#include "skin/controls/BackgroundRequestWin.h"

#include <windows.h>

#include "skin/data/SkinCommands.h"
#include "toolkit/Control.h"
#include "toolkit/WinControl.h"

namespace {

// The skin command message to the parent: through its window when it has one.
LRESULT SendToParent(TControl& parent, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (auto* win = dynamic_cast<TWinControl*>(&parent); win && win->WindowHandle())
    return SendMessageW(win->WindowHandle(), msg, wParam, lParam);
  return parent.Perform(msg, wParam, lParam);
}

}  // namespace

void TControlBackgroundSource::QueryBackground(BackgroundRequest& request) {
  SendToParent(parent_, kSkinMessage, SkinCommandParam(AC_GETBG), reinterpret_cast<LPARAM>(&request));
}

void TControlBackgroundSource::PaintBackground(BackgroundRequest& request) {
  const HDC dc = static_cast<HDC>(request.TargetDC);
  if (!dc) return;
  const int saved = SaveDC(dc);
  // The parent paints in its own coordinates; the asking area starts at the offset.
  OffsetViewportOrgEx(dc, -request.OffsetX, -request.OffsetY, nullptr);
  const TRect& clip = request.ClipRect;
  IntersectClipRect(dc, clip.Left + request.OffsetX, clip.Top + request.OffsetY, clip.Right + request.OffsetX,
                    clip.Bottom + request.OffsetY);
  SendToParent(parent_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendToParent(parent_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
}

TColor TControlBackgroundSource::PlainBackgroundColor() {
  const LRESULT answer = SendToParent(parent_, kSkinMessage, SkinCommandParam(AC_GETCONTROLCOLOR), 0);
  if (answer != 0) return TColor(answer);
  return ResolveColor(parent_.Color());
}

void AskBackground(BackgroundRequest& request, TControl& parent, bool pleaseDraw) {
  TControlBackgroundSource source(parent);
  AskBackground(request, source, pleaseDraw);
}
