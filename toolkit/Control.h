#pragma once
// Controls: the rectangle on a parent, visibility, enabling, colour, font,
// text and the hookable message dispatch shared by windowed and windowless
// controls.
#include <windows.h>

#include <functional>
#include <string>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "toolkit/Component.h"
#include "toolkit/Messages.h"
#include "toolkit/WndHook.h"

class TControl;
class TWinControl;

using TObject = TComponent;
using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;  // key: a 1251 character; 0 swallows it
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, int x, int y)>;

class TFont {
 public:
  TFont() = default;
  TFont(const TFont& other) { Assign(other); }
  TFont& operator=(const TFont& other) { Assign(other); return *this; }
  ~TFont();

  std::string Name = "MS Sans Serif";  // 1251
  int Height = -11;                    // pixels; negative: character height
  TColor Color = clWindowText;
  int Charset = DEFAULT_CHARSET;
  bool Bold = false;

  HFONT Handle() const;  // made on first use, remade after a change
  void Assign(const TFont& other);
  void Changed();  // call after changing fields directly
  std::function<void()> OnChange;

 private:
  mutable HFONT handle_ = nullptr;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  TRect BoundsRect() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }
  TPoint ClientToScreen(TPoint p) const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible here and in every parent up to a shown form.
  virtual bool Showing() const;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFont Font;
  bool ParentFont = true;

  virtual std::string Text() const { return text_; }  // 1251; the caption of buttons and labels
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  std::string Hint;
  bool ShowHint = false;

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;

  // Message dispatch: every message, from the window or from Perform (with or
  // without a window), goes through the installed hooks (TWndHook), the last
  // installed first, and then to WndProc. Handlers return the message's result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT Dispatch(TMessage& message) { return hooks_.Dispatch(message); }
  virtual LRESULT WndProc(TMessage& message);
  virtual LRESULT DefaultHandler(TMessage& message);

  virtual void Invalidate();
  void Repaint();
  virtual void Click();
  bool MouseInControl() const;

 protected:
  virtual void BoundsChanged() {}
  virtual void EnabledChanged() {}
  virtual void VisibleChanged() {}
  void FontChanged();
  friend class TWinControl;  // keeps parent_ in step with its list of controls

  TRect bounds_;
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  std::string text_;

 private:
  friend class TWndHook;
  LRESULT OnButtonDown(TMessage& message, TMouseButton button, TPoint point);
  LRESULT OnFontChanged(TMessage& message);

  TWndHookChain hooks_{[this](TMessage& m) { return WndProc(m); }};
  bool removing_ = false;  // its parent is taking it out of the list of controls
};

// A windowless control: its parent paints it (WM_PAINT with the parent's DC
// in WParam, origin moved to the control) and feeds it mouse messages in its
// own client coordinates.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  std::string ClassName() const override { return "TGraphicControl"; }
  LRESULT WndProc(TMessage& message) override;
  void Invalidate() override;

 protected:
  virtual void Paint(HDC dc) = 0;

 private:
  LRESULT OnPaint(HDC dc);
};

// The GDI colour of a TColor, system colours resolved.
inline COLORREF ColorRef(TColor color) {
  TColor rgb = ResolveColor(color);
  return RGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}
void FillSolid(HDC dc, const RECT& rect, TColor color);

// The form a control sits on, or null.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);
