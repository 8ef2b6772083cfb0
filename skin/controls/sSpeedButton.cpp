#include "skin/controls/sSpeedButton.h"

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/StoredDisabledKind.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
#include "toolkit/FormReader.h"

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

TsSpeedButton::TsSpeedButton(TComponent* owner) : TSpeedButton(owner) { SkinData.ControlKind = kKindSpeedButton; }

TsSpeedButton::~TsSpeedButton() {
  if (TsSkinManager* m = SkinData.Manager(); m && m->HotControl() == BindingHost.HotToken()) m->SetHotControl(nullptr);
}

void TsSpeedButton::Loaded() {
  TSpeedButton::Loaded();
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
void TsSpeedButton::SetTextOffset(int32_t value) { Store(textOffset_, value); }
void TsSpeedButton::SetDisabledKind(TsDisabledKind value) { Store(disabledKind_, value); }
void TsSpeedButton::SetGrayed(bool value) { Store(grayed_, value); }
void TsSpeedButton::SetGrayedMode(TacGrayedMode value) { Store(grayedMode_, value); }
void TsSpeedButton::SetReflected(bool value) { Store(reflected_, value); }
void TsSpeedButton::SetShowCaption(bool value) { Store(showCaption_, value); }
void TsSpeedButton::SetWordWrap(bool value) { Store(wordWrap_, value); }
void TsSpeedButton::SetUseEllipsis(bool value) { Store(useEllipsis_, value); }
void TsSpeedButton::SetDrawOverBorder(bool value) { Store(drawOverBorder_, value); }

// Held or staying down shows pressed, hot or not.
int32_t TsSpeedButton::CurrentState() const {
  if (ShownPressed(State())) return 2;
  return SkinData.IsActive() ? 1 : 0;
}

SpeedButtonLayout TsSpeedButton::PaintLayout() const {
  SpeedButtonLayoutInput in;
  in.Width = Width();
  in.Height = Height();
  in.Layout = Layout;
  in.Alignment = alignment_;
  in.TextAlignment = textAlignment_;
  in.Margin = Margin;
  in.Spacing = Spacing;
  in.TextOffset = textOffset_;
  if (!Glyph.Empty()) in.Glyph = {Glyph.Width() / std::max(NumGlyphs, 1), Glyph.Height()};
  in.ShowCaption = showCaption_;
  in.HasCaption = !Caption().empty();
  in.Reflected = reflected_;
  in.Pressed = CurrentState() == 2;
  const TsSkinManager* m = SkinData.Manager();
  in.ShiftPressed = !Skinned() || (m && m->ButtonsOptions.ShiftContentOnClick);
  if (const int32_t limit = CaptionWidthLimit(in); limit > 0) {
    const std::wstring caption = Cp1251::ToWide(Caption());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font.Handle());
    RECT r{0, 0, limit, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    if (useEllipsis_) flags |= DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &r, flags);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    in.Text = {std::min<int32_t>(r.right - r.left, limit), r.bottom - r.top};
  }
  return LayoutSpeedButton(in);
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

// The event first; its handler may free the button.
LRESULT TsSpeedButton::OnPointerEntered(TMessage& m) {
  if (Enabled() && OnMouseEnter) {
    const std::weak_ptr<const void> alive = LifeToken();
    OnMouseEnter(this);
    if (alive.expired()) return 0;
  }
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
  return m->Elements().Section(Flat ? "TOOLBUTTON" : "SPEEDBUTTON") + 1;
}

bool TsSpeedButton::PrepareCache() {
  const BackgroundInfo bg = SkinData.ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) {
    SkinData.PaintSuspended = true;
    return false;
  }
  SkinData.PrepareCache();
  PixelBuffer& cache = *SkinData.CachePicture;
  if (cache.Empty()) return false;
  const int32_t state = CurrentState();
  const TPoint at{Left(), Top()};
  const SpeedButtonLayout layout = PaintLayout();
  if (drawOverBorder_) PaintBindingSection(SkinData, cache, bg, at, cache.Bounds(), state, true);
  else PaintBindingBackground(SkinData, cache, bg, at, cache.Bounds(), state);

  if (showCaption_ && !Caption().empty()) {
    uint32_t flags = AlignmentFlag(textAlignment_) | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP;
    flags |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (useEllipsis_) flags |= DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;
    TPictureTextCanvas canvas(cache, Font.Handle());
    WriteControlText(canvas, Caption(), Enabled(), state, SkinData, flags, layout.Caption);
  }

  const TsSkinManager* m = SkinData.Manager();
  ButtonGlyphInput glyph;
  glyph.Strip = &Glyph;
  glyph.NumGlyphs = NumGlyphs;
  glyph.State = state;
  glyph.Enabled = Enabled();
  glyph.Blend = blend_;
  glyph.Grayed = GlyphGrayed({m != nullptr, grayedMode_, grayed_, m && m->Effects.DiscoloredGlyphs, state, Enabled(),
                              (disabledKind_ & dkGrayed) != 0});
  glyph.StdGlyphsOrder = m && m->Options.StdGlyphsOrder;
  PaintButtonGlyph(cache, layout.Glyph, glyph);

  if (!drawOverBorder_ && SkinData.BorderIndex >= 0) PaintBindingSection(SkinData, cache, bg, at, cache.Bounds(), state, true);
  if (!Enabled()) ApplyDisabledLook(cache, disabledKind_, at, bg, BindingHost.ParentColor());
  if (OnPaint) OnPaint(this, cache);
  SkinData.CacheStale = false;
  paintedState_ = state;
  paintedDown_ = Down();
  return true;
}

void TsSpeedButton::Paint(HDC dc) {
  SkinData.CatchUpWithSkin();
  if (!Skinned()) {
    TSpeedButton::Paint(dc);
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
  if (name == "Alignment") b.SetAlignment(TAlignment(std::clamp<int64_t>(r.Int(), 0, 2)));
  else if (name == "TextAlignment") b.SetTextAlignment(TAlignment(std::clamp<int64_t>(r.Int(), 0, 2)));
  else if (name == "Blend") b.SetBlend(int32_t(std::clamp<int64_t>(r.Int(), 0, 100)));
  else if (name == "TextOffset") b.SetTextOffset(int32_t(std::clamp<int64_t>(r.Int(), -10000, 10000)));
  else if (name == "Grayed") b.SetGrayed(r.Bool());
  else if (name == "GrayedMode") b.SetGrayedMode(TacGrayedMode(std::clamp<int64_t>(r.Int(), 0, 1)));
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

void RegisterSpeedButtonClass() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterComponentClass("TsSpeedButton", [](TComponent* owner) -> TComponent* { return new TsSpeedButton(owner); });
  RegisterPropertyHook([](TComponent& c, const std::string& name, const TStoredValue& value) {
    auto* button = dynamic_cast<TsSpeedButton*>(&c);
    if (!button) return false;
    const std::string className = c.ClassName();
    return ApplyStored(*button, name, TStoredReader{className, name, value});
  });
}
