#pragma once
// TColorManager: converts rows of PNG samples into rows of 32-bit BGRA
// pixels. 16-bit samples arrive big-endian and are reduced to 8 bits as
// sample * 255 / 65535; the file gamma, once set, is applied to colour
// samples (never to alpha). Indexed targets (grey and palette pictures) are
// written through a 256-entry lookup of ready pixels.
#include <array>
#include <cstdint>

enum class TColorScheme { Indexed, Gray, GrayAlpha, RGB, RGBA, BGR, BGRA };

class TColorManager {
 public:
  static constexpr double kDisplayGamma = 2.2;

  // Each setter validates its value (ESkinError with the engine's texts).
  void SetSourceBitsPerSample(int bits);
  void SetTargetBitsPerSample(int bits);
  void SetSourceSamplesPerPixel(int count);
  void SetTargetSamplesPerPixel(int count);
  void SetSourceColorScheme(TColorScheme scheme);
  void SetTargetColorScheme(TColorScheme scheme);
  // Rebuilds the gamma table for the target depth and applies it from now on.
  void SetGamma(double fileGamma, double displayGamma = kDisplayGamma);
  // The palette of an indexed source: count RGB triples (at most 256).
  void SetPalette(const uint8_t* rgbTriples, int count);

  // Checks that the settings fit together and picks the row method.
  void Prepare();

  // Converts count pixels; target pixels lie targetStep pixels apart
  // (1 for whole rows, the column step for interlaced passes).
  void ConvertRow(const uint8_t* source, uint32_t* target, int32_t count, int32_t targetStep) const;

  // The gamma-corrected value of an 8-bit colour sample (itself without gamma).
  uint8_t Gamma8(uint8_t value) const { return gamma8_[value]; }
  bool GammaOn() const { return gammaOn_; }

 private:
  enum class Method { None, Index1, Index2, Index4, Index8, Gray16, GrayAlpha8, GrayAlpha16, RGB8, RGB16, RGBA8, RGBA16 };
  void BuildGammaTables();
  void BuildGrayLookup();
  int TargetMax() const;

  int sourceBits_ = 8;
  int targetBits_ = 8;
  int sourceSamples_ = 1;
  int targetSamples_ = 1;
  TColorScheme sourceScheme_ = TColorScheme::Gray;
  TColorScheme targetScheme_ = TColorScheme::Indexed;
  bool gammaOn_ = false;  // target gamma option
  double fileGamma_ = 1.0;
  double displayGamma_ = kDisplayGamma;
  std::array<uint8_t, 256> gammaTarget_{};  // over 0..TargetMax()
  std::array<uint8_t, 256> gamma8_{};       // over 0..255, for colour samples
  std::array<uint32_t, 256> lookup_{};      // indexed targets: sample value -> pixel
  Method method_ = Method::None;
};
