// The HTML text subset: laying out and drawing any label text, wrapped in a
// narrow area, measured without one, and stripped of its tags.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/controls/sHtml.h"
#include "tests/controls/FakeHtmlCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 8192) return 0;  // captions and hints are short
  // The first byte picks the area width (0: measuring, nothing wraps) and the hot link.
  const int32_t width = data[0] & 0x3F;
  const int32_t hot = (data[0] >> 6) - 1;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  HtmlFont font;
  font.Name = "MS Sans Serif";
  FakeHtmlCanvas canvas;
  std::vector<HtmlLink> links;
  TsHtml html(canvas, text, font, {width % 2 == 1, 0x111111, 0x222222, 0x444444}, 0, hot, {3, 2, 3 + width, 40});
  const TRect measured = html.Render(links, width == 0);
  if (measured.Right < 0 || measured.Bottom < 0) __builtin_trap();
  for (const auto& d : canvas.drawn)
    if (d.Font.Size < kHtmlMinFontSize || d.Font.Size > kHtmlMaxFontSize) __builtin_trap();
  HtmlPlainText(text);
  return 0;
}
