#include "UGridWindowTools.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

QWidget* FindParentForm(QWidget* control) {
  for (QWidget* w = control; w; w = w->parentWidget())
    if (w->isWindow()) return w;
  return nullptr;
}

void SetWindowTransparent(QWidget* window) {
  if (window) window->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool FormKeyPreview(QWidget* control) {
  const QWidget* form = FindParentForm(control);
  return form && form->property("KeyPreview").toBool();
}

bool OfferKeyToForm(QWidget* control, const QKeyEvent& key) {
  QWidget* form = FindParentForm(control);
  if (!form || form == control || !FormKeyPreview(control)) return false;
  QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), key.count());
  QCoreApplication::sendEvent(form, &copy);
  return copy.isAccepted();
}
