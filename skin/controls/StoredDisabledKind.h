#pragma once
// The disabled look of skinned controls as stored definitions give it: a list
// of "dkBlended" and "dkGrayed" (an empty list: neither).
#include "skin/render/core/DisabledLook.h"
#include "toolkit/FormReader.h"

// Any other name in the list is an error of the definition.
TsDisabledKind ReadDisabledKind(const TStoredReader& r);
