#pragma once
// Windows only: the cracking of a host's messages into the binding's typed
// handlers, and the copy of the binding's picture to a window.
#include <functional>

#include "skin/controls/BindingHost.h"
#include "toolkit/Control.h"

class TsCommonData;
class TWinControl;

// The skin command message to a control: through its window when it has one, else dispatched directly.
intptr_t SendSkinCommand(TControl& control, uint16_t command, intptr_t argument);

// Copies the binding's picture (from `from` on) into rect of dc, leaving out
// the visible windowed children of the host that overlap it (they paint
// themselves). With patchCorners the picture's transparent corners take the
// parent's background first. Nothing without a picture.
void CopyCacheToDc(TsCommonData& binding, HDC dc, const TRect& rect, TPoint from, bool patchCorners);

// The binding's part of a host's message handling, called before the host's
// own: true when the message was consumed (its answer is in message.Result).
bool HandleBindingMessage(TsCommonData& binding, TMessage& message);

// Whether a windowed control's cached picture can be copied out. The picture is
// rebuilt first when it is stale, forced, or cannot be trusted to match what
// lies behind (the control half outside its parent, or a parent whose
// background changed); a build that fails suspends the control's painting.
bool CachedPictureReady(TWinControl& control, TsCommonData& binding, bool forceRebuild,
                        const std::function<bool()>& build);
