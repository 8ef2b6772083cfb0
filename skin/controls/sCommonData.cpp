// The binding's section, state and colour rules. Its background answers are
// in BindingBackground.cpp, its messages and skin commands in BindingMessages.cpp.
#include "skin/controls/sCommonData.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/ColorFilters.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/LayeredPainter.h"
#include "skin/paint/SkinPaintViewOf.h"

namespace {

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// LayerFlags gradient kinds by the gradient's first mode (0 vertical bands, 1 horizontal, 2 triangles).
uint16_t GradientKind(const TsGradArray& gradient) {
  if (gradient.empty()) return 0;
  switch (gradient.front().Mode) {
    case 0: return 2;
    case 1: return 1;
    case 2: return 3;
    default: return 0;
  }
}

}  // namespace

TsCommonData::TsCommonData(BindingHost* host, bool wantsPicture) : host_(host) {
  if (wantsPicture) CachePicture = std::make_unique<PixelBuffer>();
}

TsCommonData::~TsCommonData() {
  if (Effects) Effects->FreeEffects(*this);
}

// ---- Skin access -------------------------------------------------------

TsSkinManager* TsCommonData::Manager() const { return manager_ ? manager_ : DefaultManager(); }

SkinPaintView TsCommonData::PaintView() const { return PaintViewOf(Manager()); }

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinManager* m = Manager();
  const LoadedSkin* skin = m ? m->Skin() : nullptr;
  if (!skin || SectionIndex < 0 || size_t(SectionIndex) >= skin->Sections.size()) return nullptr;
  return &skin->Sections[size_t(SectionIndex)];
}

const TsGenState* TsCommonData::StateRecord(int32_t state) const {
  const TsGeneralData* s = Section();
  if (!s) return nullptr;
  const int32_t last = std::clamp(s->States - 1, 0, 2);
  return &s->Props[size_t(std::clamp(state, 0, last))];
}

bool TsCommonData::StateTransparent(int32_t state) const {
  const TsGenState* p = StateRecord(state);
  return p && p->Transparency >= 100;
}

bool TsCommonData::BothStatesTransparent() const { return StateTransparent(0) && StateTransparent(1); }

bool TsCommonData::IsSkinned(bool requireActive) const {
  const TsSkinManager* m = Manager();
  if (!m || m->Destroying() || !Section()) return false;
  if (host_ && host_->Destroying()) return false;
  return !requireActive || m->SkinInForce();
}

// ---- Sections ------------------------------------------------------------

void TsCommonData::ChooseSection() {
  if (!skinSection_.empty()) {
    ResolveSection(true);
    return;
  }
  const DefaultSection d = DefaultSectionOf(ControlKind);
  if (d.Source == DefaultSectionSource::AskHost) {
    ResolveSection(true);
    return;
  }
  const TsSkinManager* m = Manager();
  const LoadedSkin* skin = m && m->SkinInForce() ? m->Skin() : nullptr;
  const std::string name = d.Source == DefaultSectionSource::Named ? std::string(d.Name)
                                                                   : UpperCase(host_ ? host_->ClassName() : "");
  SectionIndex = skin ? FindSection(skin->Sections, name) : -1;
  ResolveSection(false);
}

void TsCommonData::ResolveSection(bool byName) {
  CacheStale = true;
  const TsSkinManager* m = Manager();
  const LoadedSkin* skin = m && m->SkinInForce() ? m->Skin() : nullptr;
  if (byName) {
    if (!skin) {
      SectionIndex = -1;
    } else if (!skinSection_.empty()) {
      const bool design = host_ && host_->DesignMode() && skinSection_ == kDesignReplacedSection;
      SectionIndex = FindSection(skin->Sections, design ? std::string_view("TRANSPARENT") : skinSection_);
    } else {
      SectionIndex = host_ ? int32_t(host_->SendCommand(AC_GETDEFINDEX, 0)) - 1 : -1;
    }
  }
  const TsGeneralData* section = Section();
  LayerFlags = 0;
  StateFlags = kStateClassifyPending;
  if (!section || !skin) {
    SectionIndex = -1;
    BorderIndex = NormalPattern = HotPattern = -1;
    return;
  }
  const TsGenState& normal = section->Props[0];
  if (normal.TextureShare > 0) LayerFlags |= kLayerTexture;
  if (normal.GradientShare > 0) LayerFlags |= GradientKind(normal.GradientData);
  BorderIndex = section->BorderIndex;
  NormalPattern = skin->Images.FindPattern(skin->Sections, SectionIndex, "PATTERN");
  HotPattern = skin->Images.FindPattern(skin->Sections, SectionIndex, "HOTPATTERN");
  ClassifyBackground(false);
}

void TsCommonData::FinishLoading() {
  NotLoaded = false;
  ChooseSection();
  if (!host_ || !IsSkinned() || !host_->HasParent() || host_->Loading()) return;
  if (host_->Windowed()) host_->OfferToAdapter();
  ApplySectionColors(false);
}

// ---- State -----------------------------------------------------------------

bool TsCommonData::IsActive() const {
  if (!host_ || !host_->IsControl() || host_->Destroying() || !host_->Enabled() || host_->DesignMode())
    return false;
  if (HasFocus || (host_->Windowed() && host_->WindowFocused())) return true;
  if (!PointerInside) return false;
  const TsSkinManager* m = Manager();
  if (m && m->Options.NoMouseHover) return false;
  return !NeverHotByPointer(ControlKind) && !HotOnlyByFocus(ControlKind);
}

int32_t TsCommonData::ChildAnswerState() const {
  return HasFocus || (PointerInside && !AnswersNormalWhilePointerInside(ControlKind)) ? 1 : 0;
}

// ---- Repainting and suspension -------------------------------------------

bool TsCommonData::CatchUpWithSkin() {
  const TsSkinManager* manager = Manager();
  if (!manager || !manager->SkinInForce() || SectionIndex >= 0 || (host_ && host_->Loading())) return false;
  ChooseSection();
  ApplySectionColors(false);
  return true;
}

void TsCommonData::RepaintHost(bool full) {
  if (NotLoaded || !host_ || host_->Destroying() || host_->Loading()) return;
  CacheStale = true;
  if (!host_->Showing()) return;
  if (host_->Windowed()) {
    host_->Redraw(full);
  } else {
    host_->Invalidate(false);
  }
}

void TsCommonData::BeginSuspend() {
  ++SuspendCount;
  PaintSuspended = true;
  StateFlags |= kStateUpdating;
  if (host_) host_->SendCommand(AC_BEGINUPDATE, 0);
}

void TsCommonData::EndSuspend(bool repaint) {
  if (SuspendCount > 0) --SuspendCount;
  PaintSuspended = false;
  StateFlags &= uint16_t(~kStateUpdating);
  if (SuspendCount != 0) return;
  if (host_) host_->SendCommand(AC_ENDUPDATE, 0);
  if (repaint) RepaintHost(true);
}

// ---- Picture -----------------------------------------------------------------

void TsCommonData::PrepareCache() {
  if (!CachePicture) CachePicture = std::make_unique<PixelBuffer>();
  const TSize size = host_ ? host_->Size() : TSize{};
  const int32_t w = std::max(0, size.cx), h = std::max(0, size.cy);
  if (CachePicture->Width() != w || CachePicture->Height() != h) CachePicture->Resize(w, h);
}

std::optional<BackgroundInfo> TsCommonData::BackgroundForBuild() {
  BackgroundInfo bg = ParentBackground();
  if (ParentNotReady(bg)) {
    PaintSuspended = true;
    return std::nullopt;
  }
  PrepareCache();
  return bg;
}

void TsCommonData::EmptyPicture() {
  if (CachePicture && !CachePicture->Empty()) CachePicture->Resize(0, 0);
}

bool TsCommonData::PictureMatchesHost() const {
  if (!CachePicture || CachePicture->Empty()) return false;
  const TSize size = host_ ? host_->Size() : TSize{};
  return CachePicture->Width() == size.cx && CachePicture->Height() == size.cy;
}

void TsCommonData::RebuildCache() {
  if (host_) host_->SendCommand(AC_PREPARECACHE, 0);
}

// ---- Colours -------------------------------------------------------------------

TColor TsCommonData::HostColorOrForm() const { return host_ ? host_->Color() : clBtnFace; }

TColor TsCommonData::ParentColorAnswer() const {
  if (!host_ || !host_->HasParent()) return ResolveColor(clBtnFace);
  if (host_->SendParentCommand(AC_CTRLHANDLED, 0) == 1)
    return TColor(host_->SendParentCommand(AC_GETCONTROLCOLOR, 0));
  return ResolveColor(host_->ParentColor());
}

TColor TsCommonData::ControlColor(int32_t state) const {
  const TsGeneralData* section = IsSkinned() ? Section() : nullptr;
  if (!section) return HostColorOrForm();
  const TsGenState& p = section->Props[state > 0 && section->States > 1 ? 1 : 0];
  const int32_t t = std::clamp(p.Transparency, 0, 100);
  if (t == 0) return customColor_ ? HostColorOrForm() : p.Color;
  const TColor parent = ParentColorAnswer();
  if (t == 100) return parent;
  return LerpColor(parent, ResolveColor(p.Color), t / 100.0);
}

TColor TsCommonData::ColorAnswer() const {
  const TsGeneralData* section = IsSkinned() ? Section() : nullptr;
  if (!section) return ResolveColor(HostColorOrForm());
  const TsGenState& p = section->Props[0];
  const int32_t t = std::clamp(p.Transparency, 0, 100);
  if (t == 0) return ResolveColor(p.Color);
  const TColor parent = host_ && host_->HasParent() ? ParentColorAnswer() : ResolveColor(HostColorOrForm());
  if (t == 100) return parent;
  return LerpColor(parent, ResolveColor(p.Color), t / 100.0);
}

void TsCommonData::ApplySectionColors(bool repaint) {
  if (!host_ || !IsSkinned() || !KeepsSectionColors(ControlKind) || BothStatesTransparent()) return;
  ApplyColorsOfState(PaintState(), repaint);
}

void TsCommonData::ApplyColorsOfState(int32_t state, bool repaint) {
  const TsGenState* p = StateRecord(state);
  if (!p || !host_) return;
  bool changed = false;
  if (!customColor_ && host_->Color() != p->Color) {
    host_->SetColor(p->Color);
    changed = true;
  }
  if (!customFont_ && host_->FontColor() != p->TextColor) {
    StateFlags |= kStateSettingColors;
    host_->SetFontColor(p->TextColor);
    StateFlags &= uint16_t(~kStateSettingColors);
    changed = true;
  }
  if (!changed) return;
  if (repaint) {
    RepaintHost(false);
  } else {
    CacheStale = true;
  }
}

void TsCommonData::ApplyColorFilters(PixelBuffer& picture, bool scaledSaturation) const {
  if (colorTone_ != clNone) ApplyPixelFilter(picture, PixelFilter::ToneColor, int32_t(ResolveColor(colorTone_)), clFuchsia);
  if (hueOffset_ != 0) ApplyPixelFilter(picture, PixelFilter::ShiftHue, hueOffset_, clFuchsia);
  if (saturation_ != 0) {
    const int32_t s = scaledSaturation ? std::clamp(int32_t(std::trunc(saturation_ * 2.55)), -255, 255) : saturation_;
    ApplyPixelFilter(picture, PixelFilter::Saturate, s, clFuchsia);
  }
}

void TsCommonData::ApplyColorAdjustments(PixelBuffer& picture) {
  ApplyColorFilters(picture, true);
  PatchCornersFromParent(picture);
}

void TsCommonData::PatchCornersFromParent(PixelBuffer& picture) {
  const SkinPaintView view = PaintView();
  const TSize size = host_ ? host_->Size() : TSize{picture.Width(), picture.Height()};
  PatchCorners(view, picture, size, view.Mask(BorderIndex), PaintState(),
               kCornerTopLeft | kCornerTopRight | kCornerBottomLeft | kCornerBottomRight, ParentAnswer());
}

TColor TsCommonData::AdjustColor(TColor color) const {
  TColor c = ResolveColor(color);
  if (colorTone_ != clNone) c = ToneColorOf(c, ResolveColor(colorTone_));
  c = ShiftHueColor(c, hueOffset_);
  c = SaturateColor(c, int32_t(std::trunc(saturation_ * 2.55)));
  return c;
}

// ---- Setters -----------------------------------------------------------------------

void TsCommonData::SetCustomColor(bool value) {
  if (customColor_ == value) return;
  customColor_ = value;
  ApplySectionColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
  if (customFont_ == value) return;
  customFont_ = value;
  ApplySectionColors(true);
}

void TsCommonData::SetSkinSection(std::string_view name) {
  std::string upper = UpperCase(name);
  if (upper == skinSection_) return;
  if (Effects) Effects->HideGlow(*this, false);
  skinSection_ = std::move(upper);
  ChooseSection();
  if (!host_ || host_->Loading() || host_->Destroying() || !host_->HasParent()) return;
  if (host_->Windowed()) EmptyPicture();
  if (!PaintSuspended && !NotLoaded)
    host_->SendCommand(SectionIndex >= 0 ? AC_REFRESH : AC_REMOVESKIN, reinterpret_cast<intptr_t>(Manager()));
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  if (manager == DefaultManager()) manager = nullptr;
  if (manager == manager_) return;
  manager_ = manager;
  ChooseSection();
  if (!host_ || host_->IsForm() || !host_->HasParent() || host_->Loading() || PaintSuspended || NotLoaded) return;
  host_->SendCommand(SectionIndex >= 0 ? AC_REFRESH : AC_REMOVESKIN, reinterpret_cast<intptr_t>(Manager()));
}

void TsCommonData::SetAdjustmentsQuietly(int32_t hue, int32_t saturation, TColor tone) {
  hueOffset_ = hue;
  saturation_ = saturation;
  colorTone_ = tone;
}

void TsCommonData::SetAdjustments(int32_t hue, int32_t saturation, TColor tone) {
  if (hue == hueOffset_ && saturation == saturation_ && tone == colorTone_) return;
  SetAdjustmentsQuietly(hue, saturation, tone);
  if (host_ && host_->Loading()) return;  // applied when loading finishes
  FinishLoading();
  RepaintHost(false);
}
