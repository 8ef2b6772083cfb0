#pragma once
// Loads a skin for previewing from a package file (".asz") or a skin folder.
#include <string>

#include "skin/data/SkinLoader.h"
#include "tools/skinpreview/PictureFolder.h"

// Raises ESkinError when the skin cannot be loaded.
LoadedSkin LoadPreviewSkin(const std::string& packageOrFolder, const PictureFolder& enginePictures);
