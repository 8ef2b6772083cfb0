#include "skin/controls/sHTMLLabel.h"

#include <shellapi.h>

#include "skin/controls/GdiHtmlCanvas.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/WinControl.h"

namespace {

constexpr int kPointsPerInch = 72;

HWND OwnerWindow(const TControl& control) {
  const TCustomForm* form = GetParentForm(&control);
  return form ? form->WindowHandle() : nullptr;
}

}  // namespace

LinkOpener& HtmlLabelLinkOpener() {
  static LinkOpener opener = [](HWND owner, const std::wstring& target, int showCommand) {
    ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, showCommand);
  };
  return opener;
}

void TsHTMLLabel::Loaded() {
  TsLabel::Loaded();
  FitToText();
}

LRESULT TsHTMLLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:   return OnMouseMove(m);
    case WM_LBUTTONDOWN: return OnLeftDown(m);
    case WM_LBUTTONUP:   return OnLeftUp(m);
    case CM_MOUSELEAVE:  return OnMouseLeave(m);
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: return OnLookChanged(m);
    default:             return TsLabel::WndProc(m);
  }
}

HtmlFont TsHTMLLabel::FontOf() const {
  HtmlFont font;
  font.Name = Font.Name;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  // The toolkit keeps a character height in pixels; the markup sizes in points.
  font.Size = MulDiv(Font.Height < 0 ? -Font.Height : Font.Height, kPointsPerInch, dpi);
  font.Color = TextColor();
  font.Bold = Font.Bold;
  return font;
}

HtmlLinkColors TsHTMLLabel::LinkColors() const {
  const TsSkinManager* manager = DefaultManager();
  const LoadedSkin* skin = manager && manager->SkinInForce() ? manager->Skin() : nullptr;
  if (!skin) return {};
  const TsSkinColors& c = skin->Colors;
  return {true, ResolveColor(c[scGlobalFontColor]), ResolveColor(c[scGlobalBottomText]),
          ResolveColor(c[scGlobalTopText])};
}

void TsHTMLLabel::FitToText() {
  if (!AutoSize || WordWrap || Loading() || !Marked()) return;
  HDC screen = GetDC(nullptr);
  TRect size;
  {
    GdiHtmlCanvas canvas(screen);
    TsHtml html(canvas, Caption(), FontOf(), LinkColors(), -1, -1, {});
    std::vector<HtmlLink> found;
    size = html.Render(found, true);
  }
  ReleaseDC(nullptr, screen);
  SetBounds(Left(), Top(), size.Width(), size.Height());
}

void TsHTMLLabel::Paint(HDC dc) {
  if (!Marked()) {
    TsLabel::Paint(dc);
    return;
  }
  const RECT client{0, 0, Width(), Height()};
  if (!Transparent) FillSolid(dc, client, Parent() ? Parent()->Color() : Color());
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 0, Width(), Height());
  std::vector<HtmlLink> found;
  {
    GdiHtmlCanvas canvas(dc);
    TsHtml html(canvas, Caption(), FontOf(), LinkColors(), links_.Pressed(), links_.Hot(), {0, 0, Width(), Height()});
    html.Render(found, false);
  }
  RestoreDC(dc, saved);
  links_.SetLinks(std::move(found));
}

LRESULT TsHTMLLabel::OnMouseMove(TMessage& m) {
  if (links_.Move(PointOf(m))) Invalidate();
  // The parent's window puts its own pointer back before every move: the hand is set again each time.
  SetCursor(LoadCursorW(nullptr, links_.Hot() >= 0 ? IDC_HAND : IDC_ARROW));
  return TsLabel::WndProc(m);
}

LRESULT TsHTMLLabel::OnLeftDown(TMessage& m) {
  if (links_.Press()) Invalidate();
  return TsLabel::WndProc(m);
}

LRESULT TsHTMLLabel::OnLeftUp(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TsLabel::WndProc(m);
  if (alive.expired()) return result;
  bool repaint = false;
  const std::optional<std::string> target = links_.Release(repaint);
  if (repaint) Invalidate();
  // Opening may run anything (a handler of the test seam, a modal error box): it comes last.
  if (target && !target->empty()) HtmlLabelLinkOpener()(OwnerWindow(*this), Cp1251::ToWide(*target), int(ShowMode));
  return result;
}

LRESULT TsHTMLLabel::OnMouseLeave(TMessage& m) {
  if (links_.Leave()) Invalidate();
  return TsLabel::WndProc(m);
}

LRESULT TsHTMLLabel::OnLookChanged(TMessage& m) {
  const LRESULT result = TsLabel::WndProc(m);
  FitToText();
  return result;
}
