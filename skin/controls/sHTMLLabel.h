#pragma once
// TsHTMLLabel: a skinned label whose caption is a small HTML-like markup
// (bold, italic, underline, fonts, line breaks, entities and links). Links
// turn hot under the pointer and open with the shell when clicked. Windows only.
#include <functional>
#include <string>

#include "skin/controls/HtmlLinkTracker.h"
#include "skin/controls/sHtml.h"
#include "skin/controls/sLabel.h"

// How a shell-opened link's window is shown: the system's show commands, in their order.
enum class TsWindowShowMode {
  soHide, soNormal, soShowMinimized, soMaximize, soShowNoActivate, soShow, soMinimize, soShowMinNoActive, soShowNA,
  soRestore, soDefault
};
inline constexpr int64_t kWindowShowModeCount = 11;

class TsHTMLLabel : public TsLabel {
 public:
  explicit TsHTMLLabel(TComponent* owner) : TsLabel(owner) {}
  std::string ClassName() const override { return "TsHTMLLabel"; }
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;

  bool UseHTML = true;
  TsWindowShowMode ShowMode = TsWindowShowMode::soDefault;
  // The caption without its tags.
  std::string PlainCaption() const { return HtmlPlainText(Caption()); }
  // The links of the last drawing, with the hot and pressed one.
  const HtmlLinkTracker& Links() const { return links_; }

 protected:
  void Paint(HDC dc) override;

 private:
  bool Marked() const { return UseHTML && !Caption().empty(); }
  HtmlFont FontOf() const;
  HtmlLinkColors LinkColors() const;
  // An auto-sized label takes the measured size of its markup (nothing wraps while measuring).
  void FitToText();
  LRESULT OnMouseMove(TMessage& message);
  LRESULT OnLeftDown(TMessage& message);
  LRESULT OnLeftUp(TMessage& message);
  LRESULT OnMouseLeave(TMessage& message);
  LRESULT OnLookChanged(TMessage& message);

  HtmlLinkTracker links_;
};

// Opens a clicked link: the shell's "open" verb with the target and the label's show mode. Tests replace it.
using LinkOpener = std::function<void(HWND owner, const std::wstring& target, int showCommand)>;
LinkOpener& HtmlLabelLinkOpener();
