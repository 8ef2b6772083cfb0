#include "skin/handlers/TacPictureWnd.h"

#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/handlers/ClientPaint.h"
#include "skin/render/core/PixelBufferDc.h"

void TacPictureWnd::OnDetach() {
  if (IsWindow(Window())) InvalidateRect(Window(), nullptr, TRUE);
}

PixelBuffer TacPictureWnd::ClientPicture() const {
  RECT client{};
  GetClientRect(Window(), &client);
  const TsSkinManager* m = Manager();
  if (!m || !m->Skin()) return {};
  return PixelBuffer(client.right, client.bottom);
}

LRESULT TacPictureWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacMainWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      const PixelBuffer picture = Picture();
      return PaintClient(Window(), m, [&](HDC dc) {
        if (!picture.Empty()) BitBlt(dc, 0, 0, picture.Width(), picture.Height(), BufferDc(picture), 0, 0, SRCCOPY);
      });
    }
    case WM_ERASEBKGND: return m.Result = 1;
    default: return TacMainWnd::HandleMessage(m);
  }
}
