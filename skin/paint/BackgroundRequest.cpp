#include "skin/paint/BackgroundRequest.h"

void AskBackground(BackgroundRequest& request, BackgroundSource& parent, bool pleaseDraw) {
  request.Bitmap = nullptr;
  request.AnswerKind = kAnswerNone;
  request.DrawRequested = pleaseDraw ? 1 : 0;
  request.FrameWidths = {};
  parent.QueryBackground(request);
  if (request.AnswerKind != kAnswerNone) return;
  if (request.DrawRequested) {
    parent.PaintBackground(request);
  } else {
    request.AnswerKind = kAnswerColor;
    request.Color = parent.PlainBackgroundColor();
  }
}

BackgroundInfo RequestToInfo(const BackgroundRequest& request) {
  BackgroundInfo info;
  info.Bitmap = request.Bitmap;
  info.OriginX = request.OffsetX;
  info.OriginY = request.OffsetY;
  if (request.AnswerKind == kAnswerPicture) {
    info.PlainColor = clFuchsia;
    info.FrameWidths = {};
    info.BitmapReady = true;
  } else {
    info.PlainColor = ResolveColor(request.Color);
    info.FrameWidths = request.FrameWidths;
    info.BitmapReady = false;
  }
  return info;
}
