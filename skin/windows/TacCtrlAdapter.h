#pragma once
// The control adapter of a skinned form: finds the toolkit's plain controls
// on the form (those that know nothing of skins) and skins them. A windowed
// control listed in the class-name lists gets the window handler of its list;
// a plain label takes the skin's font colour; engine controls (they answer
// skin command 7) and auxiliary windows (tag bit 256) are left alone. Freeing
// the adapter detaches every handler, so the controls get their own look back.
//
//   TacCtrlAdapter adapter(host);
//   adapter.Scan();                  // the whole form
//   ... HandlerOf(edit) is a TacEditWnd ...
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/TacMainWnd.h"
#include "skin/windows/AdapterRules.h"

class LabelRecolouring;
class TComponent;
class TControl;
class TCustomForm;
class TLabel;
class TSpeedButton;
class TWinControl;
class TsSkinManager;

// What the adapter needs of the provider that owns it.
class AdapterHost {
 public:
  virtual ~AdapterHost() = default;
  virtual TCustomForm& Form() const = 0;
  virtual TsSkinManager* Manager() const = 0;
  virtual bool AllowSkin3rdParty() const = 0;
  virtual const ThirdPartyList& OwnLists() const = 0;  // in force when one of them names a class
  virtual SkinItemEvents Events() const = 0;
  virtual LabelRecolouring& Labels() = 0;  // the plain labels' own colours
};

class TacCtrlAdapter {
 public:
  explicit TacCtrlAdapter(AdapterHost& host);
  ~TacCtrlAdapter();
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;

  // Skins every supported control under `parent` (the whole form when null).
  void Scan(TWinControl* parent = nullptr);
  // Skins one windowed control; `section` empty: its handler's default.
  void Add(TWinControl& control, const std::string& section = {});
  // Whether the adapter would skin the component.
  bool Supported(TComponent& component) const;
  // Sends a message to every adapted control whose handler is live and which has a parent.
  void Forward(UINT message, WPARAM wParam, LPARAM lParam);
  // The live handler attached to a control, or null.
  TacMainWnd* HandlerOf(const TControl& control) const;

 private:
  struct Item {
    TWinControl* Control;
    std::weak_ptr<const void> ControlLife;
    std::unique_ptr<TacMainWnd> Handler;
  };
  bool Enabled() const;  // the provider and the manager's rules let it run
  void PurgeDead();
  void ScanLevel(TWinControl& parent, int depth);
  void RecolourLabel(TLabel& label);
  CandidateFacts FactsOf(TComponent& component) const;
  const ThirdPartyList& Lists() const;
  std::unique_ptr<TacMainWnd> Attach(TWinControl& control, const TacSkinParams& params);
  Item* ItemOf(const TControl& control);

  AdapterHost& host_;
  std::vector<Item> items_;
  bool scanning_ = false;
};
