#pragma once
// The skin-command answers that skinned windows give alike: the default
// section's index, the picture built on request, the repaint when suspended
// painting resumes, and the pointer leaving on request. A skinned control
// (the edit, the memo, the combo box) and a window handler both ask
// AnswerSharedCommand first, handle their own commands, and leave the rest to
// their binding; each says through SharedAnswerHooks what these mean for it.
// Windows only.
#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/Messages.h"

class TsCommonData;
class TsSkinManager;

class SharedAnswerHooks {
 public:
  virtual ~SharedAnswerHooks() = default;
  // The section a window without a section name is drawn from.
  virtual std::string DefaultSectionName() const = 0;
  // A window that keeps its own picture builds it on request; false when the parent is not ready.
  virtual bool KeepsPicture() const { return true; }
  virtual bool BuildPicture() { return true; }
  // Shows the picture again (after suspended painting resumed).
  virtual void RepaintPicture() = 0;
  // The pointer left, as the manager's hot-control check saw it.
  virtual void PointerLeft() {}
};

// The answer to AC_GETDEFINDEX, AC_PREPARECACHE, AC_ENDPARENTUPDATE, AC_APPACTIVATED and AC_MOUSELEAVE;
// none for every other command.
std::optional<LRESULT> AnswerSharedCommand(uint16_t command, TMessage& message, TsCommonData& binding,
                                           SharedAnswerHooks& hooks);
// A skin announcement's argument (new skin, removal, refresh) names manager.
bool FromManager(const TsSkinManager* manager, intptr_t argument);

// The shared answers for a control with its own binding.
class SkinnedControl : protected SharedAnswerHooks {
 public:
  explicit SkinnedControl(TsCommonData& binding) : binding_(binding) {}
  SkinnedControl(const SkinnedControl&) = delete;
  SkinnedControl& operator=(const SkinnedControl&) = delete;

  std::optional<LRESULT> AnswerSharedCommand(uint16_t command, TMessage& message) {
    return ::AnswerSharedCommand(command, message, binding_, *this);
  }
  // The announcement comes from the manager this control is bound to.
  bool FromOwnManager(const TMessage& message) const;

 private:
  TsCommonData& binding_;
};
