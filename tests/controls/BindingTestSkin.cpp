#include "tests/controls/BindingTestSkin.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "tests/data/TinySkin.h"

namespace {

// Colours are TColor values ($00BBGGRR).
const char* const kOptions =
    "[GLOBALINFO]\n"
    "VERSION=10.00\n"
    "MASTERBITMAP=master.bmp\n"
    "SH_SOURCE=1\nSH_MASK=^0000^0000^0012^0006^0003^0003^0003^0003^1^0^0^0\nSH_OPACITY=255\n"
    "SH_OFFSETL=3\nSH_OFFSETT=3\nSH_OFFSETR=3\nSH_OFFSETB=3\n"
    "[FORM]\n"
    "COLOR=$00F0F0F0\n"
    "[EDIT]\n"
    "STATES=2\n"
    "COLOR=$00EEEEEE\nHOTCOLOR=$00FFFFFF\nFONTCOLOR=$00333333\nHOTFONTCOLOR=$00000000\n"
    "[TSPANEL]\n"
    "COLOR=$00123456\n"
    "[PLAIN]\n"
    "STATES=1\n"
    "COLOR=$00808080\n"
    "BORDERSMASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^1^0\n"
    "[HOTFRAME]\n"
    "COLOR=$00808080\nHOTCOLOR=$00808080\n"
    "BORDERSMASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^3^0\n"
    "[CENTRED]\n"
    "BORDERSMASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^4^0\n"
    "[GLASS]\n"
    "TRANSPARENCY=100\nHOTTRANSPARENCY=100\n"
    "[SMOKE]\n"
    "TRANSPARENCY=40\nCOLOR=$00000000\n"
    "[GRADED]\n"
    "GRADIENTPERCENT=100\nGRADIENTDATA=16777215;0;100;0;0\n"
    "[OUTLINED]\n"
    "FONTCOLOR=$00FF0000\nTCBOTTOM=$000000FF\n"
    "[DIMTEXT]\n"
    "FONTCOLOR=$00FFFFFF\nCOLOR=$00000000\nGSIZE=0\n"
    "[SHADOWED]\n"
    "OUTERMASK=^0000^0000^0012^0006^0002^0002^0002^0002^1^0^0^0\n"
    "OUTOFFSL=2\nOUTOFFST=2\nOUTOFFSR=2\nOUTOFFSB=2\nOUTOPACITY=128\n"
    "[FARSHADOW]\n"
    "OUTERMODE=2\n"
    "[GLOWING]\n"
    "FONTCOLOR=$00000000\nGSIZE=3\nGCOL=$0000FF00\n";

const std::string kName = "binding test";

}  // namespace

std::unique_ptr<TsSkinManager> MakeTestManager() {
  TinySkin tiny;
  tiny.Options(kOptions).File("master.bmp", EncodeBmp24(Filled(12, 6, 0xFF404040)));
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  TsStoredSkin stored;
  stored.Name = kName;
  stored.Data = tiny.Package();
  manager->SetInternalSkins({stored});
  manager->SetSkinName(kName);
  return manager;
}

int32_t SectionOf(const TsSkinManager& manager, const std::string& name) {
  return manager.Skin() ? FindSection(manager.Skin()->Sections, name) : -1;
}

intptr_t FakeHost::SendCommand(uint16_t command, intptr_t) {
  Commands.push_back(command);
  if (command == AC_GETDEFINDEX) return DefaultSectionAnswer;
  if (command == AC_PREPARECACHE && Binding) {
    Binding->PrepareCache();
    Binding->CacheStale = false;
  }
  return 0;
}

intptr_t FakeHost::SendParentCommand(uint16_t command, intptr_t) {
  ParentCommands.push_back(command);
  if (command == AC_CTRLHANDLED) return ParentSkinned ? 1 : 0;
  if (command == AC_GETCONTROLCOLOR) return intptr_t(ParentControlColor);
  return 0;
}

bool FakeHost::AskParentBackground(BackgroundRequest& request, bool) {
  if (!Parent) return false;
  const TRect clip = request.ClipRect;
  request = ParentReply;
  request.ClipRect = clip;
  return true;
}
