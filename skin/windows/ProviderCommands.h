#pragma once
// The skin provider's answers to skin commands, kept apart from its window:
// what each command does to the form is asked of a narrow host (the
// provider), and the marks the commands set (updating, moved by a glued
// partner) are kept here. Portable.
#include <cstdint>

#include "skin/render/core/Geometry.h"

class ProviderCommandHost {
 public:
  virtual ~ProviderCommandHost() = default;
  // Skinned and not being destroyed.
  virtual bool Skinned() const = 0;
  // The argument of a skin announcement is this provider's manager.
  virtual bool FromOwnManager(intptr_t argument) const = 0;
  virtual void Prepare() = 0;    // take the manager's skin (afresh)
  virtual void Unprepare() = 0;  // give the form its own look back
  virtual void Refresh() = 0;    // take the skin afresh and redraw everything
  virtual void RepaintFrame() = 0;
  virtual void ShowFrame() = 0;  // show the frame from the cache as it is
  virtual bool CacheStale() const = 0;
  virtual void SetCacheStale(bool stale) = 0;
  virtual void RebuildCache() = 0;
  virtual void SuspendPainting(bool suspended) = 0;  // the binding's painting
  // The form's children hear the command (the children that have one, pass it on in their turn).
  virtual void PassOnToChildren(uint16_t command, intptr_t argument) = 0;
  virtual void ClearTitleButtons() = 0;
  virtual void SuspendRedraw() = 0;
  virtual void ResumeRedraw() = 0;  // with the frame and the children
  virtual void SetOpacity(int32_t alpha) = 0;
  // The form's control adapter takes the control given (a TControl*), or scans the whole form (0).
  virtual void AdaptControls(intptr_t control) = 0;
  // Answers that the binding or the provider's own queries give.
  virtual intptr_t AskBinding(uint16_t command, intptr_t argument) = 0;
  virtual bool BackgroundIsPicture() = 0;
  virtual uint32_t ControlColor() = 0;
  virtual intptr_t AnswerBackground(intptr_t request) = 0;
  virtual intptr_t AnswerFontSection(intptr_t request) = 0;
  virtual intptr_t Provider() = 0;
  virtual intptr_t ApplicationObject() = 0;
  virtual TPoint ClientOrigin() const = 0;
  // (window width - client width) / 2 - the form's inner border width.
  virtual int32_t WindowFrameWidth() const = 0;
};

class ProviderCommands {
 public:
  // The answer to command; commands that are not the provider's answer 0 and do nothing.
  intptr_t Answer(uint16_t command, intptr_t argument, ProviderCommandHost& host);

  bool Updating() const { return updating_; }
  bool Glued() const { return glued_; }

 private:
  intptr_t AnswerSkinned(uint16_t command, intptr_t argument, ProviderCommandHost& host);

  bool updating_ = false;  // the frame waits for the end of the parent's update
  bool glued_ = false;     // moved by a glued partner
};
