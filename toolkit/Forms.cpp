#include "toolkit/Forms.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/StdCtrls.h"

namespace {

std::vector<TCustomForm*>& FormList() {
  static std::vector<TCustomForm*> forms;
  return forms;
}

void CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& out) {
  std::vector<TWinControl*> children;
  for (TControl* c : parent->Controls())
    if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return a->TabOrder < b->TabOrder; });
  for (TWinControl* w : children) {
    if (w->TabStop && w->CanFocus()) out.push_back(w);
    CollectTabStops(w, out);
  }
}

template <class Pred>
TButton* FindButton(TWinControl* parent, Pred pred) {
  for (TControl* c : parent->Controls()) {
    if (auto* b = dynamic_cast<TButton*>(c); b && pred(b) && b->CanFocus()) return b;
    if (auto* w = dynamic_cast<TWinControl*>(c))
      if (TButton* b = FindButton(w, pred)) return b;
  }
  return nullptr;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  color_ = clBtnFace;
  ParentFont = false;
  FormList().push_back(this);
}

TCustomForm::~TCustomForm() {
  std::erase(FormList(), this);
  DestroyComponents();
  DestroyWnd();
  if (Application) Application->FormDestroyed(this);
}

TRect TCustomForm::FrameForClient() const {
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  RECT r{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
  return {r.left, r.top, r.right, r.bottom};
}

void TCustomForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  TRect frame = FrameForClient();
  SetBounds(Left(), Top(), frame.Width(), frame.Height());
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = 0;
  switch (BorderStyle) {
    case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.Style |= WS_CAPTION; break;
    case TFormBorderStyle::bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.Style |= WS_CAPTION;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  bool framed = BorderStyle != TFormBorderStyle::bsNone;
  if (framed && BorderIcons.SystemMenu) params.Style |= WS_SYSMENU;
  if (framed && BorderIcons.Help) params.ExStyle |= WS_EX_CONTEXTHELP;
  if (framed && BorderStyle != TFormBorderStyle::bsDialog && BorderStyle != TFormBorderStyle::bsToolWindow) {
    if (BorderIcons.Minimize) params.Style |= WS_MINIMIZEBOX;
    if (BorderIcons.Maximize) params.Style |= WS_MAXIMIZEBOX;
  }
  if (!enabled_) params.Style |= WS_DISABLED;
  if (AlphaBlend) params.ExStyle |= WS_EX_LAYERED;
  // The main form is owned by the application window, the others by the main form.
  params.WndParent = Application ? Application->Handle() : nullptr;
  if (Application && Application->MainForm() && Application->MainForm() != this)
    params.WndParent = Application->MainForm()->WindowHandle();
  params.Id = nullptr;
}

void TCustomForm::WindowCreated() {
  TWinControl::WindowCreated();
  ApplyLayered();
}

void TCustomForm::ApplyLayered() {
  if (AlphaBlend && WindowHandle())
    SetLayeredWindowAttributes(WindowHandle(), 0, BYTE(std::clamp(AlphaBlendValue, 0, 255)), LWA_ALPHA);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && control->Focused()) return;
  if (control && WindowHandle() && GetActiveWindow() == WindowHandle() && control->CanFocus()) {
    control->SetFocus();  // the focus message makes it active
    return;
  }
  ActiveControlFocused(control);
}

void TCustomForm::ActiveControlFocused(TWinControl* control) {
  if (control == activeControl_) return;
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  if (previous) previous->Perform(CM_EXIT);
  if (control) control->Perform(CM_ENTER);
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> stops;
  CollectTabStops(this, stops);
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), current);
  size_t index;
  if (it == stops.end())
    index = forward ? 0 : stops.size() - 1;
  else
    index = (size_t(it - stops.begin()) + (forward ? 1 : stops.size() - 1)) % stops.size();
  stops[index]->SetFocus();
}

bool TCustomForm::DialogKey(WPARAM key, TWinControl* focused) {
  switch (key) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) return false;
      SelectNext(focused, GetKeyState(VK_SHIFT) >= 0);
      return true;
    case VK_RETURN:
      if (TButton* b = FindButton(this, [](TButton* b) { return b->Default; })) {
        b->Click();
        return true;
      }
      return false;
    case VK_ESCAPE:
      if (TButton* b = FindButton(this, [](TButton* b) { return b->Cancel; })) {
        b->Click();
        return true;
      }
      return false;
  }
  return false;
}

void TCustomForm::Show() {
  bool first = !Visible();
  if (first && Position == TPosition::poDesktopCenter) {
    TRect desk = Screen::DesktopRect();
    SetBounds(desk.Left + (desk.Width() - Width()) / 2, desk.Top + (desk.Height() - Height()) / 2, Width(), Height());
  }
  HandleNeeded();
  visible_ = true;
  ShowWindow(WindowHandle(), SW_SHOWNORMAL);
  SetForegroundWindow(WindowHandle());
  UpdateShowing();
  if (first) {
    if (!activeControl_) SelectNext(nullptr, true);
    else if (activeControl_->CanFocus()) activeControl_->SetFocus();
  }
}

void TCustomForm::Close() {
  if (OnClose) OnClose(this);
  if (modal_) {
    if (ModalResult == mrNone) ModalResult = mrCancel;
    return;
  }
  SetVisible(false);
  if (Application && Application->MainForm() == this) Application->Terminate();
}

int TCustomForm::ShowModal() {
  HWND owner = Application && Application->MainForm() && Application->MainForm() != this
                   ? Application->MainForm()->WindowHandle() : nullptr;
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  ModalResult = mrNone;
  modal_ = true;
  Show();
  if (owner) EnableWindow(owner, FALSE);
  while (ModalResult == mrNone && Application && !Application->Terminated()) Application->HandleMessage();
  // The owner is enabled before hiding so that it gets the activation back.
  if (owner && ownerWasEnabled) EnableWindow(owner, TRUE);
  SetVisible(false);
  modal_ = false;
  return ModalResult;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

LRESULT TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ACTIVATE:    return OnActivate(m, ActivationOf(m));
    case WM_NEXTDLGCTL:  return OnNextDlgCtl(m.WParam, m.LParam != 0);
    case WM_CLOSE:       return OnCloseRequest();
    case WM_COMMAND:     return OnCommand(m, CommandIdOf(m), NotifyCodeOf(m), CommandWindowOf(m));
    default:             return TWinControl::WndProc(m);
  }
}

// The active control gets the focus back with the form's activation.
LRESULT TCustomForm::OnActivate(TMessage& m, UINT activation) {
  if (activation != WA_INACTIVE && activeControl_ && activeControl_->CanFocus()) {
    activeControl_->SetFocus();
    return 0;
  }
  return TWinControl::WndProc(m);
}

// wParam: the control's window when byHandle, else 0 for the next tab stop and 1 for the previous.
LRESULT TCustomForm::OnNextDlgCtl(WPARAM wParam, bool byHandle) {
  if (!byHandle) {
    SelectNext(activeControl_, wParam == 0);
  } else if (TWinControl* c = FromHandle(reinterpret_cast<HWND>(wParam))) {
    c->SetFocus();
  }
  return 0;
}

LRESULT TCustomForm::OnCloseRequest() {
  Close();
  return 0;
}

// A command without a control window: the id of a button that closes a modal form.
LRESULT TCustomForm::OnCommand(TMessage& m, UINT id, UINT code, HWND control) {
  if (!control && modal_ && code == 0 && id != 0) {
    ModalResult = int(id);
    return 0;
  }
  return TWinControl::WndProc(m);
}

namespace Screen {

int PixelsPerInch() {
  HDC dc = GetDC(nullptr);
  int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi > 0 ? ppi : 96;
}

int Scale(int value96) { return MulDiv(value96, PixelsPerInch(), 96); }

const std::vector<TCustomForm*>& Forms() { return FormList(); }

TRect DesktopRect() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace Screen
