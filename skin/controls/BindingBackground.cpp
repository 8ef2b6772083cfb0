// What a binding tells about the background: whether its host's children need
// its picture (classification), what it answers to their background requests,
// and what lies under the host itself.
#include <algorithm>

#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/Textures.h"

namespace {

bool HasCornerImages(const TsGeneralData& s) {
  return s.ImgTopLeft >= 0 || s.ImgTopRight >= 0 || s.ImgBottomLeft >= 0 || s.ImgBottomRight >= 0;
}

// The skin's form colour; the system face colour without a skin.
TColor FormColorOf(const TsSkinManager* m) {
  const LoadedSkin* skin = m ? m->Skin() : nullptr;
  return skin ? GlobalColor(skin->Colors) : clBtnFace;
}

// The border mask paints its own centre in state 0.
bool PaintsOpaqueCentre(const TsMaskData* border) {
  return border && (border->PaintMode & kBorderPaintCentre) && !(border->PaintMode & kBorderHotOnly);
}

}  // namespace

bool TsCommonData::OuterEffectsApply() const {
  const TsSkinManager* m = Manager();
  return m && m->Effects.AllowOuterEffects && OuterEffects.Visibility != TacOuterVisibility::ovNone;
}

bool TsCommonData::NeedsParentPicture() const {
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  if (!s) return false;
  if (s->Props[0].Transparency > 0 || (s->States > 1 && s->Props[1].Transparency > 0)) return true;
  if (HasCornerImages(*s)) return true;
  const TsMaskData* border = PaintView().Mask(BorderIndex);
  return border && border->CornerKind == kCornersKeyed;
}

void TsCommonData::ClassifyBackground(bool children) {
  if (host_ && (host_->Windowed() || host_->IsForm())) {
    const TsGeneralData* s = Section();
    const TsSkinManager* m = Manager();
    enum class Result { Plain, Picture, Undecided } result = Result::Picture;
    const SkinPaintView view = PaintView();
    const TsMaskData* border = view.Mask(BorderIndex);
    if (!m || !s) {
      result = Result::Plain;
    } else if (m->Effects.AllowOuterEffects) {
      result = Result::Picture;
    } else if (border && ((border->PaintMode & kBorderPaintCentre) || border->MaskRows == 1)) {
      result = Result::Picture;
    } else {
      const TsGenState& p = s->Props[0];
      const int32_t t = std::clamp(p.Transparency, 0, 100);
      const TsMaskData* texture = view.Mask(NormalPattern);
      if (t == 100) {
        if (texture && texture->PaintMode == kTextureWholeRows) {
          result = Result::Picture;
        } else if (!host_->HasParent()) {
          result = Result::Plain;
        } else if (!host_->ParentHasWindow()) {
          result = Result::Undecided;
        } else if (host_->SendParentCommand(AC_CTRLHANDLED, 0) == 1) {
          result = (host_->SendParentCommand(AC_CLASSIFYBG, 0) & kStatePlainBackground) ? Result::Plain
                                                                                            : Result::Picture;
        } else {
          result = Result::Plain;
        }
      } else if (t != 0 || p.TextureShare > 0 || p.GradientShare > 0) {
        result = Result::Picture;
      } else {
        result = !HasCornerImages(*s) && !(host_->IsForm() && host_->ExtraTitleArea()) ? Result::Plain
                                                                                        : Result::Picture;
      }
    }
    if (result != Result::Undecided) {
      StateFlags &= uint16_t(~(kStateClassifyPending | kStatePlainBackground));
      if (result == Result::Plain) StateFlags |= kStatePlainBackground;
    }
  }
  if (children && host_) host_->SendChildrenCommand(AC_CLASSIFYBG, 1, false);
}

bool TsCommonData::ChildNeedsPicture() const {
  if (!(StateFlags & kStatePlainBackground) || OuterEffectsApply()) return true;
  if (AnswersNormalWhilePointerInside(ControlKind) || !IsActive()) return false;
  return true;
}

bool TsCommonData::TransparentForChildren() const {
  const TsGeneralData* s = Section();
  if (!s || !host_ || !host_->HasParent()) return false;
  return s->Props[0].Transparency > 50 && !PaintsOpaqueCentre(PaintView().Mask(BorderIndex));
}

void TsCommonData::AnswerBackground(BackgroundRequest& r, int32_t state) {
  if (r.DrawRequested) {
    ClassifyBackground(true);
    if (!ChildNeedsPicture()) {
      if (host_) host_->FillTarget(r.TargetDC, r.ClipRect, ControlColor(state));
      r.AnswerKind = kAnswerColor;
      return;
    }
    if (CacheStale) RebuildCache();
    if (!CacheStale && CachePicture && host_)
      host_->CopyToTarget(r.TargetDC, r.ClipRect, *CachePicture,
                          {r.ClipRect.Left + r.OffsetX, r.ClipRect.Top + r.OffsetY});
    r.AnswerKind = kAnswerPicture;
    return;
  }

  r.Bitmap = nullptr;
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  if (!s || customColor_) {
    r.AnswerKind = kAnswerColor;
    r.Color = HostColorOrForm();
    return;
  }
  const int32_t k = std::clamp(std::min({state, s->States - 1, 2}), 0, 2);
  const TsGenState& p = s->Props[size_t(k)];
  const int32_t t = std::clamp(p.Transparency, 0, 100);
  const int32_t g = p.GradientShare, i = p.TextureShare;
  const TsSkinManager* m = Manager();
  const TColor formColor = FormColorOf(m);

  if (t == 100) {
    if ((StateFlags & kStatePlainBackground) || !CachePicture) {
      if (host_ && host_->HasParent()) {
        host_->AskParentBackground(r, false);
        if (r.AnswerKind == kAnswerPicture) {
          const TPoint at = host_->PositionInParent();
          r.OffsetX += at.X;
          r.OffsetY += at.Y;
          r.FrameWidths.Left -= at.X;
          r.FrameWidths.Top -= at.Y;
        }
      } else {
        r.AnswerKind = kAnswerColor;
        r.Color = formColor;
      }
      return;
    }
    if (CacheStale) RebuildCache();
    if (CacheStale) {
      r.AnswerKind = kAnswerColor;
      r.OffsetX = r.OffsetY = 0;
      r.Color = ControlColor(0);
      return;
    }
  } else if (t > 0) {
    if (!CachePicture) {
      r.AnswerKind = kAnswerColor;
      r.Color = clFuchsia;
      return;
    }
    if (CachePicture->Empty()) {
      RebuildCache();
      if (CachePicture->Empty()) {
        PaintSuspended = true;
        r.AnswerKind = kAnswerNotReady;
        return;
      }
    }
  } else if (g < 1 && i <= 0 && !HasCornerImages(*s) && !OuterEffectsApply()) {
    r.AnswerKind = kAnswerColor;
    r.Color = ControlColor(state);
    const TsMaskData* border = PaintView().Mask(BorderIndex);
    if (border && !(border->PaintMode & kBorderHotOnly) && CachePicture) {
      const TBorderWidths w = border->EffectiveBorders();
      r.FrameWidths = {w.Left, w.Top, w.Right, w.Bottom};
      r.Bitmap = CachePicture.get();
      r.OffsetX = r.OffsetY = 0;
    }
    return;
  } else {
    r.Color = formColor;
    if (!PictureMatchesHost()) {
      CacheStale = true;
      EmptyPicture();
      RebuildCache();
      if (!CachePicture || CachePicture->Empty()) {
        r.AnswerKind = kAnswerNotReady;
        return;
      }
    }
  }
  r.AnswerKind = kAnswerPicture;
  r.Bitmap = CachePicture.get();
  r.OffsetX = r.OffsetY = 0;
}

BackgroundRequest TsCommonData::ParentAnswer() {
  BackgroundRequest r;
  if (!host_ || !host_->HasParent()) return r;
  host_->AskParentBackground(r, false);
  if (r.AnswerKind == kAnswerPicture) {
    const TPoint at = host_->PositionInParent();
    r.OffsetX += at.X;
    r.OffsetY += at.Y;
  }
  return r;
}

BackgroundInfo TsCommonData::ParentBackground() {
  BackgroundInfo info;
  if (IsSkinned() && host_ && host_->HasParent()) {
    BackgroundRequest r;
    host_->AskParentBackground(r, false);
    if (r.AnswerKind != kAnswerNotReady) return RequestToInfo(r);
    info.PlainColor = clFuchsia;
    return info;
  }
  info.PlainColor = ControlColor(0);
  return info;
}
