#pragma once
// A label that answers a left click, for the labels the user can follow like a link.
#include <QLabel>
#include <QMouseEvent>
#include <functional>

class TClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
  }
};
