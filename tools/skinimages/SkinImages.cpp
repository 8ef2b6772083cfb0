#include "tools/skinimages/SkinImages.h"

Canvas FrameStrip(int frameWidth, int frameHeight, int count, const std::function<void(Canvas&, int)>& draw) {
  Canvas strip(frameWidth * count, frameHeight);
  for (int i = 0; i < count; ++i) {
    Canvas frame(frameWidth, frameHeight);
    draw(frame, i);
    strip.Place(frame, i * frameWidth, 0);
  }
  return strip;
}

std::vector<GeneratedImage> BuiltinSkinImages() {
  std::vector<GeneratedImage> images = FrameImages();
  for (auto* group : {GlyphImages, EffectImages})
    for (GeneratedImage& image : group()) images.push_back(std::move(image));
  return images;
}
