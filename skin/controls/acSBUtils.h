#pragma once
// Window handlers: an object attached to one window (a standard window, or a
// toolkit control's window) that sees its messages first, paints it or parts
// of it from a skin section and passes the rest on. The handler is published
// on its window as "ACSBSC" (FindHandler) until it is detached: on the
// window's destruction, on skin removal or when its owner frees it.
//
//   auto list = TacMainWnd::Create<TacComboListWnd>(listWindow, true, {.Section = "EDIT"}, manager);
//   ... FindHandler(listWindow) == list.get() ...
//   list.reset();  // detaches
//
// Scrolling handlers draw the window's scroll bars themselves in its
// non-client area (geometry in ScrollBarGeometry) and track them with the
// mouse: arrows and page parts repeat after a first delay, the thumb is
// dragged.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/sCommonData.h"
#include "toolkit/WndHook.h"

class TControl;
class TsSkinManager;

inline constexpr wchar_t kHandlerProperty[] = L"ACSBSC";

// Timers of the scroll tracking (window timers of the tracked window).
inline constexpr UINT_PTR kScrollHoverTimer = 0xFFF2;
inline constexpr UINT_PTR kScrollFirstRepeatTimer = 0xFFFD;
inline constexpr UINT_PTR kScrollRepeatTimer = 0xFFFE;
inline constexpr UINT kScrollHoverPeriod = 20;   // ms
inline constexpr UINT kScrollFirstDelay = 300;   // ms before the first repetition
inline constexpr UINT kScrollRepeatPeriod = 55;  // ms between repetitions

// Skin commands a scrolling handler sends its window around each scroll command.
inline constexpr uint16_t AC_BEFORESCROLL = 51;
inline constexpr uint16_t AC_AFTERSCROLL = 52;

struct TacHandlerParams {
  TControl* Control = nullptr;  // the toolkit control the window belongs to, or none
  std::string Section;          // empty: the handler's default
  bool SkinColor = true;        // false: the window keeps its colour (CustomColor)
  bool SkinFont = true;         // false: the window keeps its font colour (CustomFont)
  TacScrollData Horz, Vert;     // bar thickness (ScrollWidth) and arrow length (ButtonsSize); -1 unset
};

class TacMainWnd {
 public:
  // Makes a handler of class T for window and attaches it. binding: the
  // control's own binding, or null for one the handler makes and owns.
  // update: the window's frame is recomputed after attaching.
  template <class T>
  static std::unique_ptr<T> Create(HWND window, bool update, const TacHandlerParams& params,
                                   TsSkinManager* manager = nullptr, TsCommonData* binding = nullptr) {
    std::unique_ptr<T> handler(new T(window, params, manager, binding));
    handler->Init(update);
    return handler;
  }
  virtual ~TacMainWnd();
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  HWND Window() const { return window_; }
  TControl* Control() const { return params_.Control; }
  TsCommonData& SkinData() const { return *binding_; }
  TsSkinManager* Manager() const;
  bool Detached() const { return detached_; }
  bool DialogMode = false;  // a child of a system dialog
  const std::wstring& Text() const { return text_; }

  // Restores the window's routing, unpublishes the handler and gives the
  // window its own look back; afterwards every message passes straight on.
  void Detach();
  // The window's own handling. A fault raised there is reported through the
  // application's error display; the answer is then 0.
  LRESULT PassOn(TMessage& message);
  // The message entry.
  virtual LRESULT HandleMessage(TMessage& message);

 protected:
  TacMainWnd(HWND window, const TacHandlerParams& params, TsSkinManager* manager, TsCommonData* binding);
  virtual void Init(bool update);
  virtual void Attach(bool update);
  virtual void AfterAttach();
  virtual void SaveOwnLook() {}
  virtual void RestoreOwnLook() {}
  virtual void ApplySkinLook() {}
  virtual std::unique_ptr<TsCommonData> CreateBinding(TacBindingHost& host);
  virtual std::string DefaultSection() const { return {}; }
  virtual void OnDetach() {}
  // A skin command while the manager is active; none: not answered here.
  virtual std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message);
  // The window's picture (skin command 23): the section over the parent's background.
  virtual void BuildCache();
  // The section is painted without its border mask (the window draws its own).
  virtual bool BackgroundOnly() const { return false; }

  bool SkinActive() const;  // a manager with an active skin and a live binding
  TRect WindowRectInScreen() const;
  TSize WindowSize() const;
  void RepaintFrame() const;  // non-client area now

  TacHandlerParams params_;
  bool applyingColors_ = false;

 private:
  LRESULT OnDestroy(TMessage& message);
  LRESULT OnSkinMessage(TMessage& message);

  HWND window_;
  TsSkinManager* manager_;
  std::unique_ptr<TacBindingHost> ownHost_;
  std::unique_ptr<TsCommonData> ownBinding_;
  TsCommonData* binding_;
  TWndHook hook_;
  bool onControl_ = false;  // installed on the control's own dispatch
  bool detached_ = true;
  std::wstring text_;
};

// The handler published on a window, or null.
TacMainWnd* FindHandler(HWND window);

// Copies the ring of the given width along the picture's edges to the same place of a window's device context.
void CopyFrameRing(HDC windowDc, const PixelBuffer& picture, int32_t width);

// One of the two skinned bars of a scrolling window.
struct TacScrollBar {
  int32_t Kind = SB_HORZ;  // SB_HORZ or SB_VERT
  uint32_t Flags = 0;      // kBar* flags
  int32_t ArrowOverride = -1;
  bool Visible = false;
  ScrollRange Range;
};

class TacScrollWnd : public TacMainWnd {
 public:
  ~TacScrollWnd() override;
  LRESULT HandleMessage(TMessage& message) override;
  // Reads both scroll informations again and redraws the bars.
  void UpdateBars();
  void DrawBars();
  const ScrollFrame& Frame() const { return frame_; }
  const TacScrollBar& Bar(int32_t kind) const { return bars_[kind == SB_VERT ? 1 : 0]; }
  int32_t Thickness() const;
  int32_t ArrowLength(int32_t kind) const;

 protected:
  using TacMainWnd::TacMainWnd;
  void Attach(bool update) override;
  std::unique_ptr<TsCommonData> CreateBinding(TacBindingHost& host) override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;
  // The window's non-client border widths before the bars take their room.
  virtual int32_t FrameOffset() const;
  // Non-client painting besides the bars (the frame ring of edit handlers).
  virtual void PaintFrameRing(HDC /*windowDc*/) {}
  virtual bool OwnNonClientPaint() const { return false; }
  // Drop-down lists hold the capture themselves and keep it after a bar press.
  virtual bool KeepsCapture() const { return false; }
  // Whether a message is one after which the bars are brought up to date.
  static bool ChangesScrolling(UINT msg);

  LRESULT OnNcCalcSize(TMessage& message);
  LRESULT OnNcHitTest(TMessage& message);
  LRESULT OnNcPaint(TMessage& message);
  LRESULT OnNcMouseMove(TMessage& message);
  LRESULT OnNcLeftPress(TMessage& message);
  LRESULT OnMouseMove(TMessage& message);
  LRESULT OnLeftRelease(TMessage& message);
  LRESULT OnTimer(TMessage& message);
  // A press at a point of the window (window coordinates); true when a bar part took it.
  bool PressBar(TPoint atWindow);
  bool Tracking() const;
  TPoint CursorInWindow() const;

  ScrollFrame frame_;
  bool frameComputed_ = false;
  bool leftScrollBar_ = false;
  bool sendingScroll_ = false;
  TacScrollBar bars_[2];

 private:
  void ReadBar(TacScrollBar& bar);
  bool BarEnabled(const TacScrollBar& bar) const;
  TRect BarRect(int32_t kind) const;
  ThumbLayout ThumbOf(int32_t kind) const;
  void DrawBar(HDC windowDc, int32_t kind);
  void DrawCorner(HDC windowDc);
  void SendScroll(int32_t command, int32_t position);
  void TrackPointer(TPoint atWindow);
  void EndTracking();
};

// Base of the edit family: the picture is rebuilt on a skin refresh and a
// size change, the frame repainted on enable and redraw, the bars after scrolling.
class TacBaseWnd : public TacScrollWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;

 protected:
  using TacScrollWnd::TacScrollWnd;
};

// Edit and list-box windows, edits and memos: frame from the picture, skin colours, bars.
class TacEditWnd : public TacBaseWnd {
 public:
  ~TacEditWnd() override;
  LRESULT HandleMessage(TMessage& message) override;
  // The state the colours are taken for: 1 when active and the section has more than one state.
  int32_t ColorState() const;
  TColor FillColor() const { return fillColor_; }

 protected:
  using TacBaseWnd::TacBaseWnd;
  std::string DefaultSection() const override { return "EDIT"; }
  void SaveOwnLook() override;
  void RestoreOwnLook() override;
  void ApplySkinLook() override;
  void OnDetach() override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;
  bool OwnNonClientPaint() const override { return true; }
  void PaintFrameRing(HDC windowDc) override;
  // The frame ring's width: the non-client border, or a flat edit's border the system drew inside.
  int32_t RingWidth() const;
  LRESULT OnFocusChange(TMessage& message, bool gained);
  LRESULT OnPaint(TMessage& message);
  LRESULT OnEraseBackground(TMessage& message);

  TColor fillColor_ = clWindow;

 private:
  TColor ownColor_ = clWindow;
  TColor ownFontColor_ = clWindowText;
};

// The drop-down list of a combo box: list frame and bars. The list holds the
// capture while it is open, so presses on its bars arrive as client presses
// outside the client area and the capture stays with the list afterwards.
class TacComboListWnd : public TacEditWnd {
 public:
  LRESULT HandleMessage(TMessage& message) override;

 protected:
  using TacEditWnd::TacEditWnd;
  bool KeepsCapture() const override { return true; }
};
