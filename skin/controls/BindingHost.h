#pragma once
// What a skin binding needs of the control, form or plain window it belongs
// to. The Windows side implements it over toolkit controls, form providers and
// window handlers; tests fake it. Nothing here knows a window handle.
#include <cstdint>
#include <string>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/BackgroundRequest.h"

class TsCommonData;

class BindingHost {
 public:
  virtual ~BindingHost() = default;

  // What the host is.
  virtual std::string ClassName() const = 0;  // the section name of last resort
  virtual bool IsControl() const { return true; }  // a toolkit control (HostControl)
  virtual bool IsForm() const { return false; }    // the binding of a form's skin provider
  virtual bool Windowed() const = 0;               // has a window of its own (or will have)
  // What the manager keeps as its hot control (a toolkit control), or null;
  // a host without one may name its window as the manager's hot window instead.
  virtual void* HotToken() { return nullptr; }
  virtual uintptr_t HotWindow() const { return 0; }

  // Its life.
  virtual bool Destroying() const = 0;
  virtual bool Loading() const = 0;
  virtual bool DesignMode() const { return false; }
  virtual bool Enabled() const = 0;
  virtual bool Showing() const = 0;
  virtual bool CanFocus() const { return Windowed(); }
  virtual bool TabStop() const { return Windowed(); }
  virtual bool WindowFocused() const = 0;  // its window holds the keyboard focus

  // Its place: size, and the position of its top-left corner in the parent's client area.
  virtual TSize Size() const = 0;
  virtual TPoint PositionInParent() const = 0;
  virtual bool HasParent() const = 0;
  virtual bool ParentHasWindow() const { return HasParent(); }

  // Colours (TColor; system colours allowed). For a form binding: the form's.
  virtual TColor Color() const = 0;
  virtual void SetColor(TColor color) = 0;
  virtual TColor FontColor() const = 0;
  virtual void SetFontColor(TColor color) = 0;

  // Skin commands: to the host itself (through its window or by direct
  // dispatch), to its parent, and to every child (windowed ones only when asked).
  virtual intptr_t SendCommand(uint16_t command, intptr_t argument) = 0;
  virtual intptr_t SendParentCommand(uint16_t command, intptr_t argument) = 0;
  virtual void SendChildrenCommand(uint16_t command, intptr_t argument, bool windowedOnly) = 0;
  // The parent's background (AC_GETBG, with the platform fallbacks); false without a parent.
  virtual bool AskParentBackground(BackgroundRequest& request, bool pleaseDraw) = 0;
  // The parent's colour when it does not answer: its window's colour, clBtnFace without one.
  virtual TColor ParentColor() const = 0;

  // A skinned windowed host is offered to its form's control adapter (AC_ADAPTCONTROL to the form).
  virtual void OfferToAdapter() {}
  // A form binding: the provider paints an extra title area (a header band) over the client.
  virtual bool ExtraTitleArea() const { return false; }

  // A windowed host has its frame (non-client area) worked out again by the system.
  virtual void RecalculateFrame() {}

  // Repainting: a windowless host asks its parent; a windowed one is redrawn
  // with its frame and children (erased), now when `now`.
  virtual void Invalidate(bool erase) = 0;
  virtual void Redraw(bool now) = 0;

  // Drawing into a platform device context given in a background request.
  virtual void FillTarget(void* /*dc*/, const TRect& /*rect*/, TColor /*color*/) {}
  virtual void CopyToTarget(void* /*dc*/, const TRect& /*rect*/, const PixelBuffer& /*picture*/, TPoint /*from*/) {}
};

// The fade and glow effects that a binding starts, stops and hides. The
// effects layer installs one; without it these are nothing to do.
class BindingEffects {
 public:
  virtual ~BindingEffects() = default;
  virtual void StopFade(TsCommonData&) {}
  virtual bool FadeRunning(const TsCommonData&) const { return false; }
  virtual void ShowGlow(TsCommonData&) {}
  virtual void HideGlow(TsCommonData&, bool /*fadeOut*/) {}
  virtual void RefreshOuterEffects(TsCommonData&) {}
  virtual void FreeEffects(TsCommonData&) {}  // at destruction and on skin removal
};
