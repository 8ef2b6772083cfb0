// The message form shows its whole text: the label's text, drawn with the
// label's own font and not clipped, stays inside the label, and the label
// inside the form. Glyphs can reach past the width that text measuring
// reports, so the ink itself is looked at.
#include <gtest/gtest.h>

#include <memory>

#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Dialogs.h"
#include "toolkit/StdCtrls.h"

namespace {

// The label's text drawn unclipped in its own rectangle, over white: one past the rightmost inked column.
int InkRight(const TLabel& label) {
  PixelBuffer picture(label.Width() + 40, label.Height() + 10);
  HDC dc = BufferDc(picture);
  RECT all{0, 0, picture.Width(), picture.Height()};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HGDIOBJ old = SelectObject(dc, label.Font.Handle());
  SetBkMode(dc, TRANSPARENT);
  const std::wstring wide = Cp1251::ToWide(label.Caption());
  RECT r{0, 0, label.Width(), label.Height()};
  DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | DT_NOCLIP);
  SelectObject(dc, old);
  GdiFlush();
  int right = 0;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x)
      if ((picture.At(x, y) & 0x00FFFFFFu) != 0x00FFFFFFu) right = std::max(right, x + 1);
  return right;
}

TEST(MessageForm, ShowsEachMessageOfTheRenamerWhole) {
  auto app = std::make_unique<TApplication>();
  const struct {
    const char* text;
    TMsgDlgType type;
  } messages[] = {
      {"Пожалуйста заполните все поля", TMsgDlgType::mtCustom},
      {"Произошла ошибка при переименовании, файл открыт или отсутствует.", TMsgDlgType::mtError},
      {"Файл успешно переименован", TMsgDlgType::mtCustom},
  };
  for (const auto& m : messages) {
    SCOPED_TRACE(m.text);
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(Ru(m.text), m.type));
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_GT(InkRight(*label), label->Width() / 2);
    EXPECT_LE(InkRight(*label), label->Width());
    const TRect client = form->ClientRect();
    EXPECT_LE(label->Left() + label->Width(), client.Right);
    EXPECT_LE(label->Top() + label->Height(), client.Bottom);
  }
}

}  // namespace
