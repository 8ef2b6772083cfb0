#include "skin/handlers/ButtonFactsWin.h"

#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/Control.h"

ButtonFacts ReadButtonFacts(HWND window, const TControl* control, const TsCommonData& binding,
                            const TsSkinManager* manager) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  ButtonFacts f;
  f.Pressed = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  f.Enabled = IsWindowEnabled(window) != FALSE;
  f.ToolkitButton = control != nullptr;
  f.DesignTime = binding.Host() && binding.Host()->DesignMode();
  f.Focused = GetFocus() == window;
  f.HotWindow = manager && manager->HotWindow() == reinterpret_cast<uintptr_t>(window);
  f.BindingHasFocus = binding.HasFocus;
  f.BindingActive = binding.IsActive();
  f.Default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return f;
}
