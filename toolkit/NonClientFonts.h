#pragma once
// The fonts the system uses outside client areas (captions, menus, status
// bars and hints, message boxes), read in one place. Windows only.
#include <windows.h>

enum class NonClientFont { Caption, Menu, Status, Message };

// The system's description of that font; zeroed (the system's default font)
// when the system does not give it.
LOGFONTW NonClientLogFont(NonClientFont kind);
