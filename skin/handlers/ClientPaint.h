#pragma once
// Answers a paint message of a handled window: into the device context the
// message carries (print requests, painting into a picture), else between
// BeginPaint and EndPaint. Windows only.
#include <windows.h>

#include <functional>

#include "toolkit/Messages.h"

LRESULT PaintClient(HWND window, const TMessage& message, const std::function<void(HDC)>& paint);
