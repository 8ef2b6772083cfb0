#pragma once
// The global information of a skin, from its section "GLOBALINFO".
#include <cstdint>
#include <string>

#include "skin/render/core/Color.h"

class TacSkinOptions;

inline constexpr const char* kGlobalSection = "GLOBALINFO";

class TsSkinData {
 public:
  bool Active = false;     // true while a loaded skin is in force
  bool AeroBlur = false;   // "AEROBLUR", integer, non-zero is true
  std::string Author;
  std::string SkinPath;    // folder of the skin's loose image files
  std::string Description;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  int32_t BorderWidth = 4;
  int32_t TitleHeight = 30;  // 0 in the text means 30
  int32_t MaxHeight = 30;    // maximised title height; 0 or absent means TitleHeight
  int32_t FormOffset = 0;    // default: the system's sizing-frame width
  int32_t CenterOffset = 0;
  int32_t BorderMode = 0;
  int32_t AlignOffset = 0;
  int32_t AlignOffsetR = 0;  // default: AlignOffset
  int32_t AlignOffsetT = 0;
  int32_t AlignOffsetB = 0;
  int32_t BISpace = 0;
  int32_t BIVAlign = 0;
  int32_t BIRight = 0;
  int32_t BILeft = 0;
  int32_t BITop = 0;
  int32_t BIKeepHue = 0;
  int32_t BICloseGlow = 0;
  int32_t BICloseGlowMargin = 0;
  int32_t BIMaxGlow = 0;
  int32_t BIMaxGlowMargin = 0;
  int32_t BIMinGlow = 0;
  int32_t BIMinGlowMargin = 0;
  int32_t ComboMargin = 2;
  int32_t BrightMin = -50;
  int32_t BrightMax = 50;
  int32_t TabsCovering = 0;        // "TABSCOVERING" of section "TABTOP"
  int32_t RibbonTabsCovering = 0;  // "TABSCOVERING" of section "RIBBONTAB"
  TColor Shadow1Color = 0;
  double Version = 0;
};

// What the global part of a load needs from the platform.
struct TsGlobalPartOptions {
  int32_t SystemFrameWidth = 4;  // default "FORMOFFSET" (the system's sizing-frame width, pixels)
};

// "VERSION" of "GLOBALINFO" ("." as decimal point); 0 when absent or unreadable.
double ReadSkinVersion(const TacSkinOptions& text);
// Fills every field from "GLOBALINFO" (and the tabs covering of "TABTOP" and
// "RIBBONTAB"), plain reads with the defaults above; leaves Active and SkinPath.
// An empty text leaves the defaults in place.
void ReadSkinData(const TacSkinOptions& text, const TsGlobalPartOptions& options, TsSkinData& data);
