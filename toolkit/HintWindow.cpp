#include "toolkit/HintWindow.h"

#include "toolkit/NonClientFonts.h"

#include "toolkit/Cp1251.h"

namespace {

constexpr int kPadding = 3;  // between the border and the text

HFONT HintFont() {
  static HFONT font = [] {
    const LOGFONTW status = NonClientLogFont(NonClientFont::Status);
    return CreateFontIndirectW(&status);
  }();
  return font;
}

}  // namespace

THintWindow::THintWindow() : TWinControl(nullptr) { visible_ = false; }

void THintWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
  params.ClassStyle = CS_SAVEBITS;
  params.WndParent = nullptr;
  params.Id = nullptr;
}

void THintWindow::ActivateHint(POINT screen, const std::string& text) {
  HWND window = Handle();
  SetText(text);
  const std::wstring wide = Cp1251::ToWide(text);
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, HintFont());
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  RECT frame{0, 0, size.cx + 2 * kPadding, size.cy + 2 * kPadding};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, 0);
  SetWindowPos(window, HWND_TOPMOST, screen.x, screen.y, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window, nullptr, TRUE);
}

void THintWindow::ReleaseHint() {
  if (HWND window = WindowHandle()) ShowWindow(window, SW_HIDE);
}

LRESULT THintWindow::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:     return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_PAINT:         return OnPaint();
    default:               return TWinControl::WndProc(m);
  }
}

LRESULT THintWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(WindowHandle(), &ps);
  RECT r;
  GetClientRect(WindowHandle(), &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
  HGDIOBJ old = SelectObject(dc, HintFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  const std::wstring text = Cp1251::ToWide(Text());
  InflateRect(&r, -kPadding, -kPadding);
  DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_VCENTER);
  SelectObject(dc, old);
  EndPaint(WindowHandle(), &ps);
  return 0;
}
