#pragma once
// The pictures of the built-in skin and the engine's own pictures, drawn by
// code. Every picture holds its state images side by side; a masked picture
// is written as a 24-bit bitmap with its grey mask stacked below it (black
// shows the image, white leaves what lies under it), which lets the painters
// blend anti-aliased edges over any background.
#include <functional>
#include <string>
#include <vector>

#include "tools/skinimages/Canvas.h"

enum class ImageFormat {
  Bmp,        // 24-bit; transparent pixels in the key colour magenta
  MaskedBmp,  // 24-bit, picture over its mask
  Png,        // 8-bit RGBA, straight alpha
};

struct GeneratedImage {
  std::string FileName;  // upper case, as the options text names it
  ImageFormat Format = ImageFormat::Bmp;
  Canvas Picture;  // all state images, side by side
};

// A picture of `count` state images of frameWidth x frameHeight, each drawn by `draw`.
Canvas FrameStrip(int frameWidth, int frameHeight, int count, const std::function<void(Canvas&, int)>& draw);

// Palette of the light look; values are shared by the pictures and the options text.
namespace palette {
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kFace{240, 240, 240};        // window and panel surface
inline constexpr Rgb kMenu{242, 242, 242};        // pop-up menu surface
inline constexpr Rgb kAccent{0, 120, 215};        // hot and focused elements
inline constexpr Rgb kAccentDark{0, 84, 153};     // pressed accent
inline constexpr Rgb kButton{225, 225, 225};
inline constexpr Rgb kButtonBorder{173, 173, 173};
inline constexpr Rgb kButtonHot{229, 241, 251};
inline constexpr Rgb kButtonPressed{204, 228, 247};
inline constexpr Rgb kEditBorder{122, 122, 122};
inline constexpr Rgb kGlyph{51, 51, 51};          // check box and radio outlines and marks
inline constexpr Rgb kArrow{96, 96, 96};          // scroll and combo arrows
inline constexpr Rgb kTitleHot{229, 229, 229};    // title button under the pointer
inline constexpr Rgb kTitlePressed{204, 204, 204};
inline constexpr Rgb kCloseHot{232, 17, 35};
inline constexpr Rgb kClosePressed{241, 112, 122};
inline constexpr Rgb kInactiveBorder{170, 170, 170};
inline constexpr Rgb kLightLine{217, 217, 217};   // tab and page outlines
inline constexpr Rgb kSeparator{215, 215, 215};
inline constexpr Rgb kMenuBorder{204, 204, 204};
inline constexpr Rgb kToolHot{229, 243, 255};
inline constexpr Rgb kToolHotBorder{204, 232, 255};
inline constexpr Rgb kToolPressedBorder{153, 209, 255};
inline constexpr Rgb kScrollHot{218, 218, 218};
inline constexpr Rgb kThumb{205, 205, 205};
inline constexpr Rgb kThumbHot{166, 166, 166};
inline constexpr Rgb kTabHot{216, 234, 249};
inline constexpr Rgb kTabHotBorder{126, 180, 234};
}  // namespace palette

std::vector<GeneratedImage> FrameImages();   // nine-slice borders of the sections
std::vector<GeneratedImage> GlyphImages();   // check boxes, radios, title buttons, arrows, grips
std::vector<GeneratedImage> EffectImages();  // extended border shadow and glows of the skin
std::vector<GeneratedImage> EnginePictures();  // "BLUR5", "acSHDA", "acSHDI", "acGLOW", "acHINT"

// All pictures of the built-in skin, in a fixed order.
std::vector<GeneratedImage> BuiltinSkinImages();
