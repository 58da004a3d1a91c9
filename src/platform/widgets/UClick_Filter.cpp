#include "UClick_Filter.h"

#include <QEvent>
#include <QMouseEvent>

namespace {
class TClickFilter : public QObject {
 public:
  TClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), FOnClick(std::move(onClick)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      auto* widget = qobject_cast<QWidget*>(watched);
      // A press dragged off the label and released elsewhere is no click.
      if (mouse->button() == Qt::LeftButton && widget && widget->rect().contains(mouse->position().toPoint())) {
        FOnClick();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> FOnClick;
};
}  // namespace

void On_Left_Click(QLabel* label, std::function<void()> onClick) {
  // Owned by the label, so it goes with it.
  label->installEventFilter(new TClickFilter(label, std::move(onClick)));
  label->setCursor(Qt::PointingHandCursor);
}
