#pragma once
// Building the image catalog at a load: the master bitmap, every image value
// of the options text, the outer-effect images of "GLOBALINFO" and the
// bitmaps of the manager's common sections.
#include <string_view>

#include "skin/data/BuiltinPictures.h"
#include "skin/data/ImageCatalog.h"
#include "skin/data/OuterEffects.h"
#include "skin/data/SkinImageFiles.h"
#include "skin/data/SkinOptions.h"

class TsSkinManager;

struct CatalogLoadRules {
  double Version = 0;   // the skin's "VERSION": PNG pictures of skins above 7.45 are premultiplied...
  int Brightness = 0;   // ...when the manager's Brightness is 0 or below
  TsSkinManager* Owner = nullptr;
};

// Replaces the catalog's contents with the master bitmap and one record per
// image value of the text, in section and key order. Pictures come from
// `files`, each file once. Raises ESkinError for a number field that is not a
// number and for a picture that cannot be decoded.
void BuildImageCatalog(TsImageCatalog& catalog, const TacSkinOptions& text, SkinImageFiles& files,
                       const CatalogLoadRules& rules);

// Gives both outer-effect records their images by their Source: none (0), the
// "LO_MASK" / "SH_MASK" value (1), or a picture made from the built-in blur
// picture (2, the default; none when the program has no such picture).
void BuildOuterEffectImages(TsImageCatalog& catalog, TacOutEffArray& effects, const TacSkinOptions& text,
                            const BuiltinPictures* builtins, TsSkinManager* owner);

// Adds one record with its own picture per bitmap named in the common sections
// (the manager's extra options text), looked up in `folder`.
void AddCommonSectionImages(TsImageCatalog& catalog, const TacSkinOptions& commonSections, SkinImageFiles& folder,
                            TsSkinManager* owner);

// CornerKind of a bordered record: whether the corners of its first state
// image hold a key-colour pixel.
int32_t ComputeCornerKind(const TsImageCatalog& catalog, const TsMaskData& mask);
