#pragma once
// The stored definition of the renamer's main window.
#include "toolkit/FormReader.h"

const TFormDefinition& MainWindowDefinition();

// Lets the definition name built-in pictures (the speed button's "Glyph").
void RegisterBuiltinGlyphs();
