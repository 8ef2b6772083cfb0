#pragma once
// User title buttons of a skinned form: buttons of the caption beside the
// system's own, each with its own glyph (or the skin's "TITLEBUTTON"
// picture), hint and mouse events. The provider lays them out, tracks the
// pointer over them and calls their events. Windows only (the glyph is a
// toolkit bitmap).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/Graphics.h"

class TsTitleButton final : public TComponent {
 public:
  TsTitleButton() : TComponent(nullptr) { Name = ClassName(); }
  std::string ClassName() const override { return "TsTitleButton"; }

  std::string Hint;  // shown while the pointer is over the button
  TBitmap Glyph;     // a 32-bit glyph keeps its alpha; any other loses its bottom-left colour
  bool Enabled = true;
  bool Visible = true;
  bool UseSkinData = true;  // the skin's "TITLEBUTTON" picture behind the glyph
  // Left button only; the point is relative to the form's client area, the
  // sender the button. A handler may free the form.
  TMouseEvent OnMouseDown, OnMouseUp;
};

// The provider's collection; a button's index is its place here (hit code
// 1000 + index). Adding and clearing tell the owner at once, which lays the
// buttons out again: the frame must not keep a freed button's glyph.
class TsTitleButtons {
 public:
  explicit TsTitleButtons(std::function<void()> changed) : changed_(std::move(changed)) {}
  TsTitleButton& Add() {
    TsTitleButton& button = *items_.emplace_back(std::make_unique<TsTitleButton>());
    changed_();
    return button;
  }
  void Clear() {
    items_.clear();
    changed_();
  }
  size_t Count() const { return items_.size(); }
  TsTitleButton& operator[](size_t index) const { return *items_[index]; }

 private:
  std::function<void()> changed_;
  std::vector<std::unique_ptr<TsTitleButton>> items_;
};
