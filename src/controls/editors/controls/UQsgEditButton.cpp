#include "UQsgEditButton.h"

#include "UEditorButtonHelpers.h"

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
  Hand_Focus_After_Press(FFocusControl, this);
}
