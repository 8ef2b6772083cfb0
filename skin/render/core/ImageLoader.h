#pragma once
// Decoding a skin image file by the extension of its name: ".BMP" as a
// bitmap, ".JPG" and ".JPEG" with the JPEG reader, ".PNG" with the PNG
// decoder; the extension is compared without regard to case.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "skin/render/core/DecodedImage.h"
#include "skin/render/core/SkinError.h"

enum class ImageFileKind { Unknown, Bmp, Jpeg, Png };

ImageFileKind ImageKindOfName(std::string_view fileName);

// Decodes the file's bytes by its name's extension; std::nullopt when the
// extension is none of the above. Throws ESkinError when the bytes are bad.
std::optional<DecodedImage> DecodeImageByName(std::string_view fileName, const uint8_t* data, size_t size);
