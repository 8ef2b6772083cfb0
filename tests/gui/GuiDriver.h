#pragma once
// Drives the real main window in-process: keys, clicks, drops, and answers
// modal message windows from a timer while the handler that shows them waits.
#include <windows.h>

#include <functional>
#include <memory>

#include <string>
#include <vector>

#include "app/Unit1.h"
#include "skin/render/core/PixelBuffer.h"
#include "toolkit/FormReader.h"

// What a modal window showed before it was answered.
struct SeenMessage {
  std::string ClassName;  // "TMessageForm" or "#32770" (system message box)
  std::string Text;       // 1251
  std::string Caption;    // 1251
  bool HasIcon = false;
  RECT Frame{};
};

class GuiDriver {
 public:
  GuiDriver();
  ~GuiDriver();
  TForm1& Form() { return *form_; }

  void Pump();                                    // handles everything pending
  // Pumps until the window is at rest, as the pictures expect it: the form active with the focus on its
  // active control, and no title button, combo box or speed button hot or open (the pointer must already be
  // away from the window; the frame and the manager's hot-control check notice that on their own time).
  // False when it does not come to rest within two seconds.
  bool Settle();
  void Type(HWND target, const std::wstring& text);  // WM_CHAR per character
  void Enter();                                   // the Enter key, pressed and released, to the focused window
  void Click(TControl& control);                  // left press and release at its centre
  void Drop(const std::vector<std::wstring>& paths);
  void Select(TComboBox& combo, int index);       // as the user would: selection change notified
  // The darkest pixel inside a window's frame as it is on the screen (0x00BBGGRR): the colour of its text.
  COLORREF DarkestPixel(HWND window);
  // Every modal window shown from now on is answered with OK and recorded.
  std::vector<SeenMessage> Messages;
  // Off: modal windows are left to the test, which answers them itself.
  bool AnswerModals = true;

 private:
  bool AtRest() const;
  static void CALLBACK AnswerModal(HWND, UINT, UINT_PTR, DWORD);
  TForm1* form_;
  UINT_PTR timer_;
};

// Runs the message loop, waiting for each next message, until `done` holds, then handles what is pending.
// False when it still does not hold after five seconds: only a fault takes that long, however loaded the
// machine.
bool PumpUntil(const std::function<bool()>& done);

// Compares a picture with tests/golden/<name>.png. The golden pictures are drawn at 96 dpi, so at other
// settings nothing is compared.
void ExpectGolden(const PixelBuffer& picture, const std::string& name);

// The whole window (frame included) as it is on the screen.
PixelBuffer CaptureWindow(HWND window);
// With DR_TEST_PICTURES set to a folder, the picture is kept there as <name>.png (opaque).
void KeepPicture(const PixelBuffer& picture, const char* name);
// The main window's composed picture with a shown pop-up window (an open list)
// laid in, opaque, where it is on the screen; without a pop-up the composed picture alone.
PixelBuffer ComposedWithPopup(TForm1& form, HWND popup);

// The real pointer moved to a screen point, with button flags (MOUSEEVENTF_LEFTDOWN, ...) or 0.
void SendMouseInput(DWORD flags, POINT screen);
// Moves the real pointer to a screen point and pumps until this thread has taken a message made there
// (input comes before timers and paints, so the move itself has then been handled). False as PumpUntil.
bool MoveRealPointer(POINT screen);
// Presses the left button at start, moves the real pointer to 20, 15 pixels
// short of target and then to target, and lets go there. The system's move loop runs inside the press, so
// a timer moves the pointer while `pump` runs the message loop (at most
// `rounds` times, until the button is up).
void DragWithRealPointer(POINT start, POINT target, int rounds, const std::function<void()>& pump);

// A fresh folder under the temporary folder, removed with its files at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name);
  ~TempFolder();
  std::wstring Path() const { return path_; }  // with a trailing "\"
  void Write(const std::wstring& name, const std::string& bytes) const;
  std::string Read(const std::wstring& name) const;
  bool Exists(const std::wstring& name) const;
  std::vector<std::wstring> Files() const;

 private:
  std::wstring path_;
};

// A form holding one stored component of the class, named `name`, with the
// given settings; null when reading failed, with the reader's message in error.
std::unique_ptr<TForm> FormWithStoredComponent(const std::string& className, const std::string& name,
                                               std::vector<TStoredProperty> settings, std::string* error = nullptr);
