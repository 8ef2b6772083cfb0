#pragma once
// The system's caption font in a form font's character set, kept between
// frame rebuilds: making a font is a good part of writing a caption, and the
// font changes only with the system's caption font, the character set or the
// screen's dots per inch. Windows only.
#include <windows.h>

class TCaptionFont {
 public:
  TCaptionFont() = default;
  TCaptionFont(const TCaptionFont&) = delete;
  TCaptionFont& operator=(const TCaptionFont&) = delete;
  ~TCaptionFont() { Forget(); }

  // The font for charset, made anew when the character set or the dots per
  // inch differ from the kept font's; owned by this object.
  HFONT Get(int charset);
  // The system's caption font may have changed: the next Get makes it again.
  void Forget();

 private:
  HFONT font_ = nullptr;
  int charset_ = -1;
  int dpi_ = 0;
};
