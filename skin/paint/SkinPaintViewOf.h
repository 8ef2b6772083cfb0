#pragma once
// The paint view of a skin manager's loaded skin; a null manager means the
// default (active) one. Without a manager or a loaded skin the view is empty
// and every painter returns without painting.
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/SkinPaintView.h"

inline SkinPaintView PaintViewOf(const LoadedSkin& skin, bool active = true) {
  return {&skin.Sections, &skin.Images.Masks(), &skin.Images.MasterBitmap, active};
}

inline SkinPaintView PaintViewOf(const TsSkinManager* manager) {
  if (!manager) manager = DefaultManager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  if (!skin) return {};
  return PaintViewOf(*skin, manager->Active());
}
