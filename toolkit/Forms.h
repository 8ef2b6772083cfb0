#pragma once
// Top-level windows: frame styles, position, key preview, alpha blending,
// focus among their controls, modal showing.
#include "toolkit/WinControl.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum class TPosition { poDesigned, poDesktopCenter };
struct TBorderIcons {
  bool SystemMenu = true;
  bool Minimize = true;
  bool Maximize = true;
  bool Help = false;  // a help button in the caption (context help)
};

// Modal results: the answers of the standard buttons.
constexpr int mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  std::string ClassName() const override { return "TCustomForm"; }

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons BorderIcons;
  TPosition Position = TPosition::poDesigned;
  bool KeyPreview = false;
  bool AlphaBlend = false;
  int AlphaBlendValue = 255;

  // The client size; the frame around it follows from the border style.
  void SetClientSize(int width, int height);
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnClose;

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Moves the focus to the next (or previous) tab stop, wrapping around.
  void SelectNext(TWinControl* current, bool forward);
  // Called by a control of this form when it receives the focus.
  void ActiveControlFocused(TWinControl* control);

  void Show();
  void Close();
  int ShowModal();
  int ModalResult = mrNone;

  // Runs OnCreate; the stored definition has been read when it is called.
  void DoCreate();
  // Tab, Enter and Escape for the form: next control, default and cancel buttons.
  bool DialogKey(WPARAM virtualKey, TWinControl* focused);

  LRESULT WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  LRESULT OnActivate(TMessage& message, UINT activation);
  LRESULT OnNextDlgCtl(WPARAM wParam, bool byHandle);
  LRESULT OnCloseRequest();
  LRESULT OnCommand(TMessage& message, UINT id, UINT code, HWND control);
  void ApplyLayered();
  TRect FrameForClient() const;

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  TWinControl* activeControl_ = nullptr;
  bool modal_ = false;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  std::string ClassName() const override { return "TForm"; }
};

// Screen density: layouts are stored for 96 dots per inch and scaled to this.
namespace Screen {
int PixelsPerInch();
int Scale(int value96);  // MulDiv(value96, PixelsPerInch, 96)
TRect DesktopRect();     // the work area of the primary monitor
// Every form that exists, in creation order.
const std::vector<TCustomForm*>& Forms();
}  // namespace Screen
