#pragma once
// Stored form definitions: the components of a form in creation order with
// their stored settings. Reading one creates each component, applies its
// settings while everything is in the loading state, and then gives every
// component its loaded step.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "toolkit/Forms.h"

// A handler of the form, by name (bound through TCustomForm's method lookup).
struct TStoredMethod {
  std::string Name;
};
struct TStoredProperty;
// The items of a stored collection, each with its own settings.
using TStoredItems = std::vector<std::vector<TStoredProperty>>;
// Strings are UTF-8 here and 1251 once applied; integers carry colours and enumerations too.
using TStoredValue = std::variant<int64_t, bool, std::string, std::vector<std::string>, TStoredMethod, TStoredItems>;

struct TStoredProperty {
  std::string Name;
  TStoredValue Value;
};

struct TStoredComponent {
  std::string ClassName;
  std::string Name;
  std::vector<TStoredProperty> Properties;
};

struct TFormDefinition {
  std::vector<TStoredProperty> FormProperties;
  std::vector<TStoredComponent> Components;
};

// Typed access to one stored value, for the reader and its property hooks;
// a value of another type is an error of the definition.
struct TStoredReader {
  const std::string& ClassName;
  const std::string& Name;
  const TStoredValue& Value;

  [[noreturn]] void Fail(const char* what) const;
  int64_t Int() const;
  bool Bool() const;
  std::string Text() const;               // 1251
  std::vector<std::string> List() const;  // 1251
  const TStoredItems& Items() const;
  // An enumeration stored as its ordinal; an ordinal outside 0..count-1 is an error.
  template <class E>
  E Enum(int64_t count) const {
    const int64_t ordinal = Int();
    if (ordinal < 0 || ordinal >= count) Fail("unknown enumeration value");
    return E(ordinal);
  }
};

// Component classes that definitions can name. The toolkit's own are registered already.
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
void RegisterComponentClass(const std::string& className, TComponentFactory factory);

// Handlers a form offers to its stored definition.
struct TFormMethods {
  std::function<TNotifyEvent(const std::string&)> Notify;
  std::function<TKeyPressEvent(const std::string&)> KeyPress;
  std::function<TMouseEvent(const std::string&)> Mouse;
};

// Applies one stored setting; components of other libraries handle their own
// by overriding this hook, which gets the value before the toolkit does.
using TPropertyHook = std::function<bool(TComponent&, const std::string& name, const TStoredValue& value)>;
void RegisterPropertyHook(TPropertyHook hook);

// Registers a component class that definitions can name, with the setter of
// the settings it stores itself; a setting the setter does not take (false)
// goes on to the toolkit's own (Tag, a control's bounds, ...), and is an
// error of the definition where none takes it. Components are made by
// factory, or by T's constructor from the owner. A second call does nothing.
template <class T>
void RegisterStoredClass(const std::string& className,
                         bool (*apply)(T&, const std::string& name, const TStoredReader& r) = nullptr,
                         TComponentFactory factory = {}) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  if (!factory) factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
  RegisterComponentClass(className, std::move(factory));
  if (!apply) return;
  RegisterPropertyHook([apply](TComponent& c, const std::string& name, const TStoredValue& value) {
    T* component = dynamic_cast<T*>(&c);
    if (!component) return false;
    const std::string owner = c.ClassName();
    return apply(*component, name, TStoredReader{owner, name, value});
  });
}

// Reads the definition into the form. Positions, sizes and font heights are
// stored for 96 dots per inch and are scaled to the screen.
void ReadForm(TCustomForm& form, const TFormDefinition& definition, const TFormMethods& methods);
