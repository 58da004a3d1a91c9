#pragma once
// The change hook of a settings struct the grid owns: its setters call it so the grid repaints. Copying the struct
// copies the values only; each copy keeps the hook of the object it belongs to, so assigning one grid's settings
// to another never wires the second to the first.
#include <functional>
#include <ostream>

struct TChangeNotice {
  std::function<void()> Fn;
  TChangeNotice() = default;
  TChangeNotice(const TChangeNotice&) {}
  TChangeNotice& operator=(const TChangeNotice&) { return *this; }
  void operator()() const {
    if (Fn) Fn();
  }
};

// A setter that stores a changed value and calls the struct's OnChange.
#define TARN_NOTIFYING_SETTER(type, name) \
  void Set##name(type value) {            \
    if (name == value) return;            \
    name = value;                         \
    OnChange();                           \
  }

// A setting that reads and writes like a plain field but runs its owner's reaction when a write changes it (or on
// every write, for a setting whose write is an action in itself). Copies carry the value only.
template <class T, bool NotifyEveryWrite = false>
class TNotifying {
 public:
  TNotifying() : FValue{} {}
  // Explicit, so that a mixed conditional (setting or value) reads the setting's value.
  explicit TNotifying(const T& value) : FValue(value) {}
  TNotifying(const TNotifying& other) : FValue(other.FValue) {}
  TNotifying& operator=(const TNotifying& other) { return *this = other.FValue; }
  TNotifying& operator=(const T& value) {
    if constexpr (!NotifyEveryWrite)
      if (FValue == value) return *this;
    FValue = value;
    OnChange();
    return *this;
  }
  operator const T&() const { return FValue; }
  const T& Value() const { return FValue; }
  // Sets the value without the reaction (for an owner that does the reaction's work itself).
  void Store(const T& value) { FValue = value; }
  friend std::ostream& operator<<(std::ostream& out, const TNotifying& v) { return out << v.FValue; }

  TChangeNotice OnChange;

 private:
  T FValue;
};
