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

// Runs paint with dc's origin at the parent's and its clip on the request's
// area (ClipRect moved by the offset into the parent's coordinates).
template <class Paint>
void PaintInParentCoordinates(BackgroundRequest& request, Paint paint) {
  const HDC dc = static_cast<HDC>(request.TargetDC);
  if (!dc) return;
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -request.OffsetX, -request.OffsetY, nullptr);
  const TRect& clip = request.ClipRect;
  IntersectClipRect(dc, clip.Left + request.OffsetX, clip.Top + request.OffsetY, clip.Right + request.OffsetX,
                    clip.Bottom + request.OffsetY);
  paint(dc);
  RestoreDC(dc, saved);
}

}  // namespace

void TControlBackgroundSource::QueryBackground(BackgroundRequest& request) {
  SendToParent(parent_, kSkinMessage, SkinCommandParam(AC_GETBG), reinterpret_cast<LPARAM>(&request));
}

void TControlBackgroundSource::PaintBackground(BackgroundRequest& request) {
  PaintInParentCoordinates(request, [this](HDC dc) {
    SendToParent(parent_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendToParent(parent_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  });
}

// A parent that handles skin commands answers with its colour, black included;
// from any other the answer 0 means it has none.
TColor TControlBackgroundSource::PlainBackgroundColor() {
  if (SendToParent(parent_, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0) == 1)
    return TColor(SendToParent(parent_, kSkinMessage, SkinCommandParam(AC_GETCONTROLCOLOR), 0));
  return ResolveColor(parent_.Color());
}

void AskBackground(BackgroundRequest& request, TControl& parent, bool pleaseDraw) {
  TControlBackgroundSource source(parent);
  AskBackground(request, source, pleaseDraw);
}

void TWindowBackgroundSource::QueryBackground(BackgroundRequest& request) {
  SendMessageW(parent_, kSkinMessage, SkinCommandParam(AC_GETBG), reinterpret_cast<LPARAM>(&request));
}

void TWindowBackgroundSource::PaintBackground(BackgroundRequest& request) {
  PaintInParentCoordinates(request, [this](HDC dc) {
    SendMessageW(parent_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

TColor TWindowBackgroundSource::PlainBackgroundColor() {
  if (SendMessageW(parent_, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0) == 1)
    return TColor(SendMessageW(parent_, kSkinMessage, SkinCommandParam(AC_GETCONTROLCOLOR), 0));
  return ResolveColor(clBtnFace);
}

void AskBackground(BackgroundRequest& request, HWND parent, bool pleaseDraw) {
  TWindowBackgroundSource source(parent);
  AskBackground(request, source, pleaseDraw);
}
