#include "UGridWindowTools.h"

#include <QWidget>

QWidget* FindParentForm(QWidget* control) {
  for (QWidget* w = control; w; w = w->parentWidget())
    if (w->isWindow()) return w;
  return nullptr;
}

void SetWindowTransparent(QWidget* window) {
  if (window) window->setAttribute(Qt::WA_TransparentForMouseEvents);
}
