#include "skin/controls/SkinnedControl.h"

#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"

std::optional<LRESULT> SkinnedControl::AnswerSharedCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_GETDEFINDEX: {
      const TsSkinManager* manager = binding_.Manager();
      return manager ? manager->Elements().Section(DefaultSectionName()) + 1 : 0;
    }
    case AC_PREPARECACHE:
      if (!KeepsPicture()) return std::nullopt;
      if (!BuildPicture()) binding_.PaintSuspended = true;
      return 0;
    case AC_ENDPARENTUPDATE:
    case AC_APPACTIVATED: {
      const bool wasSuspended = binding_.PaintSuspended;
      const LRESULT answer = binding_.OnSkinCommand(command, m.LParam).value_or(0);
      if (wasSuspended && !binding_.PaintSuspended) RepaintPicture();
      return answer;
    }
    case AC_MOUSELEAVE:
      PointerLeft();
      return 0;
    default: return std::nullopt;
  }
}

bool SkinnedControl::FromOwnManager(const TMessage& m) const {
  return reinterpret_cast<const TsSkinManager*>(m.LParam) == binding_.Manager();
}
