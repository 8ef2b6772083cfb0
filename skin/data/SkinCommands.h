#pragma once
// The skin command message: one private window message whose first parameter
// carries the command in its high 16 bits and whose second carries the
// argument (usually the sending manager). Controls without a window get the
// same three values through a direct call of their handler.
#include <cstdint>

inline constexpr uint32_t kSkinMessage = 41216;  // 0xA100

enum SkinCommand : uint16_t {
  AC_SETNEWSKIN = 1,       // a new skin is in force
  AC_REMOVESKIN = 2,       // the skin is removed
  AC_REFRESH = 3,          // repaint with the current skin
  AC_GETPROVIDER = 4,      // a form's provider, or 0
  AC_ENDPARENTUPDATE = 6,  // the parent has finished updating: suspended painting resumes
  AC_CTRLHANDLED = 7,      // 1 when the window passes commands on to its children
  AC_SETUPDATING = 8,      // painting suspended while the argument is 1
  AC_GETDEFINDEX = 9,      // the default section of the host: its index + 1, 0 for none
  AC_MUSTREPAINT = 10,     // 1 when painting must wait (or repaint behind the children)
  AC_GETANSWERFLAG = 11,   // the binding's answer flag: its background changed
  AC_SECTIONREPAINT = 13,  // argument: a section name (const std::string*); repaint when it is the host's
  AC_DROPPEDDOWN = 14,     // 1 while a combo box's list is open
  AC_SETSECTION = 15,      // argument: a section name (const std::string*); answers 1
  AC_PREPARING = 16,       // a refresh follows
  AC_INVALIDATE = 17,      // the cached picture is stale
  AC_APPACTIVATED = 18,    // repaint
  AC_BGCHANGED = 20,       // the background changed; argument 1: invalidate the window too
  AC_BGISPICTURE = 19,     // 1 when a form's background is no plain colour (gradient, texture, painted mask centre)
  AC_GETCONTROLCOLOR = 21, // the visible colour (RGB) of the host
  AC_SETANSWERFLAG = 22,
  AC_PREPARECACHE = 23,    // build the picture now; from a host: the picture is ready
  AC_ADAPTCONTROL = 25,    // a form's adapter takes the control given (or re-scans the form)
  AC_GETSECTIONINDEX = 26, // argument: int32_t* that receives the section index
  AC_MOUSEENTER = 29,
  AC_MOUSELEAVE = 30,
  AC_BEGINUPDATE = 31,
  AC_ENDUPDATE = 32,
  AC_FREEPICTURE = 33,     // free the cached picture (children too)
  AC_GETBG = 34,
  AC_CLASSIFYBG = 36,      // argument 1: classify with the children; else answers the state flags
  AC_GETSKINDATA = 37,     // a control's binding
  AC_ATTACHCOMPONENT = 38, // argument: the component painting for the host, or 0
  AC_PAINTOUTER = 40,      // paint the outer effects into the record given
  AC_SUSPENDREDRAW = 51,   // a form stops redrawing
  AC_RESUMEREDRAW = 52,    // a form redraws again, at once with its frame and children
  AC_RECALCFRAME = 53,     // the frame is recalculated and the host re-skinned
  AC_GETAPPLICATION = 60,  // the application object
  AC_GETCLIENTORIGIN = 61, // a form's client origin in its frame picture: x in the low word, y in the high word
  AC_REPAINTFRAME = 62,    // argument 1: the frame picture is stale; the frame is shown again
  AC_SETGLUED = 63,        // argument 1: the form was moved by a glued partner; 0 clears the mark
  AC_GETGLUED = 64,        // 1 while the mark is set
  AC_SETALPHA = 65,        // argument: the form's opacity 0..255; 255 is the form's own look
  AC_GETFONTSECTION = 66,  // argument: TacFontSectionRequest*; answers 1 when a section was given
  AC_GETFRAMEWIDTH = 68,   // a form's frame width; the argument is the answer when there is none
  AC_GETBOUNDS = 70,       // argument: TRect* that receives the host's bounds
  AC_PUSHEDSKIN = 71,      // a pushed skin is waiting
};

// The first parameter of the message for a command.
constexpr uintptr_t SkinCommandParam(uint16_t command) { return uintptr_t(command) << 16; }
// The command of a first parameter.
constexpr uint16_t SkinCommandOf(uintptr_t wParam) { return uint16_t((wParam >> 16) & 0xFFFF); }
