#pragma once
// The border window of extended-border mode: a layered, non-activating tool
// window owned by the skinned form that shows the provider's frame cache
// (frame, caption, title buttons and the soft shadow) with per-pixel alpha
// around the real window, whose own region leaves only its client area.
// It answers the mouse for the frame and hands every action to its host.
// Windows only.
#include <windows.h>

#include <memory>
#include <optional>

#include "skin/render/core/PixelBuffer.h"
#include "skin/windows/BorderHost.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FrameRegion.h"
#include "skin/windows/MaximizedDrag.h"
#include "toolkit/WinControl.h"

class TacBorderForm;

// The tag of the engine's auxiliary windows (border window, hints): never skinned themselves.
inline constexpr int kEngineWindowTag = 256;

// The form's side as the border window sees it: the mouse answers and what it shows.
class BorderWindowHost : public BorderHost {
 public:
  virtual HWND FormWindow() const = 0;
  virtual const PixelBuffer& FrameCache() = 0;  // rebuilt first when stale
  virtual BorderPlacement Placement() const = 0;
  virtual uint8_t Opacity() const = 0;
  // Where the system should blur behind the frame (cache coordinates), or
  // nothing when the skin or the manager do not ask for blur.
  virtual std::optional<BlurShape> WantedBlur() = 0;
};

// The window itself: one flat switch of typed handlers.
class TacBorderWindow final : public TWinControl {
 public:
  TacBorderWindow(TacBorderForm& form, BorderWindowHost& host);
  std::string ClassName() const override { return "TacBorderWindow"; }
  LRESULT WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  LRESULT OnNcHitTest(TPoint screen);
  bool OnSetCursor();
  LRESULT OnMouseActivate();
  LRESULT OnPaint();
  LRESULT OnNcMouseMove(TPoint screen);
  LRESULT OnNcMouseLeave();
  LRESULT OnNcLButtonDown(TPoint screen);
  LRESULT OnNcLButtonUp(TPoint screen);
  LRESULT OnFrameInput(void (*input)(BorderHost&, TPoint), TPoint screen);
  LRESULT OnClientMouse(UINT msg, TPoint client);
  LRESULT OnCaptureChanged(HWND gaining);
  void PunchHole(POINT client);
  // The maximized form restored with the pointer over its caption, and its move started.
  void RestoreUnderPointer(TPoint screen);

  TacBorderForm& form_;
  BorderWindowHost& host_;
  bool regionDirty_ = false;  // a hole was punched for the window below; restored at the next hit test
  MaximizedDrag drag_;        // a caption press on the maximized form, waiting for the pointer to move
};

class TacBorderForm {
 public:
  explicit TacBorderForm(BorderWindowHost& host);
  ~TacBorderForm();
  TacBorderForm(const TacBorderForm&) = delete;
  TacBorderForm& operator=(const TacBorderForm&) = delete;

  HWND Window() const { return window_->WindowHandle(); }
  // Hands the frame cache to the system (redraw) or only moves the window
  // along with the skinned form; shows it without activation.
  void Update(bool redraw);
  void Hide();
  // The region: the frame cache's rectangle less the client area (and menu bar).
  // Set only when it differs from the one last set: setting a region is costly
  // on some window systems even when it changes nothing.
  void ApplyRegion();
  // Another region was put on the window: the next ApplyRegion sets it again.
  void ForgetRegion() { regionWindow_ = nullptr; }
  // Blur behind the window: off, on, or asked for where the system offers none.
  enum class BlurState { Off, On, NotAvailable };
  BlurState Blur() const { return blur_; }

 private:
  BorderWindowHost& host_;
  std::unique_ptr<TacBorderWindow> window_;
  bool busy_ = false;  // an update is running: messages it sends must not start another
  HWND regionWindow_ = nullptr;  // the window the region below was last set on
  TRect regionOuter_, regionHole_;
  BlurState blur_ = BlurState::Off;
  // The blur the host asks for, switched on or off when it changes.
  void ApplyBlur(HWND window);
};
