#pragma once
// Makes the window handler the child table names for one child window of a
// system dialog. Windows only.
#include <windows.h>

#include <memory>

#include "skin/dialogs/ChildHandlerTable.h"

class TacMainWnd;
class TsSkinManager;

// The facts the table reads, from the window.
ChildWindowFacts ReadChildFacts(HWND child);
// The handler for the choice, attached to the child; null for kinds this
// program has no handler for (the child keeps its own look).
std::unique_ptr<TacMainWnd> CreateChildHandler(HWND child, const ChildHandlerChoice& choice, TsSkinManager& manager);
