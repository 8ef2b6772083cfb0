#pragma once
// Which layer answers each skin command. A command is sent to a window or a
// control; what happens depends on who holds it: the control's skin binding,
// a skinned control's own window, a window handler that took over a standard
// window, the skin provider of a form, or the application window. A command
// no layer lists here is answered with 0 and changes nothing.
#include <cstdint>

#include "skin/data/SkinCommands.h"

enum SkinCommandLayer : uint8_t {
  kLayerBinding = 1,       // the skin binding of a control or form
  kLayerControl = 2,       // a skinned control's own handling (edit, memo, combo box, speed button)
  kLayerHandler = 4,       // the window handler of a standard window
  kLayerProvider = 8,      // the skin provider of a form
  kLayerApplication = 16,  // the application window (the pushed skin)
};

struct SkinCommandLayers {
  uint16_t Command;
  uint8_t Layers;
};

inline constexpr SkinCommandLayers kSkinCommandLayers[] = {
    {AC_SETNEWSKIN, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_REMOVESKIN, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_REFRESH, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_GETPROVIDER, kLayerProvider},
    {AC_ENDPARENTUPDATE, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_CTRLHANDLED, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_SETUPDATING, kLayerBinding | kLayerHandler | kLayerProvider},
    {AC_GETDEFINDEX, kLayerControl},
    {AC_MUSTREPAINT, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_GETANSWERFLAG, kLayerBinding},
    {AC_SECTIONREPAINT, kLayerBinding},
    {AC_DROPPEDDOWN, kLayerControl},
    {AC_SETSECTION, kLayerBinding | kLayerHandler},
    {AC_PREPARING, kLayerBinding},
    {AC_INVALIDATE, kLayerBinding | kLayerProvider},
    {AC_APPACTIVATED, kLayerBinding | kLayerControl},
    {AC_BGISPICTURE, kLayerProvider},
    {AC_BGCHANGED, kLayerBinding},
    {AC_GETCONTROLCOLOR, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_SETANSWERFLAG, kLayerBinding},
    {AC_PREPARECACHE, kLayerBinding | kLayerControl | kLayerHandler | kLayerProvider},
    {AC_ADAPTCONTROL, kLayerProvider},
    {AC_GETSECTIONINDEX, kLayerBinding},
    {AC_MOUSEENTER, kLayerHandler},
    {AC_MOUSELEAVE, kLayerControl | kLayerHandler | kLayerProvider},
    {AC_ENDUPDATE, kLayerProvider},
    {AC_FREEPICTURE, kLayerBinding},
    {AC_GETBG, kLayerBinding | kLayerHandler | kLayerProvider},
    {AC_CLASSIFYBG, kLayerBinding | kLayerProvider},
    {AC_GETSKINDATA, kLayerBinding | kLayerHandler},
    {AC_ATTACHCOMPONENT, kLayerBinding},
    {AC_SUSPENDREDRAW, kLayerProvider},
    {AC_RESUMEREDRAW, kLayerProvider},
    {AC_GETAPPLICATION, kLayerHandler | kLayerProvider},
    {AC_GETCLIENTORIGIN, kLayerProvider},
    {AC_REPAINTFRAME, kLayerProvider},
    {AC_SETGLUED, kLayerProvider},
    {AC_GETGLUED, kLayerProvider},
    {AC_SETALPHA, kLayerProvider},
    {AC_GETFONTSECTION, kLayerBinding | kLayerProvider},
    {AC_GETFRAMEWIDTH, kLayerProvider},
    {AC_GETBOUNDS, kLayerBinding},
    {AC_PUSHEDSKIN, kLayerApplication},
};

// The layers that answer command (0: none).
constexpr uint8_t LayersOf(uint16_t command) {
  for (const SkinCommandLayers& c : kSkinCommandLayers)
    if (c.Command == command) return c.Layers;
  return 0;
}

constexpr bool AnsweredBy(uint16_t command, SkinCommandLayer layer) { return (LayersOf(command) & layer) != 0; }
