#include "skin/windows/BorderMouse.h"

#include "skin/windows/FrameGeometry.h"

BorderCursor BorderCursorOf(int32_t code) {
  switch (code) {
    case kFrameHitLeft:
    case kFrameHitRight: return BorderCursor::SizeWE;
    case kFrameHitTop:
    case kFrameHitBottom: return BorderCursor::SizeNS;
    case kFrameHitTopLeft:
    case kFrameHitBottomRight: return BorderCursor::SizeNWSE;
    case kFrameHitTopRight:
    case kFrameHitBottomLeft: return BorderCursor::SizeNESW;
    case kFrameHitCaption:
    case kFrameHitMenu: return BorderCursor::Arrow;
    default: return BorderCursor::Default;
  }
}

void BorderMouseMove(BorderHost& host, TPoint screen) { host.SetHotButton(host.FrameHitTest(screen)); }

void BorderLeftDown(BorderHost& host, TPoint screen) {
  const int32_t code = host.FrameHitTest(screen);
  if (code == kFrameHitOutside || code == kFrameHitNowhere || code == kFrameHitClient) return;
  if (IsTitleButtonCode(code)) host.PressTitleButton(code);
  else host.FormLeftDown(code, screen);
}

void BorderLeftUp(BorderHost& host, TPoint screen) {
  if (host.PressInProgress()) host.ReleaseTitleButton(host.FrameHitTest(screen));
}

void BorderLeftDoubleClick(BorderHost& host, TPoint screen) {
  const int32_t code = host.FrameHitTest(screen);
  // A quick second click on a title button is a press too.
  if (IsTitleButtonCode(code)) host.PressTitleButton(code);
  else if (code == kFrameHitCaption) host.CaptionDoubleClick();
  else if (code == kFrameHitSysMenu) host.IconDoubleClick();
  else if (code == kFrameHitLeft || code == kFrameHitRight || code == kFrameHitTop || code == kFrameHitBottom)
    host.EdgeDoubleClick(code);
}

void BorderRightUp(BorderHost& host, TPoint screen) {
  const int32_t code = host.FrameHitTest(screen);
  if (code == kFrameHitCaption || code == kFrameHitSysMenu) host.ShowSystemMenu(screen);
}

bool BorderClientMouse(BorderHost& host, BorderClientInput input, TPoint screen) {
  if (host.PressInProgress()) {
    if (input == BorderClientInput::LeftUp) BorderLeftUp(host, screen);
    else if (input == BorderClientInput::Move) BorderMouseMove(host, screen);
    return false;
  }
  host.SetHotButton(0);
  return true;
}
