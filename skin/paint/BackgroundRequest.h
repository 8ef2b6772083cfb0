#pragma once
// How a control learns what lies behind it: it sends its parent a background
// request (the skin command AC_GETBG); the parent answers with its picture and the
// control's offset in it, or with a plain colour.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"

// AnswerKind values.
constexpr uint8_t kAnswerNone = 0;
constexpr uint8_t kAnswerColor = 1;
constexpr uint8_t kAnswerPicture = 2;
constexpr uint8_t kAnswerNotReady = 3;  // the parent's picture is not built yet

// Passed by address with the skin command message; field order is part of the message.
struct BackgroundRequest {
  const PixelBuffer* Bitmap = nullptr;  // the parent's picture, or none
  TColor Color = 0;                     // the parent's colour when the answer is a colour
  int32_t OffsetX = 0;                  // where the asking area's origin lies in Bitmap
  int32_t OffsetY = 0;
  TRect ClipRect;                       // area to draw when drawing is requested
  TRect FrameWidths;                    // border widths of a plain parent whose frame lies in Bitmap
  uint8_t AnswerKind = kAnswerNone;
  uint8_t DrawRequested = 0;            // draw into TargetDC instead of describing
  void* TargetDC = nullptr;             // the platform's device context
};

// The parent as the asking control sees it; the Windows side sends the skin
// command message or dispatches it to a windowless parent.
class BackgroundSource {
 public:
  virtual ~BackgroundSource() = default;
  // The skin command AC_GETBG with the request's address.
  virtual void QueryBackground(BackgroundRequest& request) = 0;
  // The parent paints itself into request.TargetDC, its origin moved by the offset and clipped to ClipRect.
  virtual void PaintBackground(BackgroundRequest& request) = 0;
  // The colour of a parent that did not answer.
  virtual TColor PlainBackgroundColor() = 0;
};

// Resets the request (OffsetX, OffsetY and ClipRect stay as the caller set
// them), asks the parent, and falls back to having it paint itself (when
// pleaseDraw) or to its plain colour.
void AskBackground(BackgroundRequest& request, BackgroundSource& parent, bool pleaseDraw);

// The answer as the painters take it.
BackgroundInfo RequestToInfo(const BackgroundRequest& request);
