#pragma once
// Scrolling window handlers draw the window's scroll bars themselves in its
// non-client area (geometry in ScrollBarGeometry, pictures from
// ScrollBarPainter) and track them with the mouse (ScrollTracker): arrows
// and page parts repeat after a first delay, the thumb is dragged. A bar
// under the pointer is hot until a hover timer sees the pointer leave it.
#include <windows.h>

#include <memory>
#include <optional>

#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/ScrollTracker.h"
#include "skin/controls/TacMainWnd.h"

struct ScrollBarSkin;

// Skin commands a scrolling handler sends its window around each scroll command.
inline constexpr uint16_t AC_BEFORESCROLL = 51;
inline constexpr uint16_t AC_AFTERSCROLL = 52;

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
  // Each bar's own thickness (the vertical bar's width, the horizontal bar's height).
  int32_t Thickness(int32_t kind) const;
  int32_t ArrowLength(int32_t kind) const;
  // A press on a bar is being tracked.
  bool Tracking() const { return tracker_ != nullptr; }
  // The bar under the pointer (SB_HORZ, SB_VERT) until the hover timer sees it leave; -1 none.
  int32_t HotKind() const { return hot_.Kind; }

 protected:
  using TacMainWnd::TacMainWnd;
  void Attach(bool update) override;
  void OnDetaching() override;
  std::unique_ptr<TsCommonData> CreateBinding(BindingHost& host) override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;
  // The window's non-client border widths before the bars take their room.
  virtual int32_t FrameOffset() const;
  // Non-client painting besides the bars (the frame ring of edit handlers).
  virtual void PaintFrameRing(HDC /*windowDc*/) {}
  virtual bool OwnNonClientPaint() const { return false; }
  // Drop-down lists take a bar's release themselves.
  virtual bool PassesReleaseOn() const { return true; }
  // Whether a message is one after which the bars are brought up to date.
  static bool ChangesScrolling(UINT msg);

  // A press at a point of the window (window coordinates); true when a bar part took it.
  bool PressBar(TPoint atWindow);
  TPoint CursorInWindow() const;

  ScrollFrame frame_;
  bool leftScrollBar_ = false;
  bool sendingScroll_ = false;

 private:
  struct HotBar {
    int32_t Kind = -1;
    int32_t Part = kPartNone;
    TRect Bar;
  };

  LRESULT OnNcCalcSize(TMessage& message);
  LRESULT OnNcHitTest(TMessage& message);
  LRESULT OnNcPaint(TMessage& message);
  LRESULT OnNcMouseMove(TMessage& message);
  LRESULT OnNcLeftPress(TMessage& message);
  LRESULT OnMouseMove(TMessage& message);
  LRESULT OnLeftRelease(TMessage& message);
  LRESULT OnTimer(TMessage& message);
  LRESULT OnPressLost(TMessage& message);
  LRESULT OnHoverTimer();

  TacScrollBar& BarOf(int32_t kind) { return bars_[kind == SB_VERT ? 1 : 0]; }
  void ReadBar(TacScrollBar& bar);
  bool BarEnabled(const TacScrollBar& bar) const;
  TRect BarRect(int32_t kind) const;
  ThumbLayout ThumbOf(int32_t kind) const;
  int32_t BarAt(TPoint atWindow) const;                 // SB_HORZ, SB_VERT or -1
  int32_t PartUnder(int32_t kind, TPoint atWindow) const;  // kPartNone off the bar
  bool CornerIsGrip() const;
  BackgroundInfo WindowBackground() const;
  void PaintBars(HDC windowDc);
  void DrawBar(HDC windowDc, const ScrollBarSkin& skin, int32_t kind);
  void DrawCorner(HDC windowDc, const ScrollBarSkin& skin);
  // Runs a step of the press: timers, capture, look, then the commands. False
  // when a command freed this handler.
  bool RunStep(int32_t kind, const ScrollTrackStep& step);
  // Sends one scroll command between skin commands 51 and 52. False when it freed this handler.
  bool SendScroll(int32_t kind, const ScrollCommand& command);

  TacScrollBar bars_[2];
  bool frameComputed_ = false;
  std::unique_ptr<ScrollTracker> tracker_;  // while a bar is pressed
  HotBar hot_;
  std::optional<WindowTimer> hoverTimer_;  // while a bar is hot
};
