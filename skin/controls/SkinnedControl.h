#pragma once
// The skin-command answers that skinned windowed controls give alike: the
// default section's index, the picture built on request, the repaint when
// suspended painting resumes, and the pointer leaving on request. A control
// (the edit, the memo, the combo box; a window handler can do the same) asks
// AnswerSharedCommand first, handles its own commands, and leaves the rest to
// its binding. Windows only.
#include <cstdint>
#include <optional>
#include <string_view>

#include "toolkit/Messages.h"

class TsCommonData;

class SkinnedControl {
 public:
  explicit SkinnedControl(TsCommonData& binding) : binding_(binding) {}
  virtual ~SkinnedControl() = default;
  SkinnedControl(const SkinnedControl&) = delete;
  SkinnedControl& operator=(const SkinnedControl&) = delete;

  // The answer to AC_GETDEFINDEX, AC_PREPARECACHE, AC_ENDPARENTUPDATE, AC_APPACTIVATED and AC_MOUSELEAVE;
  // none for every other command.
  std::optional<LRESULT> AnswerSharedCommand(uint16_t command, TMessage& message);
  // The announcement (new skin, removal, refresh) comes from the manager this control is bound to.
  bool FromOwnManager(const TMessage& message) const;

 protected:
  // The section a control without a section name is drawn from.
  virtual std::string_view DefaultSectionName() const = 0;
  // A control that keeps its own picture builds it on request; false when the parent is not ready.
  virtual bool KeepsPicture() const { return true; }
  virtual bool BuildPicture() { return true; }
  // Shows the picture again (after suspended painting resumed).
  virtual void RepaintPicture() = 0;
  // The pointer left, as the manager's hot-control check saw it.
  virtual void PointerLeft() {}

 private:
  TsCommonData& binding_;
};
