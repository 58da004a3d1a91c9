#pragma once
// The change hook of a settings struct the grid owns: its setters call it so the grid repaints. Copying the struct
// copies the values only; each copy keeps the hook of the object it belongs to, so assigning one grid's settings
// to another never wires the second to the first.
#include <functional>

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
