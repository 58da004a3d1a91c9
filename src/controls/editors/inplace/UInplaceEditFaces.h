#pragma once
// The faces the grid's text editor shows: a multi-line edit that wraps words, and a one-line edit for password and
// masked cells. A face hands every event to the editor first and tells it when its own handling is done.
#include <QEvent>

#include "UApplication.h"

class IInplaceFaceOwner {
 public:
  virtual ~IInplaceFaceOwner() = default;
  // Before the face's own handling; true when the event was dealt with there.
  virtual bool FaceEventBefore(QEvent* e) = 0;
  virtual void FaceEventAfter(QEvent* e) = 0;
};

template <class TBase>
class TInplaceFace : public TGuarded<TBase> {
 public:
  TInplaceFace(IInplaceFaceOwner& owner, QWidget* parent) : TGuarded<TBase>(parent), FOwner(owner) {}

 protected:
  bool Guarded_Event(QEvent* e) override {
    if (FOwner.FaceEventBefore(e)) return true;
    const bool handled = TGuarded<TBase>::Guarded_Event(e);
    FOwner.FaceEventAfter(e);
    return handled;
  }

 private:
  IInplaceFaceOwner& FOwner;
};
