#pragma once
// The manager's hue, saturation and brightness settings applied to a loaded
// skin: its pictures, state colours, gradient points and skin-wide colours.
struct LoadedSkin;

struct SkinAdjustments {
  int HueOffset = 0;   // degrees
  int Saturation = 0;  // percent, -100..100 in practice
  int Brightness = 0;  // -100..100
};

// Hue, then saturation, then brightness, each only when it is not 0.
void ApplySkinAdjustments(LoadedSkin& skin, const SkinAdjustments& adjustments);
