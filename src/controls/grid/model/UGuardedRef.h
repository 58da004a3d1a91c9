#pragma once
// A reference to an object the grid uses without owning it (an image list, a cell checker, a menu): it reads as
// none from the moment the object is destroyed, so the grid never reaches through a pointer its owner freed.
#include <QObject>
#include <QPointer>
#include <cstddef>
#include <type_traits>

template <class T>
class TGuardedRef {
 public:
  TGuardedRef() = default;
  TGuardedRef(std::nullptr_t) {}
  // Needs the object's whole class where it is stored: the object is watched through its QObject part. Reading
  // needs only the name, so the model can keep a reference to a class its widget library defines.
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  TGuardedRef(U* object) : FObject(object), FPointer(object) {}

  T* get() const { return FObject ? FPointer : nullptr; }
  operator T*() const { return get(); }
  T* operator->() const { return get(); }

 private:
  QPointer<QObject> FObject;
  T* FPointer = nullptr;
};
