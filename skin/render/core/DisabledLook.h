#pragma once
// The look of a disabled control: desaturated and/or mixed into what lies behind it.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/PixelBuffer.h"

// Flags of a disabled look (sets of these are the DisabledKind of controls).
enum TsDisabledKindFlag : uint8_t { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKind = uint8_t;

constexpr double kDisabledBlendWeight = 0.4;  // the control's share in the blend
constexpr int kDisabledSaturation = -90;      // percent

// Applies the disabled look to a control's picture. position is the control's
// place in the area bg describes; parentColor is the parent's colour of the
// control, used when bg has neither a ready picture nor a plain colour.
void ApplyDisabledLook(PixelBuffer& buffer, TsDisabledKind kind, TPoint position, const BackgroundInfo& bg,
                       TColor parentColor);
