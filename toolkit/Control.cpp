#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/WinControl.h"

TFont::~TFont() {
  if (handle_) DeleteObject(handle_);
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = Height;
    lf.lfWeight = Bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = BYTE(Charset);
    lf.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Cp1251::ToWide(Name);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
  }
  return handle_;
}

void TFont::Assign(const TFont& other) {
  Name = other.Name;
  Height = other.Height;
  Color = other.Color;
  Charset = other.Charset;
  Bold = other.Bold;
  Changed();
}

void TFont::Changed() {
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
  if (OnChange) OnChange();
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  Font.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (Application) Application->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  TRect r = MakeRect(left, top, width, height);
  if (r == bounds_) return;
  if (parent_ && !dynamic_cast<TWinControl*>(this)) Invalidate();  // the area it leaves
  bounds_ = r;
  BoundsChanged();
  if (!dynamic_cast<TWinControl*>(this)) Invalidate();
}

TPoint TControl::ClientToScreen(TPoint p) const {
  if (auto* self = dynamic_cast<const TWinControl*>(this); self && self->WindowHandle()) {
    POINT pt{p.X, p.Y};
    ::ClientToScreen(self->WindowHandle(), &pt);
    return {pt.x, pt.y};
  }
  if (!parent_) return p;
  return parent_->ClientToScreen({p.X + Left(), p.Y + Top()});
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
  if (auto* self = dynamic_cast<TWinControl*>(this))
    self->ForEachChild([](TControl* child) { child->Perform(CM_PARENTCOLORCHANGED); });
  Invalidate();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
  Invalidate();
}

void TControl::FontChanged() {
  ParentFont = false;
  Perform(CM_FONTCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  return Dispatch(m);
}

LRESULT TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return OnButtonDown(m, ButtonOf(m.Msg), PointOf(m));
    case CM_FONTCHANGED: return OnFontChanged(m);
    default:             return DefaultHandler(m);
  }
}

LRESULT TControl::DefaultHandler(TMessage&) { return 0; }

LRESULT TControl::OnButtonDown(TMessage& m, TMouseButton button, TPoint point) {
  if (OnMouseDown) OnMouseDown(this, button, point.X, point.Y);
  return DefaultHandler(m);
}

LRESULT TControl::OnFontChanged(TMessage& m) {
  Invalidate();
  return DefaultHandler(m);
}

void TControl::Invalidate() {}

void TControl::Repaint() {
  Invalidate();
  for (TControl* c = this; c; c = c->Parent())
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->WindowHandle()) {
      UpdateWindow(w->WindowHandle());
      break;
    }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

bool TControl::MouseInControl() const { return Application && Application->MouseControl() == this; }

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

LRESULT TGraphicControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: return OnPaint(DcOf(m));
    default:       return TControl::WndProc(m);
  }
}

LRESULT TGraphicControl::OnPaint(HDC dc) {
  Paint(dc);
  return 0;
}

void TGraphicControl::Invalidate() {
  if (!parent_ || !parent_->WindowHandle()) return;
  RECT r{bounds_.Left, bounds_.Top, bounds_.Right, bounds_.Bottom};
  InvalidateRect(parent_->WindowHandle(), &r, FALSE);
}

void FillSolid(HDC dc, const RECT& rect, TColor color) {
  HBRUSH brush = CreateSolidBrush(ColorRef(color));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

TCustomForm* GetParentForm(const TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}
