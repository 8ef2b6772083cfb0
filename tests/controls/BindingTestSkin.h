#pragma once
// A skin manager with a small skin for the binding and text tests, and a host
// that records what the binding asks of it.
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/BindingHost.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"

// Sections of the test skin (see BindingTestSkin.cpp for their values).
std::unique_ptr<TsSkinManager> MakeTestManager();
int32_t SectionOf(const TsSkinManager& manager, const std::string& name);

class FakeHost : public BindingHost {
 public:
  std::string Class = "TSEDIT";
  bool Window = true, Form = false, Dying = false, InLoading = false, Design = false;
  bool IsEnabled = true, IsShowing = true, Focusable = true, IsTabStop = true, Focused = false;
  bool Parent = true;
  TSize HostSize{40, 20};
  TPoint Position{10, 20};
  TColor HostColor = clBtnFace, Font = clWindowText, ParentsColor = clWhite;
  intptr_t DefaultSectionAnswer = 0;  // AC_GETDEFINDEX
  // The parent's answer to AC_GETBG.
  BackgroundRequest ParentReply;
  bool ParentSkinned = false;  // answers AC_CTRLHANDLED with 1
  TColor ParentControlColor = clWhite;  // its answer to AC_GETCONTROLCOLOR
  // What the binding did.
  std::vector<uint16_t> Commands, ParentCommands, ChildCommands;
  int Redraws = 0, Invalidates = 0, FrameRecalculations = 0;
  TsCommonData* Binding = nullptr;  // AC_PREPARECACHE builds its picture when set

  std::string ClassName() const override { return Class; }
  void* HotToken() override { return this; }
  bool IsForm() const override { return Form; }
  bool Windowed() const override { return Window; }
  bool Destroying() const override { return Dying; }
  bool Loading() const override { return InLoading; }
  bool DesignMode() const override { return Design; }
  bool Enabled() const override { return IsEnabled; }
  bool Showing() const override { return IsShowing; }
  bool CanFocus() const override { return Focusable; }
  bool TabStop() const override { return IsTabStop; }
  bool WindowFocused() const override { return Focused; }
  TSize Size() const override { return HostSize; }
  TPoint PositionInParent() const override { return Position; }
  bool HasParent() const override { return Parent; }
  TColor Color() const override { return HostColor; }
  void SetColor(TColor c) override { HostColor = c; }
  TColor FontColor() const override { return Font; }
  void SetFontColor(TColor c) override { Font = c; }
  intptr_t SendCommand(uint16_t command, intptr_t) override;
  intptr_t SendParentCommand(uint16_t command, intptr_t argument) override;
  void SendChildrenCommand(uint16_t command, intptr_t, bool) override { ChildCommands.push_back(command); }
  bool AskParentBackground(BackgroundRequest& request, bool) override;
  TColor ParentColor() const override { return ParentsColor; }
  void RecalculateFrame() override { ++FrameRecalculations; }
  void Invalidate(bool) override { ++Invalidates; }
  void Redraw(bool) override { ++Redraws; }
};
