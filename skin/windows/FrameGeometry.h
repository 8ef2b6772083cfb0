#pragma once
// Geometry of a skinned form's frame, apart from windows and pixels: the frame
// measures in both frame modes, the size of the frame cache and where the
// client area lies in it, the title layout (icon, caption centre line, title
// buttons), the placement of the border window and the maximized placement.
// The window side gathers FrameInputs from the system once; everything here is
// a pure function of them and of the skin's (bounded) values.
//
// Extended-border mode, frame cache from top to bottom and left to right:
//
//   +--------------------------------------------+  margin T (shadow)
//   |   +------------------------------------+   |
//   |   | caption CH (includes the top line) |   |
//   |   +------------------------------------+   |  menu bar (lines x menu height)
//   | L |FW|        client area          |FW| R |
//   |   +------------------------------------+   |  bottom frame FW
//   +--------------------------------------------+  margin B
#include <array>
#include <cstdint>
#include <vector>

#include "skin/render/core/Geometry.h"

class TsSkinData;

enum class FrameMode { InFrame, ExtendedBorder };
enum class GlyphSet { Big, Small };

// The skin numbers the frame uses, each bounded so that no skin can make the
// geometry overflow or the caches explode.
struct FrameSkinValues {
  int32_t BorderWidth = 4;   // BORDERWIDTH, 0..64
  int32_t TitleHeight = 30;  // TITLEHEIGHT, 0..255
  int32_t MaxHeight = 30;    // MAXHEIGHT, 0..255
  int32_t CenterOffset = 0;  // CENTEROFFSET, -64..64
  int32_t BILeft = 0, BIRight = 0, BITop = 0, BISpace = 0;  // -64..64 each
  bool BIVAlign = false;     // BIVALIGN = 1
  int32_t BorderMode = 0;    // BORDERMODE
  // ALIGNOFFSET, ALIGNOFFSETT, ALIGNOFFSETR, ALIGNOFFSETB (-64..64): with BORDERMODE 1
  // they move the sizing edges of the border window outward from the margins.
  int32_t AlignOffset = 0, AlignOffsetT = 0, AlignOffsetR = 0, AlignOffsetB = 0;
  // The manager's extended-border margins (shadow widths), 0..255 each.
  int32_t MarginL = 0, MarginT = 0, MarginR = 0, MarginB = 0;
};
inline constexpr int32_t kMaxSkinFrameWidth = 64;
inline constexpr int32_t kMaxSkinCaptionHeight = 255;
inline constexpr int32_t kMaxSkinOffset = 64;
inline constexpr int32_t kMaxSkinMargin = 255;

// The values of a loaded skin's global information and the manager's margins, bounded.
FrameSkinValues FrameSkinValuesOf(const TsSkinData& data, int32_t marginL, int32_t marginT, int32_t marginR,
                                  int32_t marginB);

// What the window side reads from the system for one layout.
struct FrameInputs {
  FrameMode Mode = FrameMode::InFrame;
  TSize Window;           // the real window's size
  TSize Client;           // the real client area's size (scroll bars included)
  TPoint ClientInWindow;  // the client area's top-left corner relative to the window's
  // System measures: frame width of this window's style (sizing or dialog
  // frame, 0 without a border), caption height (small for tool windows), menu bar height.
  int32_t SystemFrame = 4;
  int32_t SystemCaption = 19;
  int32_t SystemMenuHeight = 19;
  int32_t MenuLines = 0;       // lines of the main menu bar, 0 without one
  int32_t BorderWidth = 0;     // the form's own inner border width
  bool HasCaption = true;      // the window has the caption style (or is iconic)
  bool HasBorder = true;       // border style single, sizeable, dialog or tool window
  bool Sizeable = false;       // sizing frame
  bool Maximized = false;
  bool Iconic = false;
  bool IsMainForm = true;      // the application's main form (iconic frames keep their width)
  // The size grip's picture (GRIPIMAGE); 0 x 0 without a grip (GripMode none or no picture).
  TSize GripSize;
};

// Frame measures of one layout (pixels).
struct FrameMeasures {
  int32_t FW = 0;            // frame width
  int32_t SystemFW = 0;      // the real window's frame width
  int32_t CH = 0;            // caption height
  int32_t SystemCH = 0;      // the real window's caption height
  int32_t MenuHeight = 0;    // (system menu height - 1) x lines
  int32_t L = 0, T = 0, R = 0, B = 0;  // margins (extended-border mode only)
  TSize Cache;               // frame-cache size
  TPoint ClientOrigin;       // client area's top-left corner in the cache
  TRect Grip;                // the size grip in the cache's client corner; empty without one
};

FrameMeasures MeasureFrame(const FrameInputs& in, const FrameSkinValues& skin);

// Title buttons in placement order; the index is also their slot in TitleLayout.
enum class TitleButton { Close, Maximize, Minimize, Help };
inline constexpr int kTitleButtonCount = 4;

// Hit codes of the frame (the system's non-client codes, plus outside).
enum FrameHit : int32_t {
  kFrameHitOutside = -2,  // not part of the frame: the point belongs to the window below
  kFrameHitNowhere = 0,
  kFrameHitClient = 1,
  kFrameHitCaption = 2,
  kFrameHitSysMenu = 3,
  kFrameHitMenu = 5,
  kFrameHitMinButton = 8,
  kFrameHitMaxButton = 9,
  kFrameHitLeft = 10,
  kFrameHitRight = 11,
  kFrameHitTop = 12,
  kFrameHitTopLeft = 13,
  kFrameHitTopRight = 14,
  kFrameHitBottom = 15,
  kFrameHitBottomLeft = 16,
  kFrameHitBottomRight = 17,
  kFrameHitBorder = 18,
  kFrameHitObject = 19,
  kFrameHitClose = 20,
  kFrameHitHelp = 21,
  kFrameHitUserButton = 1000,  // the first user title button; the others follow by their index
};
// User title buttons beyond this count are not laid out (their codes would leave the range).
inline constexpr int32_t kMaxUserTitleButtons = 101;
// The hit code each title button answers.
int32_t HitCodeOf(TitleButton button);
// Whether a hit code is a title button's (built-in or user).
bool IsTitleButtonCode(int32_t code);
// The index of a user title button's code, -1 for other codes.
int32_t UserButtonIndexOf(int32_t code);

// A user title button as the layout sees it.
struct UserTitleButtonInput {
  bool Visible = true;
  int32_t GlyphWidth = 0;       // its own glyph bitmap's width, 0 without one
  int32_t BackgroundWidth = 0;  // the skin's "TITLEBUTTON" picture (one state), 0 when not used
};

// Which title buttons the form shows and how big their glyphs are.
struct TitleButtonsInput {
  bool SystemMenu = true;  // biSystemMenu: without it no built-in button at all
  bool VisibleMax = false;
  bool VisibleMin = false;
  bool Help = false;       // biHelp
  GlyphSet Glyphs = GlyphSet::Big;
  // Glyph sizes of one state picture; 0 (missing glyph) measures 21.
  std::array<TSize, kTitleButtonCount> GlyphSize{};
  std::vector<UserTitleButtonInput> UserButtons;  // in collection order
  // The icon: shown when the border style is single or sizeable, ShowAppIcon and the window has a system menu.
  bool ShowIcon = false;
  TSize IconSize;   // TitleIcon Width and Height; 0 derives them from the caption height
  TSize IconGlyph;  // the TitleIcon glyph's size, whose aspect a derived width keeps; 0 x 0: the square form icon
};

inline constexpr int32_t kMissingGlyphSize = 21;

struct TitleLayout {
  int32_t CaptionBottom = 0;
  int32_t CenterLine = 0;     // y of the caption's centre line
  int32_t AlignedTop = 0;     // top of big buttons when BIVALIGN is 1
  TRect Icon;                 // empty (right = left) without icon
  std::array<TRect, kTitleButtonCount> Buttons{};  // empty when not shown
  std::vector<TRect> UserButtons;                  // by collection index; empty when not shown
  // Rows cut off the top of the glyphs when they are taller than the caption
  // band: the buttons keep inside the band and their glyphs stay centred.
  int32_t GlyphCrop = 0;
  int32_t ButtonsWidth = 0;   // the buttons area: BIRIGHT + widths and gaps
  TRect CaptionText;          // where the caption text may go (before measuring it)
};

// captionSection: the skin has a "CAPTION" section (the text moves 2 pixels right).
TitleLayout LayoutTitle(const FrameMeasures& m, const FrameInputs& in, const FrameSkinValues& skin,
                        const TitleButtonsInput& buttons, bool captionSection = false);

// Where the caption's texts go inside the text rectangle: the main caption
// (its measured size; 0 x 0 when not shown) and the added title after it.
enum class CaptionAlign { Left, Right, Center };
struct CaptionTexts {
  TSize Main;   // measured main caption
  TSize Added;  // measured added title; 0 x 0 without one
};
struct CaptionPlacement {
  TRect Main;   // empty when the main caption is not shown
  TRect Added;  // empty without an added title
};
// Right-to-left forms mirror left and right alignment. A main caption wider
// than its room keeps the room (the text ends with an ellipsis there).
CaptionPlacement PlaceCaption(const TRect& textRect, int32_t centerLine, const CaptionTexts& texts,
                              CaptionAlign align, bool rightToLeft);
// The gap between the main caption and the added title, and the added title's extra width.
inline constexpr int32_t kAddedTitleGap = 4;

// The area behind the title buttons saved at full paint, in cache coordinates:
// restoring it lets one button be redrawn without the rest of the frame.
TRect ButtonsBackgroundRect(const FrameMeasures& m, const TitleLayout& layout);

// The title button under a cache point, as its hit code; 0 for none.
int32_t TitleButtonAt(const TitleLayout& layout, TPoint cachePoint);
// The rectangle of a title button's hit code (empty for other codes and hidden buttons).
TRect TitleButtonRect(const TitleLayout& layout, int32_t code);

// Where a left click on the icon pops the system menu up: just below the
// icon at the window's left edge (window: the real window's screen rectangle).
TPoint IconMenuPoint(const TRect& window, const FrameMeasures& m, FrameMode mode, int32_t borderWidth,
                     const TitleLayout& layout);

// The bottom-right sizing code where a window point lies right of and below
// the size grip's top-left corner (inside the window), else 0.
int32_t SizeGripHit(const FrameMeasures& m, const FrameInputs& in, TPoint windowPoint);

// In-frame mode: the hit code of a window point (window coordinates = cache coordinates).
int32_t InFrameHitTest(const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout, TPoint point);

// Extended-border mode: the border window's hit code of a point relative to
// it (cache coordinates): kFrameHitOutside where the point belongs to the window
// below, kFrameHitClient in the client area (the real window's, seen through the
// region's hole), kFrameHitNowhere on frame parts that do nothing.
int32_t BorderHitTest(const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout,
                      const FrameSkinValues& skin, TPoint point);
// Whether a point relative to the border window lies outside the frame: the
// rectangle inside the margins grown by max(6, BORDERWIDTH) on each side; with
// BORDERMODE 1 the rectangle of the align offsets around the margins.
bool OutsideFrame(const FrameMeasures& m, const FrameInputs& in, const FrameSkinValues& skin, TPoint point);

// The border window: its position relative to the real window and its region.
struct BorderPlacement {
  TPoint Offset;  // border window's top-left corner minus the real window's
  TSize Size;     // the frame cache's size
  TRect Outer;    // the region's outer rectangle (border-window coordinates)
  TRect Hole;     // the client area and menu bar, cut out of the region
};
BorderPlacement PlaceBorderWindow(const FrameMeasures& m, const FrameInputs& in);

// The real window's region in extended-border mode (window coordinates):
// exactly its client area and menu bar.
TRect ExtendedWindowRegion(const FrameInputs& in, int32_t menuHeight);

// The maximized position and size for a work area (min/max information).
struct MaximizedPlacement {
  TPoint Position;
  TSize Size;
};
MaximizedPlacement PlaceMaximized(const TRect& workArea, FrameMode mode, bool hasCaption, int32_t systemFrame,
                                  int32_t systemCaption, const FrameSkinValues& skin);
