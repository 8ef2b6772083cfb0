#include "toolkit/ExtCtrls.h"

#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/MessageCrackers.h"

namespace {
constexpr wchar_t kTimerClass[] = L"TTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(instance, kTimerClass, &wc)) {
    wc.lpfnWndProc = TimerWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassExW(&wc);
  }
  window_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

TTimer::~TTimer() {
  if (window_) DestroyWindow(window_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  Update();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  Update();
}

void TTimer::Update() {
  if (!window_) return;
  KillTimer(window_, kTimerId);
  if (enabled_ && interval_ > 0 && onTimer_ && !Loading()) SetTimer(window_, kTimerId, UINT(interval_), nullptr);
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!timer) return DefWindowProcW(window, msg, wParam, lParam);
  try {
    switch (msg) {
      case WM_TIMER: return timer->OnTimerMessage(UINT_PTR(wParam));
      default:       return DefWindowProcW(window, msg, wParam, lParam);
    }
  } catch (...) {
    ReportCurrentException();
    return 0;
  }
}

LRESULT TTimer::OnTimerMessage(UINT_PTR id) {
  if (id == kTimerId && onTimer_) onTimer_(this);
  return 0;
}

// ---- TPanel

LRESULT TPanel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: return OnPaint(m, DcOf(m));
    default:       return TWinControl::WndProc(m);
  }
}

LRESULT TPanel::OnPaint(TMessage&, HDC dc) {
  RECT client;
  GetClientRect(WindowHandle(), &client);
  if (dc) {
    Paint(dc);
    PaintWindowless(dc, client);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC paintDc = BeginPaint(WindowHandle(), &ps);
  Paint(paintDc);
  PaintWindowless(paintDc, ps.rcPaint);
  EndPaint(WindowHandle(), &ps);
  return 0;
}

void TPanel::Paint(HDC dc) {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  FillSolid(dc, r, Color());
  auto edge = [&](TPanelBevel bevel) {
    if (bevel == TPanelBevel::bvNone) return;
    DrawEdge(dc, &r, bevel == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  };
  if (BorderStyle == TBorderStyle::bsSingle) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  edge(BevelOuter);
  edge(BevelInner);
  HGDIOBJ oldFont = SelectObject(dc, Font.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRef(Enabled() ? Font.Color : clGrayText));
  std::wstring caption = Cp1251::ToWide(Caption());
  DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

// ---- TScrollBox

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_HSCROLL | WS_VSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}
