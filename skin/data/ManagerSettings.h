#pragma once
// The settings objects of the skin manager, each with its stored defaults.
#include <cstdint>
#include <string>

#include "skin/render/core/Color.h"

enum class TacOptimizingPriority { opSpeed, opMemory };
enum class TacAnimType { atFading, atAero };

struct TacSkinEffects {
  bool AllowAnimation = true;
  bool AllowAeroBluring = true;
  bool AllowGlowing = true;
  bool AllowOuterEffects = false;
  bool DiscoloredGlyphs = false;
};

struct TacOptions {
  bool CheckEmptyAlpha = false;         // index 0
  bool NoMouseHover = false;            // index 1
  bool NativeBordersMaximized = false;  // index 2
  bool StdGlyphsOrder = false;          // index 3
  bool ChangeSysColors = false;         // index 4
  TacOptimizingPriority OptimizingPriority = TacOptimizingPriority::opSpeed;
};

struct TacScrollBarsSupport {
  int ScrollSize = -1;   // negative: the system's vertical scroll bar width
  int ButtonsSize = -1;  // negative: the same system width
};

struct TacButtonsSupport {
  bool ShowFocusRect = true;
  bool ShiftContentOnClick = true;
};

struct TacLabelsSupport {
  bool TransparentAlways = true;
};

struct TacFontSetting {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = 0;  // black
};

inline constexpr const char* kDefaultIcoLineSkin = "ICOLINE";

struct TacMenuSupport {
  uint8_t AlphaBlend = 255;
  std::string IcoLineSkin;  // set to "ICOLINE" when empty once the settings are read
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TacFontSetting ExtraLineFont;
};

// One animation's switches; Time in milliseconds.
struct TacAnimation {
  bool Active = true;
  uint16_t Time = 0;
};
struct TacModedAnimation : TacAnimation {
  TacAnimType Mode = TacAnimType::atAero;
};
using TacFormShow = TacModedAnimation;
using TacFormHide = TacModedAnimation;
using TacDialogShow = TacModedAnimation;
using TacPageChange = TacAnimation;
struct TacMinimizing : TacAnimation {
  TacMinimizing() { Time = 120; }
};
struct TacSkinChanging : TacModedAnimation {
  TacSkinChanging() {
    Time = 100;
    Mode = TacAnimType::atFading;
  }
};
struct TacBlendOnMoving : TacAnimation {
  TacBlendOnMoving() {
    Active = false;
    Time = 1000;
  }
  uint8_t BlendValue = 170;
};
enum TacBtnEvent : uint8_t { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
struct TacBtnEffects : TacAnimation {
  uint8_t Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

struct TacAnimEffects {
  TacFormShow FormShow;
  TacFormHide FormHide;
  TacFormHide DialogHide;
  TacDialogShow DialogShow;
  TacPageChange PageChange;
  TacMinimizing Minimizing;
  TacSkinChanging SkinChanging;
  TacBlendOnMoving BlendOnMoving;
  TacBtnEffects Buttons;
};

enum TacSkinningRule : uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
inline constexpr uint8_t kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;
