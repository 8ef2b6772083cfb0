#include "skin/handlers/TacSizerWnd.h"

#include "skin/controls/ScrollBarPainter.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"

TacSizerWnd::~TacSizerWnd() { Detach(); }

PixelBuffer TacSizerWnd::Picture() {
  PixelBuffer picture = ClientPicture();
  if (picture.Empty()) return picture;
  const TsSkinManager& m = *Manager();
  const ScrollBarSkin skin = ScrollBarSkinOf(SkinData().PaintView(), m.Elements(), GlobalColor(m.Skin()->Colors),
                                             m.ButtonsOptions.ShiftContentOnClick);
  BackgroundInfo bg = SkinData().ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) bg = {};
  ScrollCornerLook look;
  look.Grip = true;
  PaintScrollCorner(skin, look, bg, {0, 0}, picture);
  return picture;
}
