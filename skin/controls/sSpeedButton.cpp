#include "skin/controls/sSpeedButton.h"

#include <algorithm>
#include <cstdint>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/StoredDisabledKind.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/DrawArrow.h"
#include "toolkit/Cp1251.h"
#include "toolkit/FormReader.h"
#include "toolkit/MessageCrackers.h"

namespace {

uint32_t AlignmentFlag(TAlignment a) {
  switch (a) {
    case TAlignment::taLeftJustify: return DT_LEFT;
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
  }
  return DT_CENTER;
}

}  // namespace

TsSpeedButton::TsSpeedButton(TComponent* owner) : TSpeedButton(owner) {
  SkinData.ControlKind = kKindSpeedButton;
  imagesLink_.OnChange = [this] { SkinData.RepaintHost(false); };
}

TsSpeedButton::~TsSpeedButton() {
  if (TsSkinManager* m = SkinData.Manager(); m && m->HotControl() == bindingHost_.HotToken()) m->SetHotControl(nullptr);
}

void TsSpeedButton::Loaded() {
  TSpeedButton::Loaded();
  if (ListImage()) Glyph = PixelBuffer();
  SkinData.FinishLoading();
}

template <class T>
void TsSpeedButton::Store(T& setting, T value) {
  if (setting == value) return;
  setting = value;
  SkinData.RepaintHost(false);
}

void TsSpeedButton::SetAlignment(TAlignment value) { Store(alignment_, value); }
void TsSpeedButton::SetTextAlignment(TAlignment value) { Store(textAlignment_, value); }
void TsSpeedButton::SetBlend(int32_t value) { Store(blend_, std::clamp(value, 0, 100)); }
void TsSpeedButton::SetTextOffset(int32_t value) { Store(textOffset_, std::clamp(value, -kMaxButtonInset, kMaxButtonInset)); }
void TsSpeedButton::SetDisabledKind(TsDisabledKind value) { Store(disabledKind_, value); }
void TsSpeedButton::SetGrayed(bool value) { Store(grayed_, value); }
void TsSpeedButton::SetGrayedMode(TacGrayedMode value) { Store(grayedMode_, value); }
void TsSpeedButton::SetReflected(bool value) { Store(reflected_, value); }
void TsSpeedButton::SetShowCaption(bool value) { Store(showCaption_, value); }
void TsSpeedButton::SetWordWrap(bool value) { Store(wordWrap_, value); }
void TsSpeedButton::SetUseEllipsis(bool value) { Store(useEllipsis_, value); }
void TsSpeedButton::SetDrawOverBorder(bool value) { Store(drawOverBorder_, value); }
void TsSpeedButton::SetImageIndex(int value) { Store(imageIndex_, value); }

void TsSpeedButton::SetButtonStyle(TToolButtonStyle value) {
  if (value == buttonStyle_) return;
  const bool wasDropDown = buttonStyle_ == TToolButtonStyle::tbsDropDown;
  const bool isDropDown = value == TToolButtonStyle::tbsDropDown;
  buttonStyle_ = value;
  SetCheck(value == TToolButtonStyle::tbsCheck);
  if (!Loading() && wasDropDown != isDropDown)
    SetBounds(Left(), Top(), std::max(Width() + (isDropDown ? kDropDownArrowWidth : -kDropDownArrowWidth), 0), Height());
  SkinData.RepaintHost(false);
}

void TsSpeedButton::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == DropdownMenu()) return;
  dropdownMenu_ = menu;
  menuAlive_ = menu ? menu->LifeToken() : std::weak_ptr<const void>();
}

void TsSpeedButton::SetImages(TImageList* images) {
  if (images == Images()) return;
  if (Images()) Images()->UnRegisterChanges(imagesLink_);
  if (images) images->RegisterChanges(imagesLink_);
  SkinData.RepaintHost(false);
}

const PixelBuffer* TsSpeedButton::ListImage() const {
  const TImageList* list = Images();
  return list && list->Valid(imageIndex_) ? &list->Image(imageIndex_) : nullptr;
}

void TsSpeedButton::GlyphChanged() {
  if (!Loading() && !Destroying()) SkinData.RepaintHost(false);
}

void TsSpeedButton::Invalidate() {
  if (Layout() != seenLayout_ || Margin() != seenMargin_ || Spacing() != seenSpacing_ ||
      NumGlyphs() != seenNumGlyphs_ || Flat() != seenFlat_) {
    const bool flatChanged = Flat() != seenFlat_;
    seenLayout_ = Layout();
    seenMargin_ = Margin();
    seenSpacing_ = Spacing();
    seenNumGlyphs_ = NumGlyphs();
    seenFlat_ = Flat();
    SkinData.CacheStale = true;
    if (flatChanged && !SkinData.NotLoaded) SkinData.ChooseSection();
  }
  TSpeedButton::Invalidate();
}

// Held, staying down or showing its menu shows pressed, hot or not.
int32_t TsSpeedButton::CurrentState() const {
  if (ShownPressed(State()) || menuShowing_) return 2;
  return SkinData.IsActive() ? 1 : 0;
}

SpeedButtonLayoutInput TsSpeedButton::LayoutInput() const {
  SpeedButtonLayoutInput in = TSpeedButton::LayoutInput();
  in.Alignment = alignment_;
  in.TextAlignment = textAlignment_;
  in.TextOffset = textOffset_;
  // An image of the list is one image, not a strip: NumGlyphs does not divide it.
  if (const PixelBuffer* image = ListImage()) in.Glyph = {image->Width(), image->Height()};
  in.ShowCaption = showCaption_;
  in.Reflected = reflected_;
  if (buttonStyle_ == TToolButtonStyle::tbsDropDown) (HasSplitArrow() ? in.SplitArrow : in.InlineArrow) = kDropDownArrowWidth;
  in.Pressed = CurrentState() == 2;
  const TsSkinManager* m = SkinData.Manager();
  in.ShiftPressed = !Skinned() || (m && m->ButtonsOptions.ShiftContentOnClick);
  return in;
}

UINT TsSpeedButton::CaptionFormat() const {
  UINT flags = AlignmentFlag(textAlignment_) | DT_VCENTER | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  if (useEllipsis_) flags |= DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;
  return flags;
}

LRESULT TsSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case kSkinMessage:      return OnSkinMessage(m);
    case WM_ERASEBKGND:
    case WM_NCPAINT:        return Skinned() ? 0 : PassOn(m);
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_BUTTONPRESSED:  return OnLookChanged(m);
    case CM_MOUSEENTER:     return OnPointerEntered(m);
    case CM_MOUSELEAVE:     return OnPointerLeft(m);
    case WM_LBUTTONDOWN:    return OnLeftDown(m, PointOf(m));
    default:                return PassOn(m);
  }
}

// The binding's common handling first, then the toolkit's button.
LRESULT TsSpeedButton::PassOn(TMessage& m) {
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  return TSpeedButton::WndProc(m);
}

LRESULT TsSpeedButton::OnLookChanged(TMessage& m) {
  SkinData.CacheStale = true;
  return PassOn(m);
}

// A press that opens the drop-down menu goes no further: the menu's own loop takes the release.
LRESULT TsSpeedButton::OnLeftDown(TMessage& m, TPoint p) {
  const bool onMenuPart = !HasSplitArrow() || p.X >= Width() - kDropDownArrowWidth;
  if (Enabled() && buttonStyle_ == TToolButtonStyle::tbsDropDown && DropdownMenu() && onMenuPart) {
    DropDown();
    return 0;
  }
  return PassOn(m);
}

// The menu runs its own loop; the chosen item's handler may free the button
// (or the menu), so the button is touched afterwards only while alive.
void TsSpeedButton::DropDown() {
  if (menuShowing_ || !Parent()) return;
  menuShowing_ = true;
  SkinData.CacheStale = true;
  Repaint();
  const TPoint at = ClientToScreen({0, Height()});
  const std::weak_ptr<const void> alive = LifeToken();
  DropdownMenu()->Popup(Parent()->Handle(), POINT{at.X, at.Y});
  if (alive.expired()) return;
  menuShowing_ = false;
  POINT cursor{};
  GetCursorPos(&cursor);
  const TPoint origin = ClientToScreen({0, 0});
  const bool inside = cursor.x >= origin.X && cursor.y >= origin.Y && cursor.x < origin.X + Width() &&
                      cursor.y < origin.Y + Height();
  if (!inside && SkinData.PointerInside) {
    Perform(CM_MOUSELEAVE);
    if (alive.expired()) return;
  }
  SkinData.CacheStale = true;
  Invalidate();
}

// The event first; its handler may free the button.
LRESULT TsSpeedButton::OnPointerEntered(TMessage& m) {
  if (Enabled() && OnMouseEnter) {
    const std::weak_ptr<const void> alive = LifeToken();
    OnMouseEnter(this);
    if (alive.expired()) return 0;
  }
  if (IsGap()) return TSpeedButton::WndProc(m);  // a gap is never hot
  return PassOn(m);
}

LRESULT TsSpeedButton::OnPointerLeft(TMessage& m) {
  if (Enabled() && OnMouseLeave && (!Skinned() || SkinData.PointerInside)) {
    const std::weak_ptr<const void> alive = LifeToken();
    OnMouseLeave(this);
    if (alive.expired()) return 0;
  }
  return PassOn(m);
}

LRESULT TsSpeedButton::OnSkinMessage(TMessage& m) {
  switch (SkinCommandOf(m.WParam)) {
    case AC_CTRLHANDLED:  return 1;
    case AC_GETDEFINDEX:  return DefaultSectionAnswer();
    case AC_MUSTREPAINT:  return SkinData.PaintSuspended ? 1 : 0;
    case AC_PREPARECACHE: return PrepareCache() ? 1 : 0;
    case AC_MOUSELEAVE:   return OnManagerLeave();
    case AC_APPACTIVATED: return OnResume();
    case AC_SETNEWSKIN:
    case AC_REMOVESKIN:
    case AC_REFRESH:      return OnSkinChanged(m);
    default:              return PassOn(m);
  }
}

// Another control became the manager's hot one.
LRESULT TsSpeedButton::OnManagerLeave() {
  PointerLeft();
  SkinData.OnPointerLeft(false);
  return 0;
}

LRESULT TsSpeedButton::OnResume() {
  SkinData.PaintSuspended = false;
  Invalidate();
  return 0;
}

LRESULT TsSpeedButton::OnSkinChanged(TMessage& m) {
  const LRESULT result = PassOn(m);
  SkinData.CacheStale = true;
  Invalidate();
  return result;
}

intptr_t TsSpeedButton::DefaultSectionAnswer() const {
  const TsSkinManager* m = SkinData.Manager();
  if (!m) return 0;
  return m->Elements().Section(Flat() ? "TOOLBUTTON" : "SPEEDBUTTON") + 1;
}

namespace {

// What lies behind the button, as the picture of a gap.
void FillWithBackground(PixelBuffer& picture, const BackgroundInfo& bg, TPoint at, TColor parentColor) {
  if (bg.Bitmap) {
    const TPoint from{bg.OriginX + at.X, bg.OriginY + at.Y};
    CopyPixels(picture, {0, 0}, *bg.Bitmap, {from.X, from.Y, from.X + picture.Width(), from.Y + picture.Height()});
  } else {
    SolidFill(picture, picture.Bounds(), bg.PlainColor != clFuchsia ? bg.PlainColor : parentColor);
  }
}

// The skin's divider line, two pixels wide in the middle.
void PaintDividerLine(const TsSkinManager* m, const SkinPaintView& view, PixelBuffer& picture, BackgroundInfo bg,
                      TPoint at) {
  const TsGeneralData* divider = m ? view.Section(m->Elements().Section("DIVIDER")) : nullptr;
  const TsMaskData* mask = divider ? view.Mask(divider->BorderIndex) : nullptr;
  if (!mask) return;
  const int32_t middle = picture.Width() / 2;
  bg.OriginX += at.X;
  bg.OriginY += at.Y;
  PaintBorderMask(view, picture, {middle - 1, 0, middle + 1, picture.Height()}, bg, true, 0, *mask);
}

}  // namespace

bool TsSpeedButton::PrepareCache() {
  const std::optional<BackgroundInfo> ready = SkinData.BackgroundForBuild();
  if (!ready) return false;
  const BackgroundInfo& bg = *ready;
  PixelBuffer& cache = *SkinData.CachePicture;
  if (cache.Empty()) return false;
  const int32_t state = CurrentState();
  const TPoint at{Left(), Top()};
  if (IsGap()) {
    FillWithBackground(cache, bg, at, bindingHost_.ParentColor());
    if (buttonStyle_ == TToolButtonStyle::tbsDivider) PaintDividerLine(SkinData.Manager(), SkinData.PaintView(), cache, bg, at);
  } else {
    const int32_t split = HasSplitArrow() ? kDropDownArrowWidth : 0;
    if (split > 0) {
      // The arrow part shows the plain section: the binding's recolouring is left out there.
      const int32_t hue = SkinData.HUEOffset(), saturation = SkinData.Saturation();
      const TColor tone = SkinData.ColorTone();
      SkinData.SetAdjustmentsQuietly(0, 0, clNone);
      const TRect part{cache.Width() - split, 0, cache.Width(), cache.Height()};
      PaintBindingSection(SkinData, cache, bg, at, part, state, true);
      SkinData.SetAdjustmentsQuietly(hue, saturation, tone);
    }
    // The face: without the split arrow part, which has its own. A border laid
    // over the content is its frame alone; its centre stays under the content.
    const TRect face{0, 0, cache.Width() - split, cache.Height()};
    PaintBindingSection(SkinData, cache, bg, at, face, state, true);
    PaintContent(cache, state);
    if (!drawOverBorder_) PaintBindingBorderFrame(SkinData, cache, bg, at, face, state);
  }
  if (!Enabled()) ApplyDisabledLook(cache, disabledKind_, at, bg, bindingHost_.ParentColor());
  if (OnPaint) OnPaint(this, cache);
  SkinData.CacheStale = false;
  paintedState_ = state;
  paintedDown_ = Down();
  return true;
}

void TsSpeedButton::PaintContent(PixelBuffer& picture, int32_t state) {
  const SpeedButtonLayout layout = ContentLayout();
  if (showCaption_ && !Caption().empty()) {
    TPictureTextCanvas canvas(picture, Font.Handle());
    WriteControlText(canvas, Caption(), Enabled(), state, SkinData, CaptionFormat() | DT_NOCLIP, layout.Caption);
  }

  const TsSkinManager* m = Skinned() ? SkinData.Manager() : nullptr;
  ButtonGlyphInput glyph;
  const PixelBuffer* image = ListImage();
  glyph.Strip = image ? image : &Glyph;
  glyph.NumGlyphs = image ? 1 : NumGlyphs();
  glyph.State = state;
  glyph.Enabled = Enabled();
  glyph.Blend = blend_;
  glyph.Grayed = GlyphGrayed({m != nullptr, grayedMode_, grayed_, m && m->Effects.DiscoloredGlyphs, state, Enabled(),
                              (disabledKind_ & dkGrayed) != 0});
  glyph.StdGlyphsOrder = m && m->Options.StdGlyphsOrder;
  PaintButtonGlyph(picture, layout.Glyph, glyph);

  if (!layout.Arrow.IsEmpty()) {
    const TsGenState* look = m ? SkinData.StateRecord(std::min(state, 2)) : nullptr;
    DrawArrow(picture, look && !SkinData.CustomFont() ? SkinData.AdjustColor(look->TextColor) : ResolveColor(Font.Color),
              layout.Arrow, kArrowDown);
  }
}

// The system's face, then the same content as a skinned button shows, laid
// over what the face left in a picture of the button's size.
void TsSpeedButton::PaintUnskinned(HDC dc) {
  if (buttonStyle_ == TToolButtonStyle::tbsSeparator) return;
  if (buttonStyle_ == TToolButtonStyle::tbsDivider) {
    RECT line{Width() / 2 - 1, 0, Width() / 2 + 1, Height()};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
    return;
  }
  PaintFace(dc, menuShowing_ ? TButtonState::bsDown : PaintedState());
  if (Width() <= 0 || Height() <= 0) return;
  PixelBuffer picture(Width(), Height());
  BitBlt(BufferDc(picture), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
  PaintContent(picture, CurrentState());
  BitBlt(dc, 0, 0, Width(), Height(), BufferDc(picture), 0, 0, SRCCOPY);
}

void TsSpeedButton::Paint(HDC dc) {
  SkinData.CatchUpWithSkin();
  if (!Skinned()) {
    PaintUnskinned(dc);
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  const bool stale = SkinData.CacheStale || !SkinData.CachePicture || SkinData.CachePicture->Empty() ||
                     paintedState_ != CurrentState() || paintedDown_ != Down();
  if (stale && !PrepareCache()) return;
  const PixelBuffer& cache = *SkinData.CachePicture;
  BitBlt(dc, 0, 0, cache.Width(), cache.Height(), BufferDc(cache), 0, 0, SRCCOPY);
}

namespace {

// The skinned button's own stored settings; the toolkit's button reads the rest.
bool ApplyStored(TsSpeedButton& b, const std::string& name, const TStoredReader& r) {
  if (name == "Alignment") b.SetAlignment(r.Enum<TAlignment>(3));
  else if (name == "TextAlignment") b.SetTextAlignment(r.Enum<TAlignment>(3));
  else if (name == "ButtonStyle") b.SetButtonStyle(r.Enum<TToolButtonStyle>(5));
  else if (name == "ImageIndex") b.SetImageIndex(int(std::clamp<int64_t>(r.Int(), -1, INT32_MAX)));
  else if (name == "Blend") b.SetBlend(int32_t(std::clamp<int64_t>(r.Int(), 0, 100)));
  else if (name == "TextOffset") b.SetTextOffset(int32_t(std::clamp<int64_t>(r.Int(), -kMaxButtonInset, kMaxButtonInset)));
  else if (name == "Grayed") b.SetGrayed(r.Bool());
  else if (name == "GrayedMode") b.SetGrayedMode(r.Enum<TacGrayedMode>(2));
  else if (name == "Reflected") b.SetReflected(r.Bool());
  else if (name == "ShowCaption") b.SetShowCaption(r.Bool());
  else if (name == "WordWrap") b.SetWordWrap(r.Bool());
  else if (name == "UseEllipsis") b.SetUseEllipsis(r.Bool());
  else if (name == "DrawOverBorder") b.SetDrawOverBorder(r.Bool());
  else if (name == "DisabledKind") b.SetDisabledKind(ReadDisabledKind(r));
  else if (name == "SkinData.CustomColor") b.SkinData.SetCustomColor(r.Bool());
  else if (name == "SkinData.CustomFont") b.SkinData.SetCustomFont(r.Bool());
  else if (name == "SkinData.SkinSection") b.SkinData.SetSkinSection(r.Text());
  else return false;
  return true;
}

}  // namespace

void RegisterSpeedButtonClass() { RegisterStoredClass<TsSpeedButton>("TsSpeedButton", ApplyStored); }
