#include "toolkit/Dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <memory>

#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/NonClientFonts.h"
#include "toolkit/StdCtrls.h"

bool TOpenDialog::Execute() {
  // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
  std::wstring filter = Cp1251::ToWide(Filter);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  filter += L'\0';
  filter += L'\0';
  std::wstring file(32768, L'\0');  // long paths are allowed
  std::copy(FileName.begin(), FileName.begin() + std::min(FileName.size(), file.size() - 1), file.begin());
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  HWND owner = GetActiveWindow();
  if (!owner && Application && Application->MainForm()) owner = Application->MainForm()->WindowHandle();
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = DWORD(FilterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (Options & int(TOpenOption::ofHideReadOnly)) ofn.Flags |= OFN_HIDEREADONLY;
  if (Options & int(TOpenOption::ofFileMustExist)) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (Options & int(TOpenOption::ofEnableSizing)) ofn.Flags |= OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&ofn)) return false;
  FileName = file.c_str();
  FilterIndex = int(ofn.nFilterIndex);
  return true;
}

namespace {

// The system's error icon, painted by the message window.
class TMessageIcon : public TGraphicControl {
 public:
  explicit TMessageIcon(TComponent* owner) : TGraphicControl(owner) {}
  std::string ClassName() const override { return "TImage"; }

 protected:
  void Paint(HDC dc) override { DrawIconEx(dc, 0, 0, LoadIconW(nullptr, IDI_HAND), Width(), Height(), 0, nullptr, DI_NORMAL); }
};

TFont MessageFont() {
  const LOGFONTW message = NonClientLogFont(NonClientFont::Message);
  TFont font;
  if (message.lfFaceName[0]) {
    font.Name = Cp1251::FromWide(message.lfFaceName);
    font.Height = message.lfHeight;
  }
  return font;
}

// The rectangle text takes when drawn word-wrapped within maxWidth in font.
// Glyphs may reach past the advance widths that measuring adds up (the last
// full stop of a long line did), so the text is drawn once off screen and the
// rectangle widened to its rightmost ink.
RECT DrawnTextRect(HFONT font, const std::wstring& text, int maxWidth, UINT flags) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  RECT measured{0, 0, maxWidth, 0};
  DrawTextW(screen, text.c_str(), int(text.size()), &measured, flags | DT_CALCRECT);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  if (measured.right <= 0 || measured.bottom <= 0) return measured;

  // Room to the right for an overhang: a line's height is more than any glyph reaches out.
  PixelBuffer ink(measured.right + measured.bottom, measured.bottom);
  HDC dc = BufferDc(ink);
  RECT all{0, 0, ink.Width(), ink.Height()};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT at = measured;
  DrawTextW(dc, text.c_str(), int(text.size()), &at, flags | DT_NOCLIP);
  SelectObject(dc, old);
  GdiFlush();
  for (int32_t x = ink.Width() - 1; x >= measured.right; --x)
    for (int32_t y = 0; y < ink.Height(); ++y)
      if ((ink.At(x, y) & 0x00FFFFFFu) != 0x00FFFFFFu) {
        measured.right = x + 1;
        return measured;
      }
  return measured;
}

// The client width that shows a caption whole, beside the close button.
int CaptionWidth(const std::string& caption) {
  const LOGFONTW captionFont = NonClientLogFont(NonClientFont::Caption);
  if (!captionFont.lfFaceName[0]) return 0;
  HFONT font = CreateFontIndirectW(&captionFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  std::wstring wide = Cp1251::ToWide(caption);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return size.cx + 2 * GetSystemMetrics(SM_CXSIZE) + Screen::Scale(16);
}

}  // namespace

TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type) {
  auto form = std::unique_ptr<TMessageForm>(TComponent::Create<TMessageForm>(Application));
  form->BorderStyle = TFormBorderStyle::bsDialog;
  form->Font = MessageFont();
  form->SetCaption(type == TMsgDlgType::mtError ? "Error" : (Application ? Application->Title() : std::string()));

  // Measure the text the way the label will draw it: in its font, word-wrapped within half the screen.
  const RECT textRect = DrawnTextRect(form->Font.Handle(), Cp1251::ToWide(text), GetSystemMetrics(SM_CXSCREEN) / 2,
                                      DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);

  // Margins of the classic message window, in pixels at 96 dots per inch.
  int margin = Screen::Scale(12), spacing = Screen::Scale(15);
  int iconSize = type == TMsgDlgType::mtError ? GetSystemMetrics(SM_CXICON) : 0;
  int buttonWidth = Screen::Scale(75), buttonHeight = Screen::Scale(25);
  int textLeft = margin + (iconSize ? iconSize + spacing : 0);
  int contentHeight = std::max(int(textRect.bottom), iconSize);
  int clientWidth = std::max({textLeft + int(textRect.right) + margin, buttonWidth + 2 * margin,
                              CaptionWidth(form->Caption())});
  int clientHeight = margin + contentHeight + spacing + buttonHeight + margin;
  form->SetClientSize(clientWidth, clientHeight);

  if (iconSize) {
    auto* icon = TComponent::Create<TMessageIcon>(form.get());
    icon->Name = "Image";
    icon->SetParent(form.get());
    icon->SetBounds(margin, margin, iconSize, iconSize);
  }
  auto* message = TComponent::Create<TLabel>(form.get());
  message->Name = "Message";
  message->WordWrap = true;
  message->SetParent(form.get());
  message->SetCaption(text);
  message->SetBounds(textLeft, margin + (contentHeight - textRect.bottom) / 2, textRect.right, textRect.bottom);
  auto* ok = TComponent::Create<TButton>(form.get());
  ok->Name = "OK";
  ok->SetCaption("OK");
  ok->ModalResult = mrOk;
  ok->Default = true;
  ok->Cancel = true;  // the only button also answers Escape
  ok->TabOrder = 0;
  ok->SetParent(form.get());
  ok->SetBounds((clientWidth - buttonWidth) / 2, clientHeight - margin - buttonHeight, buttonWidth, buttonHeight);
  form->SetActiveControl(ok);
  return form.release();
}

int MessageDlgPos(const std::string& text, TMsgDlgType type, int x, int y) {
  std::unique_ptr<TMessageForm> form(CreateMessageDialog(text, type));
  form->SetBounds(x, y, form->Width(), form->Height());
  return form->ShowModal();
}

void ShowMessagePos(const std::string& text, int x, int y) { MessageDlgPos(text, TMsgDlgType::mtCustom, x, y); }

void ShowMessage(const std::string& text) {
  std::unique_ptr<TMessageForm> form(CreateMessageDialog(text, TMsgDlgType::mtCustom));
  form->Position = TPosition::poDesktopCenter;
  form->ShowModal();
}
