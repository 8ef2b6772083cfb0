#include "toolkit/FormReader.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "toolkit/Buttons.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Dialogs.h"
#include "toolkit/StdCtrls.h"

namespace {

template <class T>
TComponentFactory Factory() {
  return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

std::map<std::string, TComponentFactory>& Classes() {
  static std::map<std::string, TComponentFactory> classes = {
      {"TEdit", Factory<TEdit>()},       {"TMemo", Factory<TMemo>()},
      {"TComboBox", Factory<TComboBox>()}, {"TButton", Factory<TButton>()},
      {"TLabel", Factory<TLabel>()},     {"TSpeedButton", Factory<TSpeedButton>()},
      {"TOpenDialog", Factory<TOpenDialog>()},
  };
  return classes;
}

std::vector<TPropertyHook>& Hooks() {
  static std::vector<TPropertyHook> hooks;
  return hooks;
}

// A stored value with the form's handlers at hand.
struct Reader : TStoredReader {
  const TFormMethods& methods;

  const std::string& Method() const {
    if (auto* v = std::get_if<TStoredMethod>(&Value)) return v->Name;
    Fail("handler expected");
  }
  template <class Event>
  Event Bind(const std::function<Event(const std::string&)>& lookup) const {
    Event handler = lookup ? lookup(Method()) : Event();
    if (!handler) Fail(("no handler " + Method()).c_str());
    return handler;
  }
};

int Scaled(int64_t value96) { return Screen::Scale(int(value96)); }

bool ApplyControl(TControl& c, const std::string& n, const Reader& r) {
  if (n == "Left") c.SetBounds(Scaled(r.Int()), c.Top(), c.Width(), c.Height());
  else if (n == "Top") c.SetBounds(c.Left(), Scaled(r.Int()), c.Width(), c.Height());
  else if (n == "Width") c.SetBounds(c.Left(), c.Top(), Scaled(r.Int()), c.Height());
  else if (n == "Height") c.SetBounds(c.Left(), c.Top(), c.Width(), Scaled(r.Int()));
  else if (n == "Visible") c.SetVisible(r.Bool());
  else if (n == "Enabled") c.SetEnabled(r.Bool());
  else if (n == "Color") c.SetColor(TColor(r.Int()));
  else if (n == "Caption" || n == "Text") c.SetText(r.Text());
  else if (n == "Hint") c.Hint = r.Text();
  else if (n == "ShowHint") c.ShowHint = r.Bool();
  else if (n == "ParentFont") c.ParentFont = r.Bool();
  else if (n == "Font.Name") { c.Font.Name = r.Text(); c.Font.Changed(); }
  else if (n == "Font.Height") { c.Font.Height = Scaled(r.Int()); c.Font.Changed(); }
  else if (n == "Font.Color") { c.Font.Color = TColor(r.Int()); c.Font.Changed(); }
  else if (n == "Font.Charset") { c.Font.Charset = int(r.Int()); c.Font.Changed(); }
  else if (n == "OnClick") c.OnClick = r.Bind(r.methods.Notify);
  else if (n == "OnMouseDown") c.OnMouseDown = r.Bind(r.methods.Mouse);
  else return false;
  return true;
}

bool ApplyWinControl(TWinControl& c, const std::string& n, const Reader& r) {
  if (n == "TabOrder") c.TabOrder = int(r.Int());
  else if (n == "TabStop") c.TabStop = r.Bool();
  else if (n == "OnEnter") c.OnEnter = r.Bind(r.methods.Notify);
  else if (n == "OnExit") c.OnExit = r.Bind(r.methods.Notify);
  else if (n == "OnKeyPress") c.OnKeyPress = r.Bind(r.methods.KeyPress);
  else return false;
  return true;
}

bool ApplySpecific(TComponent& c, const std::string& n, const Reader& r) {
  if (auto* e = dynamic_cast<TCustomEdit*>(&c)) {
    if (n == "MaxLength") e->SetMaxLength(int(r.Int()));
    else if (n == "ReadOnly") e->SetReadOnly(r.Bool());
    else if (n == "AutoSelect") e->AutoSelect = r.Bool();
    else if (n == "Ctl3D") e->Ctl3D = r.Bool();
    else if (n == "BorderStyle") e->BorderStyle = TBorderStyle(r.Int());
    else if (n == "OnChange") e->OnChange = r.Bind(r.methods.Notify);
    else if (auto* m = dynamic_cast<TMemo*>(&c); m && n == "WordWrap") m->WordWrap = r.Bool();
    else if (m && n == "Lines") for (const std::string& line : r.List()) m->Lines.Add(line);
    else return false;
    return true;
  }
  if (auto* b = dynamic_cast<TComboBox*>(&c)) {
    if (n == "Style") b->Style = TComboBoxStyle(r.Int());
    else if (n == "ItemHeight") b->ItemHeight = Scaled(r.Int());
    else if (n == "Items") b->Items.Assign(r.List());
    else if (n == "ItemIndex") b->SetItemIndex(int(r.Int()));
    else if (n == "AutoComplete") b->AutoComplete = r.Bool();
    else if (n == "Ctl3D") b->Ctl3D = r.Bool();
    else if (n == "OnChange") b->OnChange = r.Bind(r.methods.Notify);
    else return false;
    return true;
  }
  if (auto* s = dynamic_cast<TSpeedButton*>(&c)) {
    // The pixel settings and the image count are held to their ranges by the setters.
    if (n == "Flat") s->SetFlat(r.Bool());
    else if (n == "Transparent") s->Transparent = r.Bool();
    else if (n == "Layout") s->SetLayout(r.Enum<TButtonLayout>(4));
    else if (n == "Margin") s->SetMargin(int(std::clamp<int64_t>(r.Int(), -1, kMaxButtonInset)));
    else if (n == "Spacing") s->SetSpacing(int(std::clamp<int64_t>(r.Int(), -kMaxButtonInset, kMaxButtonInset)));
    else if (n == "NumGlyphs") s->SetNumGlyphs(int(std::clamp<int64_t>(r.Int(), 1, kMaxNumGlyphs)));
    else if (n == "GroupIndex") s->SetGroupIndex(int(r.Int()));  // stored before Down, which needs a group
    else if (n == "AllowAllUp") s->SetAllowAllUp(r.Bool());
    else if (n == "Down") s->SetDown(r.Bool());
    else return false;
    return true;
  }
  if (auto* b = dynamic_cast<TButton*>(&c)) {
    if (n == "Default") b->Default = r.Bool();
    else if (n == "Cancel") b->Cancel = r.Bool();
    else if (n == "ModalResult") b->ModalResult = int(r.Int());
    else return false;
    return true;
  }
  if (auto* l = dynamic_cast<TLabel*>(&c)) {
    if (n == "Transparent") l->Transparent = r.Bool();
    else if (n == "WordWrap") l->WordWrap = r.Bool();
    else return false;
    return true;
  }
  if (auto* d = dynamic_cast<TOpenDialog*>(&c)) {
    if (n == "Filter") d->Filter = r.Text();
    else if (n == "FilterIndex") d->FilterIndex = int(r.Int());
    else if (n == "Options") d->Options = int(r.Int());
    else return false;
    return true;
  }
  if (auto* f = dynamic_cast<TCustomForm*>(&c)) {
    if (n == "ClientWidth") f->SetClientSize(Scaled(r.Int()), f->ClientHeight());
    else if (n == "ClientHeight") f->SetClientSize(f->ClientWidth(), Scaled(r.Int()));
    else if (n == "BorderStyle") f->BorderStyle = TFormBorderStyle(r.Int());
    else if (n == "BorderIcons") {
      f->BorderIcons = {false, false, false, false};
      for (const std::string& icon : r.List()) {
        if (icon == "biSystemMenu") f->BorderIcons.SystemMenu = true;
        else if (icon == "biMinimize") f->BorderIcons.Minimize = true;
        else if (icon == "biMaximize") f->BorderIcons.Maximize = true;
        else if (icon == "biHelp") f->BorderIcons.Help = true;
        else r.Fail("unknown border icon");
      }
    }
    else if (n == "Position") f->Position = TPosition(r.Int());
    else if (n == "KeyPreview") f->KeyPreview = r.Bool();
    else if (n == "AlphaBlend") f->AlphaBlend = r.Bool();
    else if (n == "AlphaBlendValue") f->AlphaBlendValue = int(r.Int());
    else if (n == "OnCreate") f->OnCreate = r.Bind(r.methods.Notify);
    else return false;
    return true;
  }
  return false;
}

void Apply(TComponent& c, const TStoredProperty& p, const TFormMethods& methods) {
  for (const TPropertyHook& hook : Hooks())
    if (hook(c, p.Name, p.Value)) return;
  std::string className = c.ClassName();
  Reader r{{className, p.Name, p.Value}, methods};
  if (p.Name == "Tag") {
    c.Tag = int(r.Int());
    return;
  }
  if (ApplySpecific(c, p.Name, r)) return;
  if (auto* w = dynamic_cast<TWinControl*>(&c); w && ApplyWinControl(*w, p.Name, r)) return;
  if (auto* control = dynamic_cast<TControl*>(&c); control && ApplyControl(*control, p.Name, r)) return;
  r.Fail("no such property");
}

}  // namespace

void TStoredReader::Fail(const char* what) const {
  throw std::runtime_error("Stored property " + ClassName + "." + Name + ": " + what);
}

int64_t TStoredReader::Int() const {
  if (auto* v = std::get_if<int64_t>(&Value)) return *v;
  Fail("integer expected");
}

bool TStoredReader::Bool() const {
  if (auto* v = std::get_if<bool>(&Value)) return *v;
  Fail("boolean expected");
}

std::string TStoredReader::Text() const {
  if (auto* v = std::get_if<std::string>(&Value)) return Cp1251::FromUtf8(*v);
  Fail("text expected");
}

std::vector<std::string> TStoredReader::List() const {
  auto* v = std::get_if<std::vector<std::string>>(&Value);
  if (!v) Fail("list expected");
  std::vector<std::string> out;
  for (const std::string& s : *v) out.push_back(Cp1251::FromUtf8(s));
  return out;
}

const TStoredItems& TStoredReader::Items() const {
  if (auto* v = std::get_if<TStoredItems>(&Value)) return *v;
  Fail("collection expected");
}

void RegisterComponentClass(const std::string& className, TComponentFactory factory) {
  Classes()[className] = std::move(factory);
}

void RegisterPropertyHook(TPropertyHook hook) { Hooks().push_back(std::move(hook)); }

void ReadForm(TCustomForm& form, const TFormDefinition& definition, const TFormMethods& methods) {
  form.BeginLoading();
  const TStoredProperty* activeControl = nullptr;  // refers to a component: applied once all exist
  for (const TStoredProperty& p : definition.FormProperties) {
    if (p.Name == "ActiveControl")
      activeControl = &p;
    else
      Apply(form, p, methods);
  }
  std::vector<TComponent*> created;
  for (const TStoredComponent& stored : definition.Components) {
    auto it = Classes().find(stored.ClassName);
    if (it == Classes().end()) throw std::runtime_error("Class " + stored.ClassName + " not found");
    TComponent* component = it->second(&form);
    component->BeginLoading();
    component->Name = stored.Name;
    form.Announce(component, TOperation::opInsert);
    created.push_back(component);
    if (auto* control = dynamic_cast<TControl*>(component)) control->SetParent(&form);
    for (const TStoredProperty& p : stored.Properties) Apply(*component, p, methods);
  }
  if (activeControl) {
    std::string formClass = form.ClassName();
    std::string name = TStoredReader{formClass, activeControl->Name, activeControl->Value}.Text();
    auto* control = dynamic_cast<TWinControl*>(form.FindComponent(name));
    if (!control) throw std::runtime_error("Stored property ActiveControl: no windowed control " + name);
    form.SetActiveControl(control);
  }
  for (TComponent* component : created) component->Loaded();
  form.Loaded();
}
