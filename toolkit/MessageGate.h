#pragma once
// Any program on the desktop can send or post a message to our windows. The
// skin command message and the toolkit's own notifications carry addresses
// in this program in their parameters, and acting on one that another
// program made up ends the program, so those messages are taken only from
// this thread. Every toolkit window procedure asks MessageAdmitted before it
// dispatches; a refused message goes past all of our handling.
//
//  - Sent: a thread-local call-window hook is told, for each message sent to
//    the thread, whether this thread sent it, just before the window
//    procedure runs. (InSendMessage alone would refuse our own sends made
//    while we handle a message from another thread.)
//  - Posted: a thread-local get-message hook turns each such message taken
//    from the queue into WM_NULL unless PostOwnMessage posted it, in every
//    message loop, modal ones included.
#include <windows.h>

#include "toolkit/Messages.h"

// The skin engine's command message: the engine names its commands, the
// toolkit only knows that its second parameter may be an address.
constexpr UINT kSkinCommandMessage = 0xA100;

// The skin command message and the toolkit's notifications (CM_BASE up to the
// registered messages).
constexpr bool CarriesAddresses(UINT msg) { return msg == kSkinCommandMessage || (msg >= CM_BASE && msg < 0xC000); }

// False for a message that CarriesAddresses and comes from another thread or
// was posted by anyone but PostOwnMessage. Installs the hooks on the calling
// thread on first use.
bool MessageAdmitted(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// PostMessageW for messages that CarriesAddresses, to a window of this thread.
bool PostOwnMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
