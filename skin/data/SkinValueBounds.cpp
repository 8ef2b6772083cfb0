#include "skin/data/SkinValueBounds.h"

#include <algorithm>

#include "skin/data/SkinLoader.h"

namespace {

struct Range {
  int32_t Low;
  int32_t High;
};
constexpr Range kLength{-kMaxSkinLength, kMaxSkinLength};
constexpr Range kCoordinate{-kMaxSkinCoordinate, kMaxSkinCoordinate};
constexpr Range kCount{0, kMaxSkinCount};
constexpr Range kMaskRows{-1, kMaxSkinCount};  // -1: no image height
constexpr Range kOpacity{0, kMaxSkinOpacity};

// Limits values of one section (or of "GLOBALINFO") and reports what it changed.
class Bounder {
 public:
  Bounder(SkinClampCollector* collector, std::string_view section, bool report)
      : collector_(report ? collector : nullptr), section_(section) {}

  template <typename Int>
  void operator()(Int& value, Range range, std::string_view key, std::string_view field = {}) const {
    const int32_t v = int32_t(value);
    if (v >= range.Low && v <= range.High) return;
    const int32_t bound = v < range.Low ? range.Low : range.High;
    if (collector_) collector_->Clamped({section_, key, field, v, bound});
    value = Int(bound);
  }

  void Steps(TsGradArray& gradient, std::string_view key) const {
    if (gradient.size() <= size_t(kMaxSkinCount)) return;
    if (collector_) collector_->Clamped({section_, key, {}, int64_t(gradient.size()), kMaxSkinCount});
    gradient.resize(size_t(kMaxSkinCount));
  }

 private:
  SkinClampCollector* collector_;
  std::string_view section_;
};

void BoundGlobalInfo(TsSkinData& d, SkinClampCollector* collector) {
  const Bounder bound(collector, kGlobalSection, true);
  bound(d.Shadow1Offset, kLength, "SHADOW1OFFSET");
  bound(d.Shadow1Blur, kLength, "SHADOW1BLUR");
  bound(d.BorderWidth, kLength, "BORDERWIDTH");
  bound(d.TitleHeight, kLength, "TITLEHEIGHT");
  bound(d.MaxHeight, kLength, "MAXHEIGHT");
  bound(d.FormOffset, kLength, "FORMOFFSET");
  bound(d.CenterOffset, kLength, "CENTEROFFSET");
  bound(d.AlignOffset, kLength, "ALIGNOFFSET");
  bound(d.AlignOffsetR, kLength, "ALIGNOFFSETR");
  bound(d.AlignOffsetT, kLength, "ALIGNOFFSETT");
  bound(d.AlignOffsetB, kLength, "ALIGNOFFSETB");
  bound(d.BISpace, kLength, "BISPACE");
  bound(d.BIRight, kLength, "BIRIGHT");
  bound(d.BILeft, kLength, "BILEFT");
  bound(d.BITop, kLength, "BITOP");
  bound(d.BICloseGlow, kLength, "BICONCLOSEGLOW");
  bound(d.BICloseGlowMargin, kLength, "BICONCLOSEGLOWMARGIN");
  bound(d.BIMaxGlow, kLength, "BICONMAXGLOW");
  bound(d.BIMaxGlowMargin, kLength, "BICONMAXGLOWMARGIN");
  bound(d.BIMinGlow, kLength, "BICONMINGLOW");
  bound(d.BIMinGlowMargin, kLength, "BICONMINGLOWMARGIN");
  bound(d.ComboMargin, kLength, "COMBOMARGIN");
  Bounder(collector, "TABTOP", true)(d.TabsCovering, kLength, "TABSCOVERING");
  Bounder(collector, "RIBBONTAB", true)(d.RibbonTabsCovering, kLength, "TABSCOVERING");
}

void BoundOuterEffects(TacOutEffArray& effects, SkinClampCollector* collector) {
  const Bounder bound(collector, kGlobalSection, true);
  const char* const keys[2][9] = {
      {"LO_OFFSETL", "LO_OFFSETT", "LO_OFFSETR", "LO_OFFSETB", "LO_WIDTHL", "LO_WIDTHT", "LO_WIDTHR", "LO_WIDTHB",
       "LO_OPACITY"},
      {"SH_OFFSETL", "SH_OFFSETT", "SH_OFFSETR", "SH_OFFSETB", "SH_WIDTHL", "SH_WIDTHT", "SH_WIDTHR", "SH_WIDTHB",
       "SH_OPACITY"}};
  for (size_t i = 0; i < effects.size(); ++i) {
    TacOutEff& e = effects[i];
    int32_t* lengths[8] = {&e.OffsetL, &e.OffsetT, &e.OffsetR, &e.OffsetB, &e.WidthL, &e.WidthT, &e.WidthR, &e.WidthB};
    for (size_t k = 0; k < 8; ++k) bound(*lengths[k], kLength, keys[i][k]);
    bound(e.Opacity, kOpacity, keys[i][8]);
  }
}

// The keys of the state fields limited here, for states 0, 1 and 2.
constexpr const char* kGSizeKeys[3] = {"GSIZE", "HGSIZE", "GSIZE2"};
constexpr const char* kGradientKeys[3] = {"GRADIENTDATA", "HOTGRADIENTDATA", "GRADIENTDATA2"};

void BoundSection(TsGeneralData& g, SkinClampCollector* collector) {
  const Bounder bound(collector, g.SectionName, true);
  bound(g.States, kCount, "STATES");
  bound(g.Glow, kLength, "GLOW");
  bound(g.GlowMargin, kLength, "GLOWMARGIN");
  bound(g.OutOpacity, kOpacity, "OUTOPACITY");
  bound(g.OutOffsL, kLength, "OUTOFFSL");
  bound(g.OutOffsT, kLength, "OUTOFFST");
  bound(g.OutOffsR, kLength, "OUTOFFSR");
  bound(g.OutOffsB, kLength, "OUTOFFSB");
  // States 1 and 2 may be copies of the state before; those were reported there.
  const bool ownState[3] = {true, g.States >= 2, g.UseState2};
  for (size_t s = 0; s < 3; ++s) {
    const Bounder state(collector, g.SectionName, ownState[s]);
    state(g.Props[s].GSize, kLength, kGSizeKeys[s]);
    state.Steps(g.Props[s].GradientData, kGradientKeys[s]);
  }
}

void BoundImageRecord(TsMaskData& m, SkinClampCollector* collector) {
  const Bounder bound(collector, m.SectionName, true);
  bound(m.SourceRect.Left, kCoordinate, m.KeyName, "Left");
  bound(m.SourceRect.Top, kCoordinate, m.KeyName, "Top");
  bound(m.SourceRect.Right, kCoordinate, m.KeyName, "Right");
  bound(m.SourceRect.Bottom, kCoordinate, m.KeyName, "Bottom");
  bound(m.FrameCount, kCount, m.KeyName, "FrameCount");
  bound(m.MaskRows, kMaskRows, m.KeyName, "MaskRows");
  bound(m.UniformWidth, kCoordinate, m.KeyName, "UniformWidth");
  bound(m.BorderL, kCoordinate, m.KeyName, "BorderL");
  bound(m.BorderT, kCoordinate, m.KeyName, "BorderT");
  bound(m.BorderR, kCoordinate, m.KeyName, "BorderR");
  bound(m.BorderB, kCoordinate, m.KeyName, "BorderB");
}

}  // namespace

void BoundSkinValues(LoadedSkin& skin, SkinClampCollector* collector) {
  BoundGlobalInfo(skin.SkinData, collector);
  BoundOuterEffects(skin.OutEffects, collector);
  for (TsGeneralData& section : skin.Sections) BoundSection(section, collector);
  for (TsMaskData& mask : skin.Images.masks_) BoundImageRecord(mask, collector);
}
