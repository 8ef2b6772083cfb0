#include "skin/data/sSkinData.h"

#include "skin/data/SkinKeys.h"
#include "skin/data/SkinOptions.h"

double ReadSkinVersion(const TacSkinOptions& text) { return text.ReadReal(kGlobalSection, GlobalInfoKey("VERSION"), 0); }

void ReadSkinData(const TacSkinOptions& text, const TsGlobalPartOptions& options, TsSkinData& d) {
  const auto integer = [&](GlobalInfoKey key, int32_t def) { return text.ReadInteger(kGlobalSection, key, def); };
  d.AeroBlur = integer("AEROBLUR", 0) != 0;
  d.Author = text.ReadText(kGlobalSection, GlobalInfoKey("AUTHOR"));
  d.Description = text.ReadText(kGlobalSection, GlobalInfoKey("DESCRIPTION"));
  d.Shadow1Offset = integer("SHADOW1OFFSET", 0);
  d.Shadow1Blur = integer("SHADOW1BLUR", -1);
  d.Shadow1Transparency = integer("SHADOW1TRANSPARENCY", 0);
  d.BorderWidth = integer("BORDERWIDTH", 4);
  d.TitleHeight = integer("TITLEHEIGHT", 30);
  if (d.TitleHeight == 0) d.TitleHeight = 30;
  d.MaxHeight = integer("MAXHEIGHT", d.TitleHeight);
  if (d.MaxHeight == 0) d.MaxHeight = d.TitleHeight;
  d.FormOffset = integer("FORMOFFSET", options.SystemFrameWidth);
  d.CenterOffset = integer("CENTEROFFSET", 0);
  d.BorderMode = integer("BORDERMODE", 0);
  d.AlignOffset = integer("ALIGNOFFSET", 0);
  d.AlignOffsetR = integer("ALIGNOFFSETR", d.AlignOffset);
  d.AlignOffsetT = integer("ALIGNOFFSETT", d.AlignOffset);
  d.AlignOffsetB = integer("ALIGNOFFSETB", d.AlignOffset);
  d.BISpace = integer("BISPACE", 0);
  d.BIVAlign = integer("BIVALIGN", 0);
  d.BIRight = integer("BIRIGHT", 0);
  d.BILeft = integer("BILEFT", 0);
  d.BITop = integer("BITOP", 0);
  d.BIKeepHue = integer("BIKEEPHUE", 0);
  d.BICloseGlow = integer("BICONCLOSEGLOW", 0);
  d.BICloseGlowMargin = integer("BICONCLOSEGLOWMARGIN", 0);
  d.BIMaxGlow = integer("BICONMAXGLOW", 0);
  d.BIMaxGlowMargin = integer("BICONMAXGLOWMARGIN", 0);
  d.BIMinGlow = integer("BICONMINGLOW", 0);
  d.BIMinGlowMargin = integer("BICONMINGLOWMARGIN", 0);
  d.ComboMargin = integer("COMBOMARGIN", 2);
  d.BrightMin = integer("BRIGHTMIN", -50);
  d.BrightMax = integer("BRIGHTMAX", 50);
  d.TabsCovering = text.ReadInteger("TABTOP", "TABSCOVERING", 0);
  d.RibbonTabsCovering = text.ReadInteger("RIBBONTAB", "TABSCOVERING", 0);
  d.Shadow1Color = TColor(integer("SHADOW1COLOR", 0));
  d.Version = ReadSkinVersion(text);
}
