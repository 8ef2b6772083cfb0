#include "skin/controls/SkinTextOutputWin.h"

#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Control.h"
#include "toolkit/Cp1251.h"

namespace {

RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void DrawTextIn(HDC dc, std::string_view text, const TRect& rect, uint32_t flags) {
  const std::wstring wide = Cp1251::ToWide(text);
  RECT r = ToRect(rect);
  DrawTextW(dc, wide.c_str(), int(wide.size()), &r, flags);
}

}  // namespace

TDcTextCanvas::TDcTextCanvas(HDC dc, HFONT font) : dc_(dc), font_(font) {
  if (!font_) font_ = static_cast<HFONT>(GetCurrentObject(dc_, OBJ_FONT));
  oldFont_ = SelectObject(dc_, font_);
  color_ = TColor(GetTextColor(dc_));
}

TDcTextCanvas::~TDcTextCanvas() {
  while (!saved_.empty()) RestoreState();
  SelectObject(dc_, oldFont_);
  if (underlined_) DeleteObject(underlined_);
}

void TDcTextCanvas::SetTransparentBackground() { SetBkMode(dc_, TRANSPARENT); }

void TDcTextCanvas::ClearBrush() { SelectObject(dc_, GetStockObject(NULL_BRUSH)); }

void TDcTextCanvas::SetTextColor(TColor color) {
  color_ = color;
  ::SetTextColor(dc_, ColorRef(color));
}

void TDcTextCanvas::WriteText(std::string_view text, const TRect& rect, uint32_t flags) {
  DrawTextIn(dc_, text, rect, flags);
}

void TDcTextCanvas::AddUnderline() {
  if (underlined_) return;
  LOGFONTW font{};
  if (!GetObjectW(font_, sizeof(font), &font)) return;
  font.lfUnderline = TRUE;
  underlined_ = CreateFontIndirectW(&font);
  if (!underlined_) return;
  font_ = underlined_;
  SelectObject(dc_, font_);
}

void TDcTextCanvas::SaveState() { saved_.push_back(SaveDC(dc_)); }

void TDcTextCanvas::RestoreState() {
  if (saved_.empty()) return;
  RestoreDC(dc_, saved_.back());
  saved_.pop_back();
  color_ = TColor(GetTextColor(dc_));
}

void TDcTextCanvas::ClipTo(const TRect& rect) { IntersectClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom); }

void TDcTextCanvas::WriteTextMask(std::string_view text, const TRect& rect, uint32_t flags, PixelBuffer& picture) {
  HDC dc = BufferDc(picture);
  if (!dc) return;
  const int saved = SaveDC(dc);
  SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(0, 0, 0));
  DrawTextIn(dc, text, rect, flags);
  RestoreDC(dc, saved);
  // The caller reads the mask's pixels next: GDI may still hold the drawing in its batch.
  GdiFlush();
}

TPictureTextCanvas::TPictureTextCanvas(PixelBuffer& picture, HFONT font)
    : TDcTextCanvas(BufferDc(picture), font), picture_(picture) {}

void TPictureTextCanvas::WriteText(std::string_view text, const TRect& rect, uint32_t flags) {
  // Text may spill over rect (no clipping, italics): guard a margin around it.
  constexpr int32_t kSpill = 4;
  const TRect area{rect.Left - kSpill, rect.Top - kSpill, rect.Right + kSpill, rect.Bottom + kSpill};
  GreyBuffer saved;
  MarkTextArea(picture_, area, saved);
  GdiFlush();
  TDcTextCanvas::WriteText(text, rect, flags);
  GdiFlush();
  RestoreTextAlpha(picture_, area, saved);
}
