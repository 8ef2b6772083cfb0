#pragma once
// The mouse on the border window, turned into its host's answers. Each
// function ends with the call that may free the host: the caller must not
// touch the host or the window after it. Portable: points are on the screen.
#include <cstdint>

#include "skin/windows/BorderHost.h"

enum class BorderCursor { Default, Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };

// The cursor over a frame part (Default: the window class's own).
BorderCursor BorderCursorOf(int32_t code);

void BorderMouseMove(BorderHost& host, TPoint screen);
void BorderLeftDown(BorderHost& host, TPoint screen);
void BorderLeftUp(BorderHost& host, TPoint screen);
void BorderLeftDoubleClick(BorderHost& host, TPoint screen);
void BorderRightUp(BorderHost& host, TPoint screen);

enum class BorderClientInput { Move, LeftUp, Other };
// A mouse message to the border window's client area: while a title button
// is held the captured mouse reports there and the press goes on; otherwise
// the point lies outside the frame and belongs to the window below (true).
bool BorderClientMouse(BorderHost& host, BorderClientInput input, TPoint screen);
