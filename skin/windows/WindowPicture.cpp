#include "skin/windows/WindowPicture.h"

#include <windows.h>

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"
#include "skin/windows/ComposedPicture.h"
#include "skin/windows/sSkinProvider.h"

PixelBuffer WindowPictureWithClient(const PixelBuffer& frame, HWND window, TSize client, TPoint origin) {
  PixelBuffer picture(frame.Width(), frame.Height());
  CopyPixels(picture, {0, 0}, frame, frame.Bounds());
  PixelBuffer inside(client.cx, client.cy);
  // What the screen shows of the client area is only current once every child has painted.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  if (inside.Empty()) return picture;
  if (HDC dc = GetDC(window)) {
    BitBlt(BufferDc(inside), 0, 0, client.cx, client.cy, dc, 0, 0, SRCCOPY);
    GdiFlush();
    ReleaseDC(window, dc);
    CopyPixels(picture, origin, inside, inside.Bounds());
    AssignAlpha(picture, MakeRect(origin.X, origin.Y, std::min(client.cx, picture.Width() - origin.X),
                                  std::min(client.cy, picture.Height() - origin.Y)), 255, clNone);
  }
  return picture;
}

PixelBuffer WindowPictureWithClient(TsSkinProvider& provider) {
  const PixelBuffer& cache = provider.FrameCache();  // rebuilt first: the sizes below are its
  return WindowPictureWithClient(cache, provider.Form().WindowHandle(), provider.Inputs().Client, provider.ClientOrigin());
}

PixelBuffer ComposedWindowPicture(TsSkinProvider& provider) { return ComposeOverColor(WindowPictureWithClient(provider)); }
