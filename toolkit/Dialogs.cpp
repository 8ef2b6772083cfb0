#include "toolkit/Dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <memory>

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

  // Measure the text the way it will be drawn: word-wrapped within half the screen.
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, form->Font.Handle());
  std::wstring wide = Cp1251::ToWide(text);
  RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  DrawTextW(dc, wide.c_str(), int(wide.size()), &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);

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
