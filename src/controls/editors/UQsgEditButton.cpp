#include "UQsgEditButton.h"

TQsgEditButton::TQsgEditButton(QWidget* parent) : TGuarded<QWidget>(parent) {
  setFocusPolicy(Qt::NoFocus);
  FButton = new TQrvSpeedButton(this);
  FButton->Colors = [this] { return FColors; };
  FButton->OnMouseUp = [this](TQrvSpeedButton* sender, Qt::MouseButton button) { Button_Mouse_Up(sender, button); };
  FButton->show();
  resize(20, 25);
}

void TQsgEditButton::SetFlat(bool value) {
  FFlat = value;
  FButton->SetFlat(value);
}

void TQsgEditButton::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  FButton->setGeometry(0, 0, width(), height());
}

void TQsgEditButton::Button_Mouse_Up(TQrvSpeedButton* sender, Qt::MouseButton button) {
  if (button != Qt::LeftButton || sender != FButton) return;
  if (OnClick) OnClick(this);
  QWidget* control = FFocusControl;
  if (control && control->focusPolicy() != Qt::NoFocus && control->isEnabled() && control->isVisible() &&
      !control->hasFocus()) {
    control->setFocus(Qt::MouseFocusReason);
  } else if (TabStop() && !hasFocus() && isEnabled() && isVisible()) {
    setFocus(Qt::MouseFocusReason);
  }
}
