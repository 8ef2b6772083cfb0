#include "skin/controls/sComboBox.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/ComboBoxPainter.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/StoredDisabledKind.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"
#include "toolkit/FormReader.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/Messages.h"

namespace {

bool Contains(const TRect& r, POINT p) { return p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom; }

bool CursorOver(HWND window) {
  POINT p{};
  RECT r{};
  GetCursorPos(&p);
  GetWindowRect(window, &r);
  return PtInRect(&r, p) != 0;
}

// Keys a read-only combo box does not let change its selection: space, page and arrow keys, home, end, 9, letters, F4.
bool SelectionKey(WPARAM key) { return (key >= 0x20 && key <= 0x28) || key == 0x39 || (key >= 'A' && key <= 'Z') || key == VK_F4; }

}  // namespace

TsComboBox::TsComboBox(TComponent* owner) : TComboBox(owner), SkinnedControl(SkinData) {
  DropDownCount = 16;
  SkinData.ControlKind = kKindComboBox;
}

TsComboBox::~TsComboBox() {
  if (listWindow_ && IsWindow(listWindow_)) {
    const LONG_PTR style = GetWindowLongPtrW(listWindow_, GWL_STYLE);
    SetWindowLongPtrW(listWindow_, GWL_STYLE, (style & ~LONG_PTR(WS_THICKFRAME)) | WS_BORDER);
  }
  listHandler_.reset();
  if (TsSkinManager* m = SkinData.Manager(); m && m->HotControl() == bindingHost_.HotToken()) m->SetHotControl(nullptr);
}

void TsComboBox::Loaded() {
  TComboBox::Loaded();
  SkinData.FinishLoading();
}

void TsComboBox::CreateParams(TCreateParams& params) {
  TComboBox::CreateParams(params);
  // Every item, the current one included, is drawn here.
  params.Style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
}

void TsComboBox::WindowCreated() {
  TComboBox::WindowCreated();
  SendMessageW(WindowHandle(), CB_SETMINVISIBLE, WPARAM(DropDownCount), 0);
}

void TsComboBox::SetDropDownCount(int count) {
  // The list's height grows with the count: a stored value is held to what a list can show.
  count = std::clamp(count, 1, kMaxDropDownCount);
  if (count == DropDownCount) return;
  DropDownCount = count;
  if (HandleAllocated()) SendMessageW(WindowHandle(), CB_SETMINVISIBLE, WPARAM(count), 0);
}

void TsComboBox::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  SkinData.RepaintHost(false);
}

void TsComboBox::SetVerticalAlignment(TVerticalAlignment value) {
  if (value == verticalAlignment_) return;
  verticalAlignment_ = value;
  SkinData.CacheStale = true;
  Invalidate();
}

void TsComboBox::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  SkinData.RepaintHost(false);
}

bool TsComboBox::ButtonLook() const { return ComboButtonLook(true, !SkinData.SkinSection().empty()); }

ComboLayout TsComboBox::Layout() const {
  ComboLayoutInput in;
  in.Width = Width();
  in.Height = Height();
  in.SystemScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  const TsSkinManager* m = SkinData.Manager();
  in.ScrollSize = m ? m->ScrollsOptions.ScrollSize : -1;
  if (m && m->Skin()) in.ComboMargin = m->Skin()->SkinData.ComboMargin;
  in.ShowButton = showButton_;
  return LayoutComboBox(in);
}

ComboStateInput TsComboBox::StateInput() const {
  ComboStateInput s;
  s.ButtonLook = ButtonLook();
  s.Dropped = dropped_;
  s.Active = SkinData.IsActive();
  s.HasFocus = SkinData.HasFocus;
  const HWND focus = GetFocus();
  s.Focused = s.HasFocus || (focus && (focus == WindowHandle() || focus == listWindow_));
  s.PointerInside = SkinData.PointerInside;
  s.PointerOverButton = pointer_ == TacComboPointer::OverButton;
  return s;
}

bool TsComboBox::PointerOverButton() const {
  if (!HandleAllocated()) return false;
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(WindowHandle(), &p);
  TRect b = Layout().Button;
  b = {b.Left - 1, b.Top - 1, b.Right + 1, b.Bottom + 1};
  return Contains(b, p);
}

void TsComboBox::ApplyStateChange(TacComboTarget target) {
  SkinData.PointerInside = target != TacComboTarget::PointerAway;
  switch (target) {
    case TacComboTarget::PointerOverButton: pointer_ = TacComboPointer::OverButton; break;
    case TacComboTarget::ListOpened: pointer_ = TacComboPointer::ListOpen; break;
    default: pointer_ = TacComboPointer::None; break;
  }
  SkinData.CacheStale = true;
  RedrawPicture();
}

void TsComboBox::RedrawPicture() {
  if (!HandleAllocated() || SkinApplying() || Loading()) return;
  RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_INVALIDATE);
}

// ---- The closed picture

bool TsComboBox::BuildCache() {
  const BackgroundInfo bg = SkinData.ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) return false;
  SkinData.PrepareCache();
  PixelBuffer& cache = *SkinData.CachePicture;
  if (cache.Empty()) return false;
  const ComboLayout layout = Layout();
  const ComboStateInput states = StateInput();
  const TPoint at{Left(), Top()};
  PaintBindingSection(SkinData, cache, bg, at, cache.Bounds(), ComboCacheState(states), true);
  UINT itemState = ODS_COMBOBOXEDIT;
  if (states.Focused) itemState |= ODS_SELECTED | ODS_FOCUS;
  if (!layout.Text.IsEmpty()) {
    const PixelBuffer item = ComposeItem(ItemIndex(), layout.Text, itemState, true);
    CopyPixels(cache, {layout.Text.Left, layout.Text.Top}, item, item.Bounds());
  }
  if (showButton_) PaintComboButton(PaintSkin(), ButtonLook(), layout.Button, Height(), ComboButtonState(states), cache);
  if (!Enabled()) ApplyDisabledLook(cache, disabledKind_, at, bg, bindingHost_.ParentColor());
  SkinData.CacheStale = false;
  return true;
}

ComboPaintSkin TsComboBox::PaintSkin() const {
  ComboPaintSkin skin;
  const TsSkinManager* m = SkinData.Manager();
  if (!m) return skin;
  skin.View = SkinData.PaintView();
  skin.Section = SkinData.SectionIndex;
  if (const LoadedSkin* loaded = m->Skin()) skin.Glyph = loaded->Images.FindMask(loaded->Sections, skin.Section, "GLYPHMASK");
  skin.ComboButton = m->Elements().ComboBtn.SkinIndex;
  skin.Selection = m->Elements().Section("SELECTION");
  return skin;
}

PixelBuffer TsComboBox::ComposeItem(int index, const TRect& rect, UINT itemState, bool editPart) {
  PixelBuffer item(rect.Width(), rect.Height());
  const TsSkinManager* m = SkinData.Manager();
  if (item.Empty() || !m || !m->Skin()) return item;
  const TsSkinColors& colors = m->Skin()->Colors;
  const ComboPaintSkin skin = PaintSkin();
  const int32_t t = editPart ? ComboEditItemState(StateInput()) : 0;
  if (editPart && SkinData.CachePicture) CopyPixels(item, {0, 0}, *SkinData.CachePicture, rect);
  const bool asSelection = ComboItemAsSelection(editPart, (itemState & ODS_SELECTED) != 0, ButtonLook());
  bool selectionSection = false;
  TColor font;
  // A list item lies on the list's colour; a selection that is partly transparent shows it.
  if (!editPart) SolidFill(item, item.Bounds(), ResolveColor(SkinData.CustomColor() ? Color() : EditColor(colors)));
  if (asSelection) {
    selectionSection = PaintComboSelection(skin, SelectionColor(colors, true), item);
    font = SelectionFontColor(colors, true);
  } else {
    const TsGenState* own = SkinData.StateRecord(t);
    if (SkinData.CustomFont()) font = Font.Color;
    else font = editPart && own ? own->TextColor : EditFontColor(colors);
  }
  // An owner-drawing handler draws the item itself, over the background laid down above.
  const bool validIndex = index >= 0 && index < Items.Count();
  if (OnDrawItem && Style == TComboBoxStyle::csOwnerDrawFixed && validIndex) {
    HDC dc = BufferDc(item);
    POINT old;
    SetViewportOrgEx(dc, -rect.Left, -rect.Top, &old);
    OnDrawItem(this, index, RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}, itemState, dc);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    GdiFlush();
    return item;
  }
  if (validIndex) {
    const TRect text{kComboItemTextInset, 0, item.Width() - kComboItemTextInset, item.Height()};
    const uint32_t flags = ComboItemTextFlags(alignment_, verticalAlignment_, false);
    TPictureTextCanvas canvas(item, Font.Handle());
    // The selection's colours are the selection section's; every other item keeps the font colour worked out above.
    if (selectionSection) {
      WriteSectionText(canvas, Items[index], true, m, 1, skin.Selection, flags, text);
    } else {
      canvas.SetTransparentBackground();
      canvas.SetTextColor(font);
      canvas.WriteText(Items[index], text, flags);
    }
  }
  if ((itemState & ODS_FOCUS) && !selectionSection && !ButtonLook()) {
    const RECT all{0, 0, item.Width(), item.Height()};
    DrawFocusRect(BufferDc(item), &all);
  }
  GdiFlush();
  return item;
}

bool TsComboBox::CacheReady() {
  // An owner-drawing handler may draw something else every time.
  const bool ownerDrawn = OnDrawItem && Style == TComboBoxStyle::csOwnerDrawFixed;
  return CachedPictureReady(*this, SkinData, ownerDrawn, [this] { return BuildCache(); });
}

void TsComboBox::PaintClosed(HDC dc) {
  if (!CacheReady()) return;
  const PixelBuffer& cache = *SkinData.CachePicture;
  BitBlt(dc, 0, 0, cache.Width(), cache.Height(), BufferDc(cache), 0, 0, SRCCOPY);
}

// ---- Messages

LRESULT TsComboBox::PassOn(TMessage& m) {
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  return TComboBox::WndProc(m);
}

bool TsComboBox::ReadOnlySwallows(const TMessage& m) {
  if (!ReadOnly) return false;
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return SelectionKey(m.WParam);
    case WM_CHAR:
    case WM_MOUSEWHEEL: return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus();
      return true;
    case CN_COMMAND: return NotifyCodeOf(m) == CBN_DROPDOWN;
    default: return false;
  }
}

LRESULT TsComboBox::WndProc(TMessage& m) {
  if (ReadOnlySwallows(m)) return 0;
  if (m.Msg == kSkinMessage) return OnSkinMessage(m);
  SkinData.CatchUpWithSkin();
  if (!Skinned() || !HandleAllocated()) return TComboBox::WndProc(m);
  switch (m.Msg) {
    case WM_PAINT: return OnPaint(m);
    case WM_PRINT:
    case WM_PRINTCLIENT: return OnPaint(m);
    case WM_ERASEBKGND: return 1;
    case WM_NCPAINT: return SkinApplying() ? TComboBox::WndProc(m) : 0;
    case CN_DRAWITEM: return OnItemDraw(m);
    case CN_COMMAND: return OnCommand(m);
    case WM_SETFOCUS: return OnFocusChange(m, true);
    case WM_KILLFOCUS: return OnFocusChange(m, false);
    case CM_MOUSEENTER: return OnMouseEnter(m);
    case CM_MOUSELEAVE: return OnMouseLeave(m);
    case WM_MOUSEMOVE: return OnMouseMove(m);
    case WM_CTLCOLORLISTBOX: return OnListColors(m);
    case CM_COLORCHANGED:
    case CM_MOUSEWHEEL: SkinData.CacheStale = true; break;
    default: break;
  }
  const LRESULT result = PassOn(m);
  switch (m.Msg) {
    case CB_SETCURSEL:
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case WM_ENABLE:
      if (!(SkinData.StateFlags & kStateSettingColors)) {
        SkinData.CacheStale = true;
        RedrawPicture();
      }
      break;
    default: break;
  }
  return result;
}

LRESULT TsComboBox::OnPaint(TMessage& m) {
  if (SkinApplying() || (SkinData.StateFlags & kStateUpdating) || !Showing()) {
    if (m.Msg == WM_PAINT) ValidateRect(WindowHandle(), nullptr);
    return 0;
  }
  if (HDC given = reinterpret_cast<HDC>(m.WParam)) {
    PaintClosed(given);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(WindowHandle(), &ps);
  PaintClosed(dc);
  EndPaint(WindowHandle(), &ps);
  return 0;
}

LRESULT TsComboBox::OnItemDraw(TMessage& m) {
  const DRAWITEMSTRUCT& item = DrawItemOf(m);
  if (item.itemState & ODS_COMBOBOXEDIT) {
    // The system redraws the current item after a change of selection or
    // focus, clipped to it: the whole picture is built anew and shown instead.
    SkinData.CacheStale = true;
    if (HDC dc = GetDC(WindowHandle())) {
      PaintClosed(dc);
      ReleaseDC(WindowHandle(), dc);
    }
    return m.Result = TRUE;
  }
  const RECT& r = item.rcItem;
  const PixelBuffer picture = ComposeItem(int(item.itemID), {r.left, r.top, r.right, r.bottom}, item.itemState, false);
  if (!picture.Empty()) BitBlt(item.hDC, r.left, r.top, picture.Width(), picture.Height(), BufferDc(picture), 0, 0, SRCCOPY);
  return m.Result = TRUE;
}

LRESULT TsComboBox::OnCommand(TMessage& m) {
  switch (NotifyCodeOf(m)) {
    case CBN_DROPDOWN:
      dropped_ = true;
      ApplyStateChange(TacComboTarget::ListOpened);
      return PassOn(m);
    case CBN_CLOSEUP: {
      const LRESULT result = PassOn(m);
      dropped_ = false;
      if (!CursorOver(WindowHandle())) ApplyStateChange(TacComboTarget::PointerAway);
      else ApplyStateChange(PointerOverButton() ? TacComboTarget::PointerOverButton : TacComboTarget::PointerOver);
      return result;
    }
    case CBN_SELCHANGE: {
      const LRESULT result = PassOn(m);
      SkinData.CacheStale = true;
      RedrawPicture();
      return result;
    }
    default: return PassOn(m);
  }
}

LRESULT TsComboBox::OnFocusChange(TMessage& m, bool gained) {
  if (changingFocus_ || (gained && !CanFocus())) return PassOn(m);
  changingFocus_ = true;
  SkinData.HasFocus = gained;
  SkinData.CacheStale = true;
  const LRESULT result = PassOn(m);
  changingFocus_ = false;
  RedrawPicture();
  return result;
}

LRESULT TsComboBox::OnMouseEnter(TMessage& m) {
  if (dropped_ || SkinData.PointerInside) return TComboBox::WndProc(m);
  if (TsSkinManager* manager = SkinData.Manager()) manager->SetHotControl(bindingHost_.HotToken());
  ApplyStateChange(PointerOverButton() ? TacComboTarget::PointerOverButton : TacComboTarget::PointerOver);
  return 0;
}

LRESULT TsComboBox::OnMouseLeave(TMessage& m) {
  if (dropped_) return TComboBox::WndProc(m);
  if (CursorOver(WindowHandle()) || !SkinData.PointerInside) return 0;
  ApplyStateChange(TacComboTarget::PointerAway);
  return 0;
}

LRESULT TsComboBox::OnMouseMove(TMessage& m) {
  const LRESULT result = PassOn(m);
  if (dropped_ || ButtonLook() || !SkinData.PointerInside) return result;
  const bool over = PointerOverButton();
  if (over != (pointer_ == TacComboPointer::OverButton))
    ApplyStateChange(over ? TacComboTarget::PointerOverButton : TacComboTarget::PointerOver);
  return result;
}

LRESULT TsComboBox::OnListColors(TMessage& m) {
  // A re-created window brings a new list; the handler of the old one went with it.
  const HWND list = reinterpret_cast<HWND>(m.LParam);
  if (!Loading() && (!listHandler_ || listHandler_->Detached() || listHandler_->Window() != list))
    AttachListHandler(list);
  return PassOn(m);
}

void TsComboBox::AttachListHandler(HWND list) {
  if (!list || !IsWindow(list) || attachingList_) return;
  listHandler_.reset();
  listWindow_ = list;
  TacHandlerParams params;
  params.Section = "EDIT";
  // Attaching recomputes the list's frame, and the list asks for its colours again meanwhile.
  attachingList_ = true;
  listHandler_ = TacMainWnd::Create<TacComboListWnd>(list, true, params, SkinData.SkinManagerProperty());
  // The skinned frame instead of the system's; a list narrower than the control is widened to line up with it.
  RECT r{};
  GetWindowRect(list, &r);
  SetWindowPos(list, nullptr, 0, 0, std::max<int>(r.right - r.left, Width()), r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  attachingList_ = false;
}

void TsComboBox::DetachListHandler() { listHandler_.reset(); }

LRESULT TsComboBox::OnSkinMessage(TMessage& m) {
  const uint16_t command = SkinCommandOf(m.WParam);
  if (const std::optional<LRESULT> answer = AnswerSharedCommand(command, m)) return m.Result = *answer;
  switch (command) {
    case AC_DROPPEDDOWN: return m.Result = dropped_ ? 1 : 0;
    case AC_SETNEWSKIN:
      if (!FromOwnManager(m)) break;
      HandleBindingMessage(SkinData, m);
      if (listWindow_ && IsWindow(listWindow_)) SendMessageW(listWindow_, kSkinMessage, m.WParam, m.LParam);
      return m.Result;
    case AC_REMOVESKIN:
      if (!FromOwnManager(m)) break;
      HandleBindingMessage(SkinData, m);
      if (!SkinData.CustomColor()) SetColor(clWindow);
      if (!SkinData.CustomFont()) bindingHost_.SetFontColor(clWindowText);
      DetachListHandler();
      return m.Result;
    case AC_REFRESH:
      if (!FromOwnManager(m)) break;
      if (dropped_ && HandleAllocated()) SendMessageW(WindowHandle(), CB_SHOWDROPDOWN, FALSE, 0);
      HandleBindingMessage(SkinData, m);
      SkinData.CacheStale = true;
      RedrawPicture();
      return m.Result;
    default: break;
  }
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  return TComboBox::WndProc(m);
}

// ---- Stored definitions

namespace {

bool ApplyStored(TsComboBox& combo, const std::string& name, const TStoredReader& r) {
  if (name == "SkinData.CustomColor") combo.SkinData.SetCustomColor(r.Bool());
  else if (name == "SkinData.CustomFont") combo.SkinData.SetCustomFont(r.Bool());
  else if (name == "SkinData.SkinSection") combo.SkinData.SetSkinSection(r.Text());
  else if (name == "Alignment") combo.SetAlignment(r.Enum<TAlignment>(3));
  else if (name == "VerticalAlignment") combo.SetVerticalAlignment(r.Enum<TVerticalAlignment>(3));
  else if (name == "DisabledKind") combo.SetDisabledKind(ReadDisabledKind(r));
  else if (name == "DropDownCount") combo.SetDropDownCount(int(std::clamp<int64_t>(r.Int(), 0, kMaxDropDownCount)));
  else if (name == "ReadOnly") combo.ReadOnly = r.Bool();
  else return false;
  return true;
}

}  // namespace

void RegisterComboBoxClass() { RegisterStoredClass<TsComboBox>("TsComboBox", ApplyStored); }
