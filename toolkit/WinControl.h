#pragma once
// A control with its own window. Its window class is its ClassName; controls
// built on a system control (edit, combo box, button) are superclasses of it.
// The object travels to the window in CREATESTRUCT and is kept as a window
// property, so the handle finds its object without any global table.
#include <vector>

#include "toolkit/Control.h"

struct TCreateParams {
  std::wstring SystemClass;  // superclassed system class; empty: a window of our own
  DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
  UINT ClassStyle = CS_DBLCLKS;
  HWND WndParent = nullptr;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HMENU Id = nullptr;  // child id; forms: none
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  HWND Handle();  // creates the window when needed
  HWND WindowHandle() const { return handle_; }  // the window or null, never creates it
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void RecreateWnd();  // destroys and re-creates the window, then sends CM_RECREATEWND

  // Children, in insertion order (the z order of windowless ones: later on top).
  const std::vector<TControl*>& Controls() const { return controls_; }
  // Calls fn for every child there is when the walk starts that is still a
  // child when its turn comes: fn may remove or destroy siblings.
  template <class Fn>
  void ForEachChild(Fn fn) {
    std::vector<TControl*> snapshot(controls_);
    for (TControl* c : snapshot)
      if (HasChild(c)) fn(c);
  }
  bool HasChild(const TControl* control) const;
  void InsertControl(TControl* control);
  // Sends CM_CONTROLLISTCHANGE first; safe when its handlers remove or destroy the control.
  void RemoveControl(TControl* control);
  TControl* ControlAtPos(TPoint clientPoint) const;  // a visible windowless child at a point

  int TabOrder = -1;
  bool TabStop = false;
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyPressEvent OnKeyPress;

  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool Showing() const override;
  void Invalidate() override;

  LRESULT WndProc(TMessage& message) override;
  LRESULT DefaultHandler(TMessage& message) override;  // the system's or the superclass's window procedure
  // The window procedure of every toolkit window class.
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static TWinControl* FromHandle(HWND window);  // the toolkit control of a window, or null

  // The background brush for child-colour messages: the control's colour.
  HBRUSH BrushHandle();

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // After the window exists: font, text, state; children get their windows.
  virtual void WindowCreated();
  void BoundsChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  // The character key path: the form's key preview, then OnKeyPress; false when swallowed.
  bool DoKeyPress(char& key);
  void PaintWindowless(HDC dc, const RECT& clip);
  // Erasing fills the client with the control's colour: windows of our own
  // class, and system controls whose class leaves the background unpainted.
  virtual bool FillsBackground() const { return OwnClass(); }
  void UpdateShowing();

 private:
  bool OwnClass() const { return defWndProc_ == DefWindowProcW; }  // not a superclassed system control
  void TrackMouseLeave();
  LRESULT RouteMouse(TMessage& message, TPoint point);
  // Message handlers.
  LRESULT OnSetFocus(TMessage& message);
  LRESULT OnChar(TMessage& message, wchar_t typed);
  LRESULT RaiseEvent(const TNotifyEvent& event);
  LRESULT OnFontChanged();
  // A parent's notification about a child goes back to that child as `reflected` (CN_...).
  LRESULT ReflectToChild(TMessage& message, HWND childWindow, UINT reflected);
  LRESULT OnChildColors(HDC dc);
  LRESULT OnEraseBackground(TMessage& message, HDC dc);
  LRESULT OnPaint(TMessage& message, HDC dc);
  LRESULT OnMouse(TMessage& message, TPoint point);
  LRESULT OnMouseLeave(TMessage& message);
  LRESULT OnCaptureChanged(TMessage& message, HWND newCapture);
  LRESULT OnMouseWheel(TMessage& message);
  LRESULT OnWindowPosChanged(TMessage& message, const WINDOWPOS& pos);
  LRESULT OnDestroy(TMessage& message);

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  HBRUSH brush_ = nullptr;
  TColor brushColor_ = clNone;
  TControl* captureControl_ = nullptr;  // windowless child that has the mouse while a button is down
  bool showing_ = false;
};
