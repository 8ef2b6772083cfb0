#include "skin/controls/SkinnedControl.h"

#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"

std::optional<LRESULT> AnswerSharedCommand(uint16_t command, TMessage& m, TsCommonData& binding,
                                           SharedAnswerHooks& hooks) {
  switch (command) {
    case AC_GETDEFINDEX: {
      const TsSkinManager* manager = binding.Manager();
      return manager ? manager->Elements().Section(hooks.DefaultSectionName()) + 1 : 0;
    }
    case AC_PREPARECACHE:
      if (!hooks.KeepsPicture()) return std::nullopt;
      if (!hooks.BuildPicture()) binding.PaintSuspended = true;
      return 0;
    case AC_ENDPARENTUPDATE:
    case AC_APPACTIVATED: {
      const bool wasSuspended = binding.PaintSuspended;
      const LRESULT answer = binding.OnSkinCommand(command, m.LParam).value_or(0);
      if (wasSuspended && !binding.PaintSuspended) hooks.RepaintPicture();
      return answer;
    }
    case AC_MOUSELEAVE:
      hooks.PointerLeft();
      return 0;
    default: return std::nullopt;
  }
}

bool FromManager(const TsSkinManager* manager, intptr_t argument) {
  return reinterpret_cast<const TsSkinManager*>(argument) == manager;
}

bool SkinnedControl::FromOwnManager(const TMessage& m) const { return FromManager(binding_.Manager(), m.LParam); }
