// How a binding reacts to its host's window messages (already cracked by the
// window side) and to the skin commands.
#include <string>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"

namespace {

bool MemoryPriority(const TsSkinManager* m) {
  return m && m->Options.OptimizingPriority == TacOptimizingPriority::opMemory;
}

bool HoverOff(const TsSkinManager* m) { return m && m->Options.NoMouseHover; }

}  // namespace

void TsCommonData::OnMove() {
  if (!IsSkinned()) return;
  if (Effects && OuterEffects.Visibility == TacOuterVisibility::ovAlways) Effects->RefreshOuterEffects(*this);
  if (NeedsParentPicture()) {
    CacheStale = true;
    if (host_) host_->SendCommand(AC_BGCHANGED, 1);
  }
  if (Effects) Effects->HideGlow(*this, false);
}

void TsCommonData::OnSize() {
  if (!IsSkinned()) return;
  CacheStale = true;
  if (Effects) Effects->RefreshOuterEffects(*this);
  if ((LayerFlags & kLayerGradientMask) && host_) host_->SendChildrenCommand(AC_BGCHANGED, 1, false);
  if (Effects && !Effects->FadeRunning(*this)) Effects->HideGlow(*this, false);
}

void TsCommonData::OnFocusGained() {
  if (!host_ || !host_->Windowed() || !host_->CanFocus() || !host_->TabStop() || BothStatesTransparent()) return;
  CacheStale = true;
  HasFocus = true;
  const TsGeneralData* s = Section();
  if (!s || !IsSkinned() || !KeepsSectionColors(ControlKind) || s->States < 2) return;
  const TColor color = host_->Color(), font = host_->FontColor();
  ApplyColorsOfState(1, false);
  if (host_->Color() != color || host_->FontColor() != font) host_->Invalidate(true);
}

void TsCommonData::OnFocusLost() {
  if (!host_ || !host_->Windowed() || !host_->CanFocus() || BothStatesTransparent()) return;
  CacheStale = true;
  HasFocus = false;
  if (IsSkinned() && KeepsSectionColors(ControlKind) && !IsActive()) ApplyColorsOfState(0, false);
  RepaintHost(false);
}

void TsCommonData::OnShowWindow() {
  if (Effects) Effects->StopFade(*this);
}

void TsCommonData::OnEnabledChanged() {
  PointerInside = false;
  HasFocus = false;
  if (Effects && host_ && !host_->Enabled()) Effects->HideGlow(*this, false);
}

void TsCommonData::OnVisibleChanged(bool visible) {
  if (!visible && Effects) Effects->HideGlow(*this, false);
  if (MemoryPriority(Manager())) {
    if (!visible) {
      EmptyPicture();
      if (host_) host_->SendChildrenCommand(AC_FREEPICTURE, 0, true);
    } else {
      PaintSuspended = false;
    }
  }
  CacheStale = true;
}

void TsCommonData::OnPointerEntered() {
  TsSkinManager* m = Manager();
  if (!IsSkinned() || PointerInside || !host_ || host_->DesignMode() || HoverOff(m) || BothStatesTransparent())
    return;
  if (!NeverHotByPointer(ControlKind)) PointerInside = true;
  // The manager tells the control that was hot before to leave.
  if (m) {
    if (void* token = host_->HotToken()) {
      m->SetHotControl(token);
    } else if (const uintptr_t window = host_->HotWindow()) {
      m->SetHotWindow(window);
    }
  }
  if (Effects && !IsSpeedButtonKind(ControlKind)) Effects->ShowGlow(*this);
}

void TsCommonData::OnPointerLeft(bool stillInside) {
  if (HoverOff(Manager()) || (host_ && host_->DesignMode()) || stillInside) return;
  if (!NeverHotByPointer(ControlKind)) PointerInside = false;
  if (Effects && !IsSpeedButtonKind(ControlKind)) Effects->HideGlow(*this, true);
  if (IsSkinned() && KeepsSectionColors(ControlKind) && !IsActive()) ApplyColorsOfState(0, false);
  RepaintHost(false);
}

void TsCommonData::OnShowingChanged(bool visible) {
  if (visible) FinishLoading();
}

void TsCommonData::SkinRemoved(intptr_t) {
  if (Effects) Effects->StopFade(*this);
  if (manager_ && manager_->Destroying()) manager_ = nullptr;
  SectionIndex = BorderIndex = NormalPattern = HotPattern = -1;
  PaintSuspended = true;
  EmptyPicture();
  if (host_ && KeepsSectionColors(ControlKind)) {
    if (!customColor_) host_->SetColor(clWindow);
    if (!customFont_) host_->SetFontColor(clWindowText);
  }
}

std::optional<intptr_t> TsCommonData::OnSkinCommand(uint16_t command, intptr_t argument) {
  switch (command) {
    case AC_SETNEWSKIN:
      if (reinterpret_cast<TsSkinManager*>(argument) != Manager()) return std::nullopt;
      if (Effects) Effects->StopFade(*this);
      ChooseSection();
      EmptyPicture();
      ClassifyBackground(true);
      // A skin coming back after its removal resumes what the removal suspended (an update in progress keeps
      // it) and takes back the colours the removal gave the host; the repaint is only requested, so it
      // happens once the skin is in force.
      if (SuspendCount == 0 && PaintSuspended) {
        PaintSuspended = false;
        ApplySectionColors(false);
        RepaintHost(false);
      }
      return 0;
    case AC_REMOVESKIN:
      SkinRemoved(argument);
      return std::nullopt;  // the host unskins itself too
    case AC_REFRESH:
      if (Effects) Effects->StopFade(*this);
      CacheStale = true;
      PaintSuspended = false;
      ApplySectionColors(false);
      ClassifyBackground(true);
      return 0;
    case AC_ENDPARENTUPDATE:
      if (PaintSuspended && host_) {
        PaintSuspended = false;
        if (host_->Windowed()) host_->Redraw(true);
        host_->SendChildrenCommand(AC_ENDPARENTUPDATE, 0, true);
      }
      return 0;
    case AC_CTRLHANDLED: return 1;
    case AC_SETUPDATING:
      PaintSuspended = argument == 1;
      return 0;
    case AC_MUSTREPAINT:
      if (PaintSuspended) return 1;
      if (!ChildNeedsPicture() || customColor_) return 0;
      return host_ && host_->Windowed() && !PictureMatchesHost() ? 1 : 0;
    case AC_GETANSWERFLAG: return AnswerFlag ? 1 : 0;
    case AC_SECTIONREPAINT: {
      const auto* name = reinterpret_cast<const std::string*>(argument);
      if (name && *name == skinSection_) RepaintHost(false);
      return 0;
    }
    case AC_SETSECTION: {
      const auto* name = reinterpret_cast<const std::string*>(argument);
      if (name) SetSkinSection(*name);
      return 1;
    }
    case AC_PREPARING:
      if (Effects) Effects->StopFade(*this);
      return 0;
    case AC_INVALIDATE:
      CacheStale = true;
      return 0;
    case AC_APPACTIVATED:
      // A picture that could not be built (its parent was not ready) is tried again now; an update in
      // progress keeps painting suspended until it ends.
      if (SuspendCount == 0) PaintSuspended = false;
      RepaintHost(false);
      return 0;
    case AC_BGCHANGED:
      if (NeedsParentPicture()) CacheStale = true;
      if (host_ && host_->Windowed()) {
        if (argument == 1) host_->Invalidate(false);
        host_->SendChildrenCommand(AC_BGCHANGED, argument, false);
      }
      return 0;
    case AC_GETCONTROLCOLOR: return intptr_t(ColorAnswer());
    case AC_SETANSWERFLAG:
      AnswerFlag = true;
      return 0;
    case AC_PREPARECACHE:
      CacheStale = false;
      return 0;
    case AC_GETSECTIONINDEX:
      if (auto* index = reinterpret_cast<int32_t*>(argument)) *index = SectionIndex;
      return 0;
    case AC_FREEPICTURE:
      EmptyPicture();
      if (host_) host_->SendChildrenCommand(AC_FREEPICTURE, 0, true);
      CacheStale = true;
      return 0;
    case AC_GETBG:
      if (auto* request = reinterpret_cast<BackgroundRequest*>(argument)) AnswerBackground(*request, ChildAnswerState());
      return 0;
    case AC_CLASSIFYBG:
      if (argument == 1) {
        ClassifyBackground(true);
      } else if (StateFlags == kStateClassifyPending) {
        ClassifyBackground(false);
      }
      return StateFlags;
    case AC_GETSKINDATA: return reinterpret_cast<intptr_t>(this);
    case AC_ATTACHCOMPONENT:
      AttachedComponent = reinterpret_cast<TComponent*>(argument);
      if (AttachedComponent) {
        StateFlags |= kStateAttached;
      } else {
        StateFlags &= uint16_t(~kStateAttached);
      }
      return 0;
    case AC_GETFONTSECTION: {
      auto* request = reinterpret_cast<TacFontSectionRequest*>(argument);
      const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
      if (!request || !s || !host_) return 0;
      if (TransparentForChildren()) {
        TacFontSectionRequest moved = *request;
        const TPoint at = host_->PositionInParent();
        moved.Bounds = {request->Bounds.Left + at.X, request->Bounds.Top + at.Y, request->Bounds.Right + at.X,
                        request->Bounds.Bottom + at.Y};
        const intptr_t answer = host_->SendParentCommand(AC_GETFONTSECTION, reinterpret_cast<intptr_t>(&moved));
        request->SectionIndex = moved.SectionIndex;
        return answer;
      }
      if (!s->GiveOwnFont) return 0;
      request->SectionIndex = SectionIndex;
      return 1;
    }
    case AC_PAINTOUTER:
      if (const auto* request = reinterpret_cast<const TacOuterPaintRequest*>(argument))
        PaintBindingOuterEffect(*this, *request);
      return 0;
    case AC_RECALCFRAME:
      // Skinned anew: the frame the system leaves for the skin, the section, its colours, the whole window.
      if (!host_ || !host_->Windowed()) return 0;
      host_->RecalculateFrame();
      ChooseSection();
      ApplySectionColors(false);
      RepaintHost(true);
      return 0;
    case AC_GETBOUNDS:
      if (auto* bounds = reinterpret_cast<TRect*>(argument); bounds && host_) {
        const TPoint at = host_->PositionInParent();
        const TSize size = host_->Size();
        *bounds = MakeRect(at.X, at.Y, size.cx, size.cy);
        return 1;
      }
      return 0;
    default: return std::nullopt;
  }
}
