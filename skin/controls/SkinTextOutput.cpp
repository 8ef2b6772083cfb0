#include "skin/controls/SkinTextOutput.h"

#include <algorithm>
#include <array>

#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/Blur.h"

namespace {

constexpr TColor kNoContour = TColor(-1);
constexpr TColor kBtnHighlight = clSystemColor | 20;  // the system's 3-D highlight
constexpr TColor kBtnShadow = clSystemColor | 16;     // the system's 3-D shadow
constexpr uint32_t kWhitePixel = 0x00FFFFFFu;
// Glows wider than this are not drawn: the size comes from the skin and sets the mask's size.
constexpr int32_t kMaxGlowSize = 64;
// Temporary text pictures larger than this are not made (pixels).
constexpr int64_t kMaxTextPicture = int64_t(1) << 24;
// The first nine well-known sections take their font colour from the parent chain.
constexpr size_t kParentFontSections = 9;

const TsGenState* StateOf(const TsSkinManager* manager, int32_t section, int32_t state) {
  if (!manager) manager = DefaultManager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  if (!skin || section < 0 || size_t(section) >= skin->Sections.size()) return nullptr;
  return &skin->Sections[size_t(section)].Props[size_t(std::clamp(state, 0, 2))];
}

TRect Moved(const TRect& r, TPoint by) { return {r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y}; }

bool PictureTooLarge(int64_t width, int64_t height) { return width <= 0 || height <= 0 || width * height > kMaxTextPicture; }

// Calls mix(mask pixel, target pixel) for every pixel of mask placed at `at` that lies inside target.
template <class Mask, class Mix>
void ForEachCovered(const Mask& mask, PixelBuffer& target, TPoint at, Mix mix) {
  // In 64 bits: an offset near the int32 limits must neither overflow nor point before a row.
  const int64_t ax = at.X, ay = at.Y;
  const int64_t x0 = std::max<int64_t>(0, -ax), x1 = std::min<int64_t>(mask.Width(), target.Width() - ax);
  const int64_t y0 = std::max<int64_t>(0, -ay), y1 = std::min<int64_t>(mask.Height(), target.Height() - ay);
  for (int64_t y = y0; y < y1; ++y) {
    const auto* m = mask.Row(int32_t(y));
    uint32_t* t = target.Row(int32_t(ay + y));
    for (int64_t x = x0; x < x1; ++x) mix(m[x], t[ax + x]);
  }
}

PixelBuffer WhitePicture(int32_t width, int32_t height) {
  PixelBuffer picture(width, height);
  FillPixels(picture, picture.Bounds(), clWhite, 255);
  return picture;
}

// The section whose font colour a control's text takes: its own, or for the
// sections that are drawn over their parent, the one the parent chain names.
int32_t FontSectionOf(TsCommonData& binding) {
  const int32_t own = binding.SectionIndex;
  BindingHost* host = binding.Host();
  const TsSkinManager* m = binding.Manager();
  if (!host || !m || !host->IsControl() || !host->HasParent()) return own;
  const auto& known = m->Elements().Sections;
  if (std::find(known.begin(), known.begin() + kParentFontSections, own) == known.begin() + kParentFontSections)
    return own;
  const TPoint at = host->PositionInParent();
  const TSize size = host->Size();
  TacFontSectionRequest request;
  request.Bounds = MakeRect(at.X, at.Y, size.cx, size.cy);
  if (host->SendParentCommand(AC_GETFONTSECTION, reinterpret_cast<intptr_t>(&request)) != 0 &&
      request.SectionIndex >= 0)
    return request.SectionIndex;
  return own;
}

}  // namespace

// ---- Colours of the copies --------------------------------------------------------

int32_t TextPasses(const TsGenState& p, TextPass (&passes)[5]) {
  const std::array<TextPass, 4> contours = {{{{-1, 0}, p.TCLeft}, {{0, -1}, p.TCTop}, {{1, 0}, p.TCRight}, {{0, 1}, p.TCBottom}}};
  int32_t n = 0;
  for (const TextPass& c : contours)
    if (c.Color != kNoContour) passes[n++] = c;
  passes[n++] = {{0, 0}, p.TextColor};
  return n;
}

TColor DisabledTextColor(const TsGenState& normal) {
  return LerpColor(ResolveColor(normal.TextColor), ResolveColor(normal.Color), 0.4);
}

// ---- Writers on a canvas --------------------------------------------------------------

void WriteSectionText(TacTextCanvas& canvas, std::string_view text, bool enabled, const TsSkinManager* manager,
                      int32_t state, int32_t section, uint32_t flags, const TRect& rect) {
  if (text.empty()) return;
  canvas.SetTransparentBackground();
  const TsGenState* p = StateOf(manager, section, state);
  if (!p) {
    canvas.WriteText(text, rect, flags);
    return;
  }
  if (!enabled) {
    const TsGenState* normal = StateOf(manager, section, 0);
    canvas.SetTextColor(DisabledTextColor(*normal));
    canvas.WriteText(text, rect, flags);
    return;
  }
  TextPass passes[5];
  const int32_t n = TextPasses(*p, passes);
  for (int32_t i = 0; i < n; ++i) {
    canvas.SetTextColor(passes[i].Color);
    canvas.WriteText(text, Moved(rect, passes[i].Offset), flags);
  }
}

void WriteControlText(TacTextCanvas& canvas, std::string_view text, bool enabled, int32_t state,
                      TsCommonData& binding, uint32_t flags, const TRect& rect) {
  if (text.empty()) return;
  const TsSkinManager* m = binding.Manager();
  const int32_t webButton = m ? m->Elements().Section("WEBBUTTON") : -1;
  if (state > 0 && webButton >= 0 && binding.SectionIndex == webButton) canvas.AddUnderline();
  canvas.ClearBrush();
  canvas.SaveState();
  canvas.SetTransparentBackground();

  if (binding.IsSkinned() && !binding.CustomFont()) {
    const int32_t x = FontSectionOf(binding);
    const TsGenState* p = StateOf(m, x, std::min(state, 2));
    if (!p) {
      canvas.WriteText(text, rect, flags);
    } else {
      if (binding.CachePicture && p->GSize != 0) {
        canvas.ClipTo(rect);
        GreyBuffer mask;
        GlowText(canvas, *binding.CachePicture, text, rect, mask, binding.AdjustColor(p->GCol), p->GSize,
                 kGlowAllSides, flags);
      }
      if (!enabled) {
        canvas.SetTextColor(binding.AdjustColor(p->TextColor));
        canvas.WriteText(text, rect, flags);
      } else {
        TextPass passes[5];
        const int32_t n = TextPasses(*p, passes);
        for (int32_t i = 0; i < n; ++i) {
          const bool last = i == n - 1;
          canvas.SetTextColor(binding.AdjustColor(passes[i].Color));
          canvas.WriteText(text, Moved(rect, passes[i].Offset), last ? flags | kTextNoClip : flags);
        }
      }
    }
  } else if (enabled) {
    canvas.WriteText(text, rect, flags);
  } else {
    canvas.SetTextColor(kBtnHighlight);
    canvas.WriteText(text, Moved(rect, {1, 1}), flags);
    canvas.SetTextColor(kBtnShadow);
    canvas.WriteText(text, rect, flags);
  }
  canvas.RestoreState();
}

// ---- Glow ------------------------------------------------------------------------------

void ComposeGlow(PixelBuffer& target, const GreyBuffer& mask, TPoint origin, TColor color) {
  const TColor k = ResolveColor(color);
  const uint32_t kr = RedOf(k), kg = GreenOf(k), kb = BlueOf(k);
  ForEachCovered(mask, target, origin, [&](uint32_t v, uint32_t& px) {
    if (v == 255) return;
    const uint32_t w = 255 - v, a = px >> 24;
    const uint32_t na = a + (((255 - a) * w) >> 8);
    const uint32_t b = (w * kb + (px & 0xFF) * v) >> 8;
    const uint32_t g = (w * kg + ((px >> 8) & 0xFF) * v) >> 8;
    const uint32_t r = (w * kr + ((px >> 16) & 0xFF) * v) >> 8;
    px = (na << 24) | (r << 16) | (g << 8) | b;
  });
}

void GlowText(TacTextCanvas& canvas, PixelBuffer& target, std::string_view text, const TRect& rect,
              GreyBuffer& maskCache, TColor color, int32_t size, int32_t sides, uint32_t flags) {
  if (text.empty() || size <= 0 || size > kMaxGlowSize || rect.IsEmpty()) return;
  const TRect r1 = Moved(rect, {1, 1});
  const int32_t margin = size + 4;
  const int64_t w = int64_t(r1.Width()) + 2 * margin, h = int64_t(r1.Height()) + 2 * margin;
  if (PictureTooLarge(w, h)) return;
  if (maskCache.Width() != w || maskCache.Height() != h) {
    PixelBuffer picture = WhitePicture(int32_t(w), int32_t(h));
    const TRect tm = MakeRect(margin, margin, r1.Width(), r1.Height());
    constexpr std::array<std::pair<int32_t, TPoint>, 4> kSides = {
        {{kGlowLeft, {-1, 0}}, {kGlowUp, {0, -1}}, {kGlowRight, {1, 0}}, {kGlowDown, {0, 1}}}};
    for (const auto& [bit, by] : kSides)
      if (sides & bit) canvas.WriteTextMask(text, Moved(tm, by), flags, picture);
    canvas.WriteTextMask(text, tm, flags, picture);
    ExtractChannel(picture, maskCache, 1);
    GaussianBlur(maskCache, size);
  }
  ComposeGlow(target, maskCache, {r1.Left - margin, r1.Top - margin}, color);
}

// ---- Alpha text ------------------------------------------------------------------------

void ApplyAlphaText(PixelBuffer& target, const PixelBuffer& mask, TPoint at, TColor color, bool alphaMode) {
  const TColor k = ResolveColor(color);
  const int32_t kc[3] = {BlueOf(k), GreenOf(k), RedOf(k)};  // in pixel byte order
  ForEachCovered(mask, target, at, [&](uint32_t mp, uint32_t& px) {
    if ((mp & kWhitePixel) == kWhitePixel) return;
    uint32_t out = 0;
    if (alphaMode) {
      const int32_t cover = int32_t(((mp & 0xFF) + ((mp >> 8) & 0xFF) + ((mp >> 16) & 0xFF)) / 3);
      const int32_t a = std::max(int32_t(px >> 24), 255 - cover);
      for (int c = 0; c < 3; ++c) {
        const int32_t v = int32_t((px >> (8 * c)) & 0xFF);
        out |= uint32_t(((((v - kc[c]) * cover + kc[c] * 256) * a) >> 16) & 0xFF) << (8 * c);
      }
      out |= uint32_t(a) << 24;
    } else {
      for (int c = 0; c < 3; ++c) {
        const int32_t v = int32_t((px >> (8 * c)) & 0xFF), mc = int32_t((mp >> (8 * c)) & 0xFF);
        out |= uint32_t((((v - kc[c]) * mc + kc[c] * 256) >> 8) & 0xFF) << (8 * c);
      }
      out |= 0xFF000000u;
    }
    px = out;
  });
}

void WriteAlphaText(TacTextCanvas& canvas, PixelBuffer& target, std::string_view text, bool alphaMode, TColor color,
                    uint32_t flags, const TRect& rect) {
  if (text.empty() || rect.IsEmpty() || PictureTooLarge(rect.Width(), rect.Height())) return;
  PixelBuffer mask = WhitePicture(rect.Width(), rect.Height());
  canvas.WriteTextMask(text, mask.Bounds(), flags, mask);
  ApplyAlphaText(target, mask, {rect.Left, rect.Top}, color, alphaMode);
}

void WriteAlphaSectionText(TacTextCanvas& canvas, PixelBuffer& target, std::string_view text, bool enabled,
                           const TsSkinManager* manager, int32_t state, int32_t section, uint32_t flags,
                           const TRect& rect) {
  if (text.empty()) return;
  const TsGenState* p = StateOf(manager, section, state);
  if (!p) {
    WriteAlphaText(canvas, target, text, enabled, canvas.TextColor(), flags, rect);
    return;
  }
  TextPass passes[5];
  const int32_t n = TextPasses(*p, passes);
  if (enabled)
    for (int32_t i = 0; i + 1 < n; ++i)
      WriteAlphaText(canvas, target, text, true, passes[i].Color, flags, Moved(rect, passes[i].Offset));
  WriteAlphaText(canvas, target, text, enabled, p->TextColor, flags, rect);
}

// ---- Alpha after platform text -----------------------------------------------------------

void MarkTextArea(PixelBuffer& picture, const TRect& rect, GreyBuffer& savedAlpha) {
  const TRect r{std::max(0, rect.Left), std::max(0, rect.Top), std::min(picture.Width(), rect.Right),
                std::min(picture.Height(), rect.Bottom)};
  savedAlpha.Resize(r.Width(), r.Height());
  for (int32_t y = 0; y < savedAlpha.Height(); ++y) {
    uint32_t* row = picture.Row(r.Top + y) + r.Left;
    uint8_t* saved = savedAlpha.Row(y);
    for (int32_t x = 0; x < savedAlpha.Width(); ++x) {
      saved[x] = uint8_t(row[x] >> 24);
      row[x] = (row[x] & 0x00FFFFFFu) | 0x01000000u;
    }
  }
}

void RestoreTextAlpha(PixelBuffer& picture, const TRect& rect, const GreyBuffer& savedAlpha) {
  const int32_t left = std::max(0, rect.Left), top = std::max(0, rect.Top);
  const int32_t w = std::min(savedAlpha.Width(), picture.Width() - left);
  const int32_t h = std::min(savedAlpha.Height(), picture.Height() - top);
  for (int32_t y = 0; y < h; ++y) {
    uint32_t* row = picture.Row(top + y) + left;
    const uint8_t* saved = savedAlpha.Row(y);
    for (int32_t x = 0; x < w; ++x) {
      const uint32_t alpha = (row[x] >> 24) == 0 ? 255u : saved[x];
      row[x] = (row[x] & 0x00FFFFFFu) | (alpha << 24);
    }
  }
}
