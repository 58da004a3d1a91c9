#include "UWidgetTree.h"

#include <QWidget>

bool Widget_Within(const QWidget* w, const QWidget* owner) {
  for (; w; w = w->parentWidget())
    if (w == owner) return true;
  return false;
}
