#include "tests/gui/GuiDriver.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <stdexcept>

#include "toolkit/Application.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/core/Raster.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/windows/WindowPicture.h"
#include "skin/windows/sSkinProvider.h"
#include "toolkit/Cp1251.h"
#include "tools/GoldenPicture.h"
#include "tools/PngWriter.h"

namespace {

GuiDriver* current = nullptr;

std::string WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(window, buffer, 1024);
  return Cp1251::FromWide(buffer);
}

BOOL CALLBACK FindModal(HWND window, LPARAM found) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (IsWindowVisible(window) && (wcscmp(name, L"TMessageForm") == 0 || wcscmp(name, L"#32770") == 0)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

GuiDriver::GuiDriver() {
  current = this;
  // Answering starts first, so that a message shown while the program starts is recorded, not waited on.
  timer_ = SetTimer(nullptr, 0, 30, AnswerModal);
  StartDocRenamer();
  form_ = dynamic_cast<TForm1*>(Application->MainForm());
  form_->Show();
  Pump();
}

GuiDriver::~GuiDriver() {
  KillTimer(nullptr, timer_);
  delete Application;
  current = nullptr;
  // A closed program leaves its quit message behind: the next test's program must not end on it.
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void CALLBACK GuiDriver::AnswerModal(HWND, UINT, UINT_PTR, DWORD) {
  HWND modal = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindModal, LPARAM(&modal));
  if (!modal || !current || !current->AnswerModals) return;
  SeenMessage seen;
  wchar_t name[64] = {};
  GetClassNameW(modal, name, 64);
  seen.ClassName = Cp1251::FromWide(name);
  seen.Caption = WindowText(modal);
  GetWindowRect(modal, &seen.Frame);
  HWND ok = nullptr;
  if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(modal))) {
    if (auto* label = dynamic_cast<TControl*>(form->FindComponent("Message"))) seen.Text = label->Caption();
    seen.HasIcon = form->FindComponent("Image") != nullptr;
    if (auto* button = dynamic_cast<TWinControl*>(form->FindComponent("OK"))) ok = button->WindowHandle();
  } else {
    seen.Text = WindowText(GetDlgItem(modal, 0xFFFF));  // the message box's text
    seen.HasIcon = GetDlgItem(modal, 0x14) != nullptr;
    ok = GetDlgItem(modal, IDOK);
  }
  current->Messages.push_back(seen);
  PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(ok));
}

bool PumpUntil(const std::function<bool()>& done) {
  constexpr DWORD kPatienceMs = 5000;
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > kPatienceMs) return false;
    Application->ProcessMessages();
    // Woken by the next message; the 10 ms bound lets conditions that no message announces be seen too.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  Application->ProcessMessages();  // what the change set off (repaints, notifications) is done too
  return true;
}

void ExpectGolden(const PixelBuffer& picture, const std::string& name) {
  if (Screen::PixelsPerInch() != 96) return;
  const std::string path = std::string(DR_SOURCE_DIR) + "/tests/golden/" + name + ".png";
  const GoldenResult golden = CompareWithGolden(picture, path, name);
  if (golden.Updated) return;
  ASSERT_FALSE(golden.Missing) << golden.Message;
  EXPECT_EQ(golden.Differing, 0) << golden.Message;
}

PixelBuffer CaptureWindow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  PixelBuffer picture(r.right - r.left, r.bottom - r.top);
  HDC dc = GetWindowDC(window);
  BitBlt(BufferDc(picture), 0, 0, picture.Width(), picture.Height(), dc, 0, 0, SRCCOPY);
  GdiFlush();
  ReleaseDC(window, dc);
  return picture;
}

void KeepPicture(const PixelBuffer& picture, const char* name) {
  const char* folder = std::getenv("DR_TEST_PICTURES");
  if (!folder) return;
  PixelBuffer opaque = picture.Clone();
  for (int y = 0; y < opaque.Height(); ++y)
    for (int x = 0; x < opaque.Width(); ++x) opaque.At(x, y) |= 0xFF000000u;
  WritePngFile(std::string(folder) + "/" + name + ".png", opaque);
}

void SendMouseInput(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(input));
}

bool MoveRealPointer(POINT screen) {
  SendMouseInput(0, screen);
  // The absolute input scale (65536 across the screen) may put the pointer one pixel short.
  return PumpUntil([screen] {
    const DWORD at = GetMessagePos();
    return std::abs(short(LOWORD(at)) - screen.x) <= 1 && std::abs(short(HIWORD(at)) - screen.y) <= 1;
  });
}

void DragWithRealPointer(POINT start, POINT target, int rounds, const std::function<void()>& pump) {
  static POINT to;
  static int step;
  to = target;
  step = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    ++step;
    if (step == 2) SendMouseInput(0, {to.x - 20, to.y - 15});
    if (step == 3) SendMouseInput(0, to);
    if (step == 5) SendMouseInput(MOUSEEVENTF_LEFTUP, to);
  });
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, start);
  for (int i = 0; i < rounds && step < 6; ++i) pump();
  KillTimer(nullptr, timer);
}

void GuiDriver::Pump() {
  for (int i = 0; i < 3; ++i) {
    Application->ProcessMessages();
    Sleep(1);
  }
}

bool GuiDriver::AtRest() const {
  TForm1& f = *form_;
  if (GetForegroundWindow() != f.WindowHandle() || !f.sSkinProvider1->FormActive()) return false;
  if (TWinControl* c = f.ActiveControl(); c && c->HandleAllocated() && GetFocus() != c->WindowHandle()) return false;
  for (int b = 0; b < kTitleButtonCount; ++b)
    if (f.sSkinProvider1->ButtonState(TitleButton(b)) != 0) return false;
  for (const TsComboBox* c : {f.workType, f.years})
    if (c->SkinData.PointerInside || c->Dropped()) return false;
  for (const TsSpeedButton* b : {f.SpeedButton1, f.btnRename, f.SpeedButton2, f.btnExit})
    if (b->SkinData.PointerInside) return false;
  return true;
}

bool GuiDriver::Settle() {
  for (int i = 0; i < 200 && !AtRest(); ++i) {
    Application->ProcessMessages();
    Sleep(10);
  }
  Pump();
  return AtRest();
}

void GuiDriver::Type(HWND target, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(target, WM_CHAR, c, 1);
  Pump();
}

void GuiDriver::Enter() {
  HWND focused = GetFocus();
  // The loop's key translation makes the character from the key press.
  PostMessageW(focused, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(focused, WM_KEYUP, VK_RETURN, 0xC0000001);
  Pump();
}

void GuiDriver::Click(TControl& control) {
  LPARAM at = MAKELPARAM(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
  HWND window = control.Parent()->WindowHandle();
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
  Pump();
}

void GuiDriver::Drop(const std::vector<std::wstring>& paths) {
  size_t chars = 1;
  for (const std::wstring& p : paths) chars += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  auto* list = reinterpret_cast<wchar_t*>(drop + 1);
  for (const std::wstring& p : paths) {
    std::copy(p.begin(), p.end(), list);
    list += p.size() + 1;
  }
  GlobalUnlock(memory);
  PostMessageW(form_->WindowHandle(), WM_DROPFILES, WPARAM(memory), 0);
  Pump();
}

void GuiDriver::Select(TComboBox& combo, int index) {
  combo.SetItemIndex(index);
  HWND window = combo.WindowHandle();
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE), LPARAM(window));
  Pump();
}

COLORREF GuiDriver::DarkestPixel(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT r;
  GetClientRect(window, &r);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  uint32_t* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  uint32_t darkest = 0xFFFFFF;
  auto sum = [](uint32_t p) { return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF); };
  // The one-pixel ring along the edges is the frame (some systems draw a flat edit's border inside its client).
  for (int y = 1; y < r.bottom - 1; ++y)
    for (int x = 1; x < r.right - 1; ++x)
      if (uint32_t p = bits[y * r.right + x]; sum(p) < sum(darkest)) darkest = p & 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return RGB((darkest >> 16) & 0xFF, (darkest >> 8) & 0xFF, darkest & 0xFF);  // DIB pixels are BGR
}

TempFolder::TempFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  for (const std::wstring& f : Files()) {
    std::wstring full = path_ + f;
    if (!DeleteFileW(full.c_str())) RemoveDirectoryW(full.c_str());
  }
  RemoveDirectoryW(path_.c_str());
}

void TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
  HANDLE f = CreateFileW((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
  DWORD written;
  WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

std::string TempFolder::Read(const std::wstring& name) const {
  HANDLE f = CreateFileW((path_ + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[4096];
  DWORD read = 0;
  ReadFile(f, buffer, sizeof(buffer), &read, nullptr);
  CloseHandle(f);
  return std::string(buffer, read);
}

bool TempFolder::Exists(const std::wstring& name) const {
  return GetFileAttributesW((path_ + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> TempFolder::Files() const {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path_ + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    std::wstring n = data.cFileName;
    if (n != L"." && n != L"..") files.push_back(n);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return files;
}

PixelBuffer ComposedWithPopup(TForm1& form, HWND popup) {
  PixelBuffer picture = ComposedWindowPicture(*form.sSkinProvider1);
  if (!popup || !IsWindowVisible(popup)) return picture;
  PixelBuffer shown = CaptureWindow(popup);
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) shown.At(x, y) |= 0xFF000000u;
  RECT at;
  GetWindowRect(popup, &at);
  POINT client{0, 0};
  ClientToScreen(form.WindowHandle(), &client);
  const TPoint origin = form.sSkinProvider1->ClientOrigin();
  CopyPixels(picture, {origin.X + at.left - client.x, origin.Y + at.top - client.y}, shown, shown.Bounds());
  return picture;
}

std::unique_ptr<TForm> FormWithStoredComponent(const std::string& className, const std::string& name,
                                               std::vector<TStoredProperty> settings, std::string* error) {
  auto form = std::make_unique<TForm>(Application);
  try {
    ReadForm(*form, {{{"Caption", std::string("Stored")}}, {{className, name, std::move(settings)}}}, {});
  } catch (const std::runtime_error& e) {
    if (error) *error = e.what();
    return nullptr;
  }
  return form;
}
