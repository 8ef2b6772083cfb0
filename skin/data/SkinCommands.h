#pragma once
// The skin command message: one private window message whose first parameter
// carries the command in its high 16 bits and whose second carries the
// argument (usually the sending manager). Controls without a window get the
// same three values through a direct call of their handler.
#include <cstdint>

inline constexpr uint32_t kSkinMessage = 41216;  // 0xA100

enum SkinCommand : uint16_t {
  AC_SETNEWSKIN = 1,      // a new skin is in force
  AC_REMOVESKIN = 2,      // the skin is removed
  AC_REFRESH = 3,         // repaint with the current skin
  AC_GETPROVIDER = 4,     // a form's provider, or 0
  AC_CTRLHANDLED = 7,     // 1 when the window passes commands on to its children
  AC_PREPARING = 16,      // a refresh follows
  AC_APPACTIVATED = 18,
  AC_GETCONTROLCOLOR = 21,  // the colour a plain parent paints its background with
  AC_MOUSEENTER = 29,
  AC_MOUSELEAVE = 30,
  AC_GETBG = 34,
  AC_GETSKINDATA = 37,    // a speed button's binding
  AC_PUSHEDSKIN = 71,     // a pushed skin is waiting
};

// The first parameter of the message for a command.
constexpr uintptr_t SkinCommandParam(uint16_t command) { return uintptr_t(command) << 16; }
// The command of a first parameter.
constexpr uint16_t SkinCommandOf(uintptr_t wParam) { return uint16_t((wParam >> 16) & 0xFFFF); }
