#pragma once
// What the program module carries for the skin engine in its resources: data
// resources by name, and the engine's own pictures. Windows only.
#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/BuiltinPictures.h"

// The bytes of the program's data resource (RCDATA) of this name; empty when there is none.
std::span<const uint8_t> ProgramResourceData(std::string_view name);

// The engine's pictures from the program's resources, decoded on first use:
// the blur bitmap "BLUR5" and the PNG pictures "acSHDA", "acSHDI", "acGLOW"
// and "acHINT". In the two shadow pictures every white pixel of alpha 0 is
// cleared to zero. A picture the program lacks is null; a damaged one raises
// ESkinError.
const BuiltinPictures& ProgramPictures();
