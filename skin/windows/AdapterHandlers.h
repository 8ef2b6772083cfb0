#pragma once
// Makes the window handler of a handler class for a window. A class without a
// built handler gives none: its control keeps its own look.
#include <windows.h>

#include <memory>

#include "skin/controls/TacMainWnd.h"
#include "skin/windows/AdapterRules.h"

std::unique_ptr<TacMainWnd> MakeAdapterHandler(HandlerClass handler, HWND window, const TacHandlerParams& params,
                                               TsSkinManager* manager);
