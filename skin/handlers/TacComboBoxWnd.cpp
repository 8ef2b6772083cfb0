#include "skin/handlers/TacComboBoxWnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/handlers/ClientPaint.h"
#include "skin/render/core/DisabledLook.h"
#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"

namespace {

bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t found[64] = {};
  GetClassNameW(window, found, 64);
  return lstrcmpiW(found, name) == 0;
}

std::wstring ItemText(HWND combo, int index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(index), 0);
  if (length <= 0) return {};
  std::wstring text(size_t(length) + 1, L'\0');
  const LRESULT got = SendMessageW(combo, CB_GETLBTEXT, WPARAM(index), LPARAM(text.data()));
  text.resize(got > 0 ? size_t(got) : 0);
  return text;
}

}  // namespace

// ---- SolidBrush

SolidBrush::~SolidBrush() {
  if (brush_) DeleteObject(brush_);
}

HBRUSH SolidBrush::Of(COLORREF color) {
  if (brush_ && color == color_) return brush_;
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(color);
  color_ = color;
  return brush_;
}

// ---- TacComboBoxWnd

TacComboBoxWnd::~TacComboBoxWnd() { Detach(); }

void TacComboBoxWnd::AfterAttach() {
  TacMainWnd::AfterAttach();
  extended_ = IsClass(Window(), WC_COMBOBOXEXW);
  if (!extended_) return;
  const HWND combo = reinterpret_cast<HWND>(SendMessageW(Window(), CBEM_GETCOMBOCONTROL, 0, 0));
  if (!combo || FindHandler(combo)) return;
  TacHandlerParams inner = params_;
  inner.Control = nullptr;
  inner_ = TacMainWnd::Create<TacComboBoxWnd>(combo, false, inner, Manager());
}

void TacComboBoxWnd::OnDetaching() { overButton_ = false; }

void TacComboBoxWnd::OnDetach() {
  list_.reset();
  inner_.reset();
  if (IsWindow(Window()))
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

ComboWindowPaint TacComboBoxWnd::PaintKind() const {
  if (extended_) return ComboWindowPaint::System;
  return ComboPaintOf(uint32_t(GetWindowLongPtrW(Window(), GWL_STYLE)));
}

ComboLayout TacComboBoxWnd::Layout() const {
  const TSize size = WindowSize();
  ComboLayoutInput in;
  in.Width = size.cx;
  in.Height = size.cy;
  in.SystemScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  const TsSkinManager* m = Manager();
  in.ScrollSize = m ? m->ScrollsOptions.ScrollSize : -1;
  if (m && m->Skin()) in.ComboMargin = m->Skin()->SkinData.ComboMargin;
  in.RightToLeft = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
  return LayoutComboBox(in);
}

ComboStateInput TacComboBoxWnd::StateInput() const {
  const TsCommonData& b = SkinData();
  const HWND focus = GetFocus();
  ComboStateInput s;
  s.Dropped = SendMessageW(Window(), CB_GETDROPPEDSTATE, 0, 0) != 0;
  s.HasFocus = b.HasFocus;
  s.Focused = focus && (focus == Window() || IsChild(Window(), focus) || (list_ && focus == list_->Window()));
  const TsSkinManager* m = Manager();
  const bool hover = b.PointerInside && !(m && m->Options.NoMouseHover);
  s.Active = s.Focused || hover;
  s.PointerInside = hover;
  s.PointerOverButton = hover && overButton_;
  return s;
}

ComboPaintSkin TacComboBoxWnd::PaintSkin() const {
  ComboPaintSkin skin;
  const TsSkinManager* m = Manager();
  if (!m) return skin;
  skin.View = SkinData().PaintView();
  skin.Section = SkinData().SectionIndex;
  if (const LoadedSkin* loaded = m->Skin()) skin.Glyph = loaded->Images.FindMask(loaded->Sections, skin.Section, "GLYPHMASK");
  skin.ComboButton = m->Elements().ComboBtn.SkinIndex;
  skin.Selection = m->Elements().Section("SELECTION");
  return skin;
}

void TacComboBoxWnd::BuildCache() {
  TsCommonData& b = SkinData();
  const std::optional<BackgroundInfo> ready = b.BackgroundForBuild();
  if (!ready) return;
  const BackgroundInfo& bg = *ready;
  if (!b.CachePicture || b.CachePicture->Empty()) return;
  PixelBuffer& cache = *b.CachePicture;
  const ComboLayout layout = Layout();
  const ComboStateInput states = StateInput();
  const TPoint at = b.Host()->PositionInParent();
  PaintBindingSection(b, cache, bg, at, cache.Bounds(), ComboCacheState(states), true);
  if (PaintKind() != ComboWindowPaint::FrameAndButton && !layout.Text.IsEmpty())
    if (!PaintCurrentItem(cache, layout, states)) return;
  PaintComboButton(PaintSkin(), false, layout.Button, cache.Height(), ComboButtonState(states), cache);
  if (!IsWindowEnabled(Window())) ApplyDisabledLook(cache, dkBlended, at, bg, b.Host()->ParentColor());
  b.CacheStale = false;
}

bool TacComboBoxWnd::PaintCurrentItem(PixelBuffer& cache, const ComboLayout& layout, const ComboStateInput& states) {
  PixelBuffer item(layout.Text.Width(), layout.Text.Height());
  CopyPixels(item, {0, 0}, cache, layout.Text);
  // The system draws its text with GDI, which leaves the alpha of what it touched at 0.
  GreyBuffer alpha;
  MarkTextArea(item, item.Bounds(), alpha);
  if (PaintKind() == ComboWindowPaint::WholeByOwner) {
    const std::weak_ptr<const void> alive = LifeToken();
    const bool drawn = OwnerDrawsItem(item, states);
    if (alive.expired()) return false;
    if (!drawn) return true;
  } else {
    DrawItemText(item, states, ComboItemAsSelection(true, states.Focused, false));
  }
  RestoreTextAlpha(item, item.Bounds(), alpha);
  CopyPixels(cache, {layout.Text.Left, layout.Text.Top}, item, item.Bounds());
  return true;
}

void TacComboBoxWnd::DrawItemText(PixelBuffer& item, const ComboStateInput& states, bool selection) {
  const TsSkinManager* m = Manager();
  if (!m || !m->Skin()) return;
  const TsSkinColors& colors = m->Skin()->Colors;
  const ComboPaintSkin skin = PaintSkin();
  TColor font = EditFontColor(colors);
  if (selection) {
    font = SelectionFontColor(colors, true);
    if (PaintComboSelection(skin, SelectionColor(colors, true), item))
      font = skin.View.Section(skin.Selection)->Props[1].TextColor;
  } else if (const TsGenState* own = SkinData().StateRecord(ComboEditItemState(states))) {
    font = own->TextColor;
  }
  const int index = int(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
  if (index < 0) return;
  const std::wstring text = ItemText(Window(), index);
  HDC dc = BufferDc(item);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ResolveColor(font));
  const bool rtl = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  RECT r{kComboItemTextInset, 0, item.Width() - kComboItemTextInset, item.Height()};
  const UINT flags = ComboItemTextFlags(TAlignment::taLeftJustify, TVerticalAlignment::taVerticalCenter, rtl);
  DrawTextW(dc, text.c_str(), int(text.size()), &r, flags | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
  GdiFlush();
}

bool TacComboBoxWnd::OwnerDrawsItem(PixelBuffer& item, const ComboStateInput& states) {
  const HWND window = Window(), owner = GetParent(window);
  if (!owner) return false;
  const int index = int(SendMessageW(window, CB_GETCURSEL, 0, 0));
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_COMBOBOX;
  draw.CtlID = UINT(GetDlgCtrlID(window));
  draw.itemID = index >= 0 ? UINT(index) : UINT(-1);
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = ODS_COMBOBOXEDIT;
  if (states.Focused) draw.itemState |= ODS_SELECTED | ODS_FOCUS;
  if (!IsWindowEnabled(window)) draw.itemState |= ODS_DISABLED;
  draw.hwndItem = window;
  draw.hDC = BufferDc(item);
  draw.rcItem = {0, 0, item.Width(), item.Height()};
  draw.itemData = index >= 0 ? ULONG_PTR(SendMessageW(window, CB_GETITEMDATA, WPARAM(index), 0)) : 0;
  SendMessageW(owner, WM_DRAWITEM, draw.CtlID, LPARAM(&draw));  // last: the owner may free this handler
  GdiFlush();
  return true;
}

void TacComboBoxWnd::ShowPicture(HDC dc) {
  TsCommonData& b = SkinData();
  const TSize size = WindowSize();
  if (b.CacheStale || !b.CachePicture || b.CachePicture->Width() != size.cx || b.CachePicture->Height() != size.cy) {
    const std::weak_ptr<const void> alive = LifeToken();
    BuildCache();
    if (alive.expired()) return;
  }
  if (b.PaintSuspended || b.CacheStale || !b.CachePicture) return;
  const PixelBuffer& picture = *b.CachePicture;
  const int saved = SaveDC(dc);
  if (PaintKind() == ComboWindowPaint::FrameAndButton) {
    // The edit shows the text; the picture goes around it.
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      RECT r{};
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  BitBlt(dc, 0, 0, picture.Width(), picture.Height(), BufferDc(picture), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

void TacComboBoxWnd::RepaintNow() {
  const HWND window = Window();
  if (PaintKind() == ComboWindowPaint::System || !IsWindowVisible(window)) return;
  SkinData().CacheStale = true;
  if (HDC dc = GetDC(window)) {
    ShowPicture(dc);
    ReleaseDC(window, dc);
  }
}

bool TacComboBoxWnd::MayDrawOver(UINT msg) {
  switch (msg) {
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_MOUSEWHEEL: case WM_CAPTURECHANGED:
    case WM_ENABLE: case WM_SETFONT: case WM_SETTEXT: case WM_COMMAND: case CB_SETCURSEL: case CB_SELECTSTRING:
    case CB_RESETCONTENT: case CB_DELETESTRING: case CB_SHOWDROPDOWN: case CB_SETITEMDATA:
      return true;
    default: return false;
  }
}

LRESULT TacComboBoxWnd::HandleMessage(TMessage& m) {
  if (!SkinActive() || extended_) return TacMainWnd::HandleMessage(m);
  const ComboWindowPaint kind = PaintKind();
  switch (m.Msg) {
    case WM_CTLCOLOREDIT: return OnEditColors(m);
    case WM_CTLCOLORLISTBOX: return OnListColors(m);
    default: break;
  }
  if (kind != ComboWindowPaint::System) {
    switch (m.Msg) {
      case WM_PAINT:
      case WM_PRINTCLIENT: return OnPaint(m);
      case WM_ERASEBKGND: return m.Result = 1;
      case WM_MOUSEMOVE: return OnMouseMove(m);
      default: break;
    }
  }
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (alive.expired() || Detached()) return result;
  if (m.Msg == WM_SIZE) SkinData().CacheStale = true;
  if (MayDrawOver(m.Msg)) RepaintNow();
  return result;
}

LRESULT TacComboBoxWnd::OnPaint(TMessage& m) {
  if (SkinData().StateFlags & kStateUpdating) {
    if (m.Msg == WM_PAINT) ValidateRect(Window(), nullptr);
    return 0;
  }
  return PaintClient(Window(), m, [this](HDC dc) { ShowPicture(dc); });
}

LRESULT TacComboBoxWnd::OnMouseMove(TMessage& m) {
  const TPoint at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TRect button = Layout().Button;
  button = {button.Left - 1, button.Top - 1, button.Right + 1, button.Bottom + 1};
  const bool over = Contains(button, at);
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacMainWnd::HandleMessage(m);  // makes the window the hot one
  if (alive.expired() || Detached()) return result;
  if (over != overButton_) {
    overButton_ = over;
    RepaintNow();
  }
  return result;
}

void TacComboBoxWnd::PointerChanged(bool inside) {
  TsCommonData& b = SkinData();
  if (!inside) overButton_ = false;
  if (b.PointerInside == inside) return;
  b.PointerInside = inside;
  RepaintNow();
}

LRESULT TacComboBoxWnd::OnEditColors(TMessage& m) {
  const TsCommonData& b = SkinData();
  if (b.CustomColor()) return PassOn(m);
  const int32_t state = ComboEditItemState(StateInput());
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const COLORREF fill = ResolveColor(b.ControlColor(state));
  if (const TsGenState* record = b.StateRecord(state); record && !b.CustomFont()) SetTextColor(dc, ResolveColor(record->TextColor));
  SetBkColor(dc, fill);
  return m.Result = reinterpret_cast<LRESULT>(editBrush_.Of(fill));
}

LRESULT TacComboBoxWnd::OnListColors(TMessage& m) {
  const HWND list = reinterpret_cast<HWND>(m.LParam);
  if (PaintKind() != ComboWindowPaint::System && (!list_ || list_->Detached() || list_->Window() != list)) {
    const std::weak_ptr<const void> alive = LifeToken();
    AttachList(list);
    if (alive.expired()) return 0;
  }
  if (!list_ || list_->Detached() || SkinData().CustomColor()) return PassOn(m);
  const TsCommonData& lb = list_->SkinData();
  const int32_t state = list_->ColorState();
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const COLORREF fill = ResolveColor(lb.ControlColor(state));
  if (const TsGenState* record = lb.StateRecord(state); record && !lb.CustomFont()) SetTextColor(dc, ResolveColor(record->TextColor));
  SetBkColor(dc, fill);
  return m.Result = reinterpret_cast<LRESULT>(listBrush_.Of(fill));
}

void TacComboBoxWnd::AttachList(HWND list) {
  // A list that something else skins already is left to it.
  if (!list || !IsWindow(list) || attachingList_ || (FindHandler(list) && FindHandler(list) != list_.get())) return;
  list_.reset();
  TacHandlerParams params;
  params.Section = "EDIT";
  params.DialogMode = DialogMode();
  // Attaching recomputes the list's frame, and the list asks for its colours again meanwhile.
  attachingList_ = true;
  list_ = TacMainWnd::Create<TacComboListWnd>(list, true, params, Manager());
  attachingList_ = false;
}

std::optional<LRESULT> TacComboBoxWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_MOUSEENTER:
      PointerChanged(true);
      return 0;
    case AC_MOUSELEAVE:
      PointerChanged(false);
      return 0;
    case AC_DROPPEDDOWN: return SendMessageW(Window(), CB_GETDROPPEDSTATE, 0, 0) != 0 ? 1 : 0;
    case AC_SETNEWSKIN: {
      const HWND list = list_ ? list_->Window() : nullptr;
      const std::weak_ptr<const void> alive = LifeToken();
      const std::optional<LRESULT> answer = TacMainWnd::OnSkinCommand(command, m);
      if (alive.expired()) return answer;
      if (list && IsWindow(list)) SendMessageW(list, kSkinMessage, m.WParam, m.LParam);
      return answer;
    }
    default: return TacMainWnd::OnSkinCommand(command, m);
  }
}
