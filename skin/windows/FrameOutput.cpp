#include "skin/windows/FrameOutput.h"

#include "skin/render/core/PixelBufferDc.h"
#include "skin/windows/FrameRegion.h"

void FrameOutput::ApplyRegion(HWND window, const FrameInputs& in, const FrameMeasures& m, const FramePaintSkin& skin) {
  if (!window) return;
  TRect wanted;
  std::vector<TRect> corners;
  const TSize size = in.Window;
  if (in.Mode == FrameMode::ExtendedBorder) {
    wanted = ExtendedWindowRegion(in, m.MenuHeight);
  } else if (in.Maximized) {
    wanted = {m.FW, m.FW, size.cx - m.FW, size.cy - m.FW};
  } else {
    const TsGeneralData* formSection = skin.View.Section(skin.FormSection);
    const TsGeneralData* titleSection = skin.View.Section(skin.TitleSection);
    corners = TransparentCornerRects(
        skin.View, formSection ? skin.View.Mask(formSection->BorderIndex) : nullptr,
        titleSection && in.HasCaption ? skin.View.Mask(titleSection->BorderIndex) : nullptr, size);
    // Square corners too: a window without a region may get a frame of the desktop's own around it.
    wanted = MakeRect(0, 0, size.cx, size.cy);
  }
  if (regionSet_ && wanted == region_ && corners == regionCorners_) return;
  regionSet_ = true;
  region_ = wanted;
  regionCorners_ = corners;
  HRGN region = wanted.IsEmpty() ? nullptr : CreateRectRgn(wanted.Left, wanted.Top, wanted.Right, wanted.Bottom);
  for (const TRect& r : corners) {
    HRGN corner = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    CombineRgn(region, region, corner, RGN_DIFF);
    DeleteObject(corner);
  }
  SetWindowRgn(window, region, IsWindowVisible(window));
}

void FrameOutput::RemoveRegion(HWND window) {
  regionSet_ = false;
  if (window) SetWindowRgn(window, nullptr, TRUE);
}

void FrameOutput::OutputBands(HWND window, const PixelBuffer& cache, const FrameInputs& in) {
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  if (!cache.Empty()) {
    HDC src = BufferDc(cache);
    const TPoint c = in.ClientInWindow;
    const int32_t w = in.Window.cx, h = in.Window.cy, cw = in.Client.cx, ch = in.Client.cy;
    BitBlt(dc, 0, 0, w, c.Y, src, 0, 0, SRCCOPY);
    BitBlt(dc, 0, c.Y, c.X, ch, src, 0, c.Y, SRCCOPY);
    BitBlt(dc, c.X + cw, c.Y, w - c.X - cw, ch, src, c.X + cw, c.Y, SRCCOPY);
    BitBlt(dc, 0, c.Y + ch, w, h - c.Y - ch, src, 0, c.Y + ch, SRCCOPY);
  }
  ReleaseDC(window, dc);
}

void FrameOutput::OutputArea(HWND window, const PixelBuffer& cache, const TRect& area) {
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), BufferDc(cache), area.Left, area.Top, SRCCOPY);
  ReleaseDC(window, dc);
}

void FrameOutput::ApplyOpacity(HWND window, bool layered, uint8_t alpha) {
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (!layered) {
    if (!(ex & WS_EX_LAYERED)) return;
    SetWindowLongPtrW(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}
