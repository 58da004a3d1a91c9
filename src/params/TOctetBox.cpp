#include "TOctetBox.h"

#include <QKeyEvent>

TOctetBox::TOctetBox(QWidget* parent) : QLineEdit(parent) {}

void TOctetBox::Link_Chain(std::initializer_list<TOctetBox*> boxes) {
  TOctetBox* previous = nullptr;
  for (TOctetBox* box : boxes) {
    if (previous) previous->SetNext_Octet(box);
    previous = box;
  }
}

void TOctetBox::keyPressEvent(QKeyEvent* event) {
  if (event->text() != u".") {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  if (FNext && FNext->isVisible() && FNext->isEnabled()) FNext->setFocus(Qt::TabFocusReason);
}
