#pragma once
// The skin binding every skinned control and form owns. It ties its host to a
// section of the active skin: resolves the section by name or by the host's
// kind, tracks whether the host is hot (pointer inside) or focused, keeps the
// host's cached picture with its stale flag, answers the background requests
// of the host's children from that picture, applies the section's colours to
// the host, and reacts to the messages and skin commands that make the picture
// stale. The host paints; the binding decides when and with what.
//
// Everything here is portable: the host is reached through BindingHost,
// and the Windows side (sCommonDataWin) cracks window messages into the typed
// handlers below.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "skin/controls/BindingHost.h"
#include "skin/controls/BindingKinds.h"
#include "skin/data/SectionTable.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/render/core/BackgroundInfo.h"
#include "skin/paint/BackgroundRequest.h"
#include "skin/paint/SkinPaintView.h"

class TsSkinManager;
class TComponent;

enum class TacOuterVisibility { ovNone, ovAlways };

struct TacOuterEffects {
  TacOuterVisibility Visibility = TacOuterVisibility::ovNone;
};

struct TacScrollData {
  int32_t ScrollWidth = -1;  // -1: the skin's
  int32_t ButtonsSize = -1;  // -1: the skin's
};

// StateFlags bits.
inline constexpr uint16_t kStatePlainBackground = 0x0001;  // no picture needed behind the children
inline constexpr uint16_t kStateClassifyPending = 0x0002;  // the whole value 2: not classified yet
inline constexpr uint16_t kStateAttached = 0x0200;         // a component is attached (AC_ATTACHCOMPONENT)
inline constexpr uint16_t kStateUpdating = 0x0800;         // between BeginSuspend and EndSuspend
inline constexpr uint16_t kStateSettingColors = 0x2000;    // the binding is setting the font colour

// LayerFlags of the section's normal state.
inline constexpr uint16_t kLayerGradientMask = 0x0003;  // 1 horizontal, 2 vertical, 3 triangles
inline constexpr uint16_t kLayerTexture = 0x0004;

// AC_GETFONTSECTION: which section a child takes its font colour from.
struct TacFontSectionRequest {
  TRect Bounds;              // the child's bounds in the receiver's client area
  int32_t SectionIndex = -1;  // set by the answering host
};

class TsCommonData {
 public:
  // wantsPicture: the host paints from a cached picture (created empty).
  TsCommonData(BindingHost* host, bool wantsPicture);
  virtual ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // ---- Published properties --------------------------------------------
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  // The manager given, or null for the active (default) one.
  TsSkinManager* SkinManagerProperty() const { return manager_; }
  void SetSkinManager(TsSkinManager* manager);
  const std::string& SkinSection() const { return skinSection_; }  // upper case
  void SetSkinSection(std::string_view name);
  TacOuterEffects OuterEffects;

  // ---- State (public fields, as the hosts read and write them) ---------
  bool HasFocus = false;
  bool PaintSuspended = false;
  bool PointerInside = false;
  bool AnswerFlag = true;  // reported under AC_GETANSWERFLAG
  bool NotLoaded = true;   // no repaints until the host has finished loading
  int32_t ControlKind = 0;
  int32_t GlowHandle = -1;
  int32_t SuspendCount = 0;
  int32_t NormalPattern = -1;
  int32_t HotPattern = -1;
  int32_t BorderIndex = -1;
  int32_t SectionIndex = -1;
  uint16_t LayerFlags = 0;
  uint16_t StateFlags = kStateClassifyPending;
  bool CacheStale = true;
  TComponent* AttachedComponent = nullptr;
  std::unique_ptr<PixelBuffer> CachePicture;  // null for hosts that paint without one
  std::unique_ptr<PixelBuffer> OuterPicture;  // under the last painted outer effect
  BindingEffects* Effects = nullptr;       // fades and glows; none: nothing to do
  void* FadeTimer = nullptr;                  // owned by the effects layer

  BindingHost* Host() const { return host_; }
  // The manager in use: the property, else the default one; may be null.
  TsSkinManager* Manager() const;
  // The active skin seen by the painters (empty without one).
  SkinPaintView PaintView() const;
  // The resolved section, or null.
  const TsGeneralData* Section() const;
  // The state record the painters use for state (limited to the section's states).
  const TsGenState* StateRecord(int32_t state) const;

  // ---- Operations ------------------------------------------------------
  // The host has finished loading: resolves the section and applies its colours.
  void FinishLoading();
  // Chooses the section (by name when set, else the kind's default) and resolves it.
  void ChooseSection();
  // A skin that came into force after the host was loaded (the form was still loading when it was
  // announced), or after its announcement (a skin switched on again is announced before it is in force):
  // chooses the section and takes back the colours a removal replaced with the system's. True when it did.
  bool CatchUpWithSkin();
  void ResolveSection(bool byName);
  // A manager that is not being destroyed, a valid section and a live host;
  // with requireActive also a skin that is switched on.
  bool IsSkinned(bool requireActive = false) const;
  // The host counts as hot (state 1).
  bool IsActive() const;
  // The state for the painters: 1 when active, else 0.
  int32_t PaintState() const { return IsActive() ? 1 : 0; }
  // The state children's backgrounds are answered in.
  int32_t ChildAnswerState() const;
  void RepaintHost(bool full);
  void BeginSuspend();
  void EndSuspend(bool repaint);
  // The answer to AC_GETBG.
  void AnswerBackground(BackgroundRequest& request, int32_t state);
  // The host's visible colour in state.
  TColor ControlColor(int32_t state) const;
  // The answer to AC_GETCONTROLCOLOR.
  TColor ColorAnswer() const;
  // What lies under the host: the parent's answer (the parent's picture with
  // the parent's own origin in it; painters add the host's position), or the
  // host's colour when unskinned. A parent that is not ready gives nothing
  // known (see ParentNotReady).
  BackgroundInfo ParentBackground();
  static bool ParentNotReady(const BackgroundInfo& info) {
    return !info.Bitmap && !info.BitmapReady && info.PlainColor == clFuchsia;
  }
  // The parent's answer as a request (for corner patching); AnswerKind 0 without a parent.
  BackgroundRequest ParentAnswer();
  // CachePicture made and sized to the host.
  void PrepareCache();
  // The start of every picture build: the parent's background with the cache
  // prepared, or nothing while the parent is not ready, painting suspended
  // until it is (skin command 6 lets it go on).
  std::optional<BackgroundInfo> BackgroundForBuild();
  void ApplySectionColors(bool repaint);
  // The binding's colour filters and the corner patch, over a finished picture.
  void ApplyColorAdjustments(PixelBuffer& picture);
  // The picture's transparent border corners take the parent's background.
  void PatchCornersFromParent(PixelBuffer& picture);
  // The filters alone; the painting wrapper uses the raw saturation.
  void ApplyColorFilters(PixelBuffer& picture, bool scaledSaturation) const;
  // A colour through the same filters, resolved to RGB (for text).
  TColor AdjustColor(TColor color) const;
  // The recolouring of the finished picture (published by TsCtrlSkinData).
  int32_t HUEOffset() const { return hueOffset_; }
  int32_t Saturation() const { return saturation_; }
  TColor ColorTone() const { return colorTone_; }
  // Stores the three without repainting, for painters that draw one part of a host unrecoloured.
  void SetAdjustmentsQuietly(int32_t hue, int32_t saturation, TColor tone);
  bool HasColorAdjustments() const { return hueOffset_ != 0 || saturation_ != 0 || colorTone_ != clNone; }
  // Background classification; with children, every child is told to classify too.
  void ClassifyBackground(bool children);
  // Whether a child needs the host's picture as its background.
  bool ChildNeedsPicture() const;
  // The host is transparent to its children.
  bool TransparentForChildren() const;
  // Normal and hot states are both fully transparent.
  bool BothStatesTransparent() const;
  // The host's picture depends on its parent's (it lets the parent show through somewhere).
  bool NeedsParentPicture() const;
  // The manager allows outer effects and the host asks for them.
  bool OuterEffectsApply() const;

  // ---- Messages (cracked by the window side) ---------------------------
  void OnMove();
  void OnSize();
  void OnFocusGained();
  void OnFocusLost();
  void OnShowWindow();
  void OnEnabledChanged();
  // true: consumed.
  bool OnUpdateUiState() const { return IsSkinned(); }
  void OnVisibleChanged(bool visible);
  // stillInside: the pointer is still over the host's visible area.
  void OnPointerEntered();
  void OnPointerLeft(bool stillInside);
  void OnShowingChanged(bool visible);
  // A skin command; the answer when consumed, none when it is not.
  std::optional<intptr_t> OnSkinCommand(uint16_t command, intptr_t argument);

 protected:
  // The recolouring setters' common part: store, finish loading, repaint.
  void SetAdjustments(int32_t hue, int32_t saturation, TColor tone);
  bool StateTransparent(int32_t state) const;  // Transparency of the state is 100
  void EmptyPicture();
  void RebuildCache();  // AC_PREPARECACHE to the host
  bool PictureMatchesHost() const;
  TColor HostColorOrForm() const;
  TColor ParentColorAnswer() const;
  void ApplyColorsOfState(int32_t state, bool repaint);
  void SkinRemoved(intptr_t managerArgument);

 private:
  BindingHost* host_;
  TsSkinManager* manager_ = nullptr;
  bool customColor_ = false;
  bool customFont_ = false;
  std::string skinSection_;
  int32_t hueOffset_ = 0;
  int32_t saturation_ = 0;
  TColor colorTone_ = clNone;
};

// The control binding: adds colour tone, hue offset and saturation of the finished picture.
class TsCtrlSkinData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
  void SetHUEOffset(int32_t value) { SetAdjustments(value, Saturation(), ColorTone()); }
  void SetSaturation(int32_t value) { SetAdjustments(HUEOffset(), value, ColorTone()); }
  void SetColorTone(TColor value) { SetAdjustments(HUEOffset(), Saturation(), value); }
};

// The binding of scrolling windows: the sizes of their two scroll bars.
class TsScrollWndData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
  TacScrollData HorzScrollData;
  TacScrollData VertScrollData;
};
