#include "UQsgSpinButton.h"

#include <QKeyEvent>
#include <algorithm>

#include "UEditorButtonHelpers.h"

TQsgSpinButton::TQsgSpinButton(QWidget* parent) : TGuarded<QWidget>(parent) {
  setFocusPolicy(Qt::NoFocus);
  FUpButton = Create_Button(bdUp);
  FDownButton = Create_Button(bdDown);
  FFocusedButton = FUpButton;
  resize(15, 25);
}

TQrvTimerSpeedButton* TQsgSpinButton::Create_Button(TButtonDirection direction) {
  auto* button = new TQrvTimerSpeedButton(this);
  button->SetButtonDirection(direction);
  button->SetTimeBtnState(tbAllowTimer);
  button->Colors = [this] { return FColors; };
  button->OnClick = [this](TQrvTimerSpeedButton* b) { Button_Click(b); };
  button->OnMouseDown = [this](TQrvTimerSpeedButton* b) { Button_Mouse_Down(b); };
  button->show();
  return button;
}

void TQsgSpinButton::SetDirection(TSpinDirection value) {
  FDirection = value;
  if (value == spHorizontal) {
    FUpButton->SetButtonDirection(bdRight);
    FDownButton->SetButtonDirection(bdLeft);
    resize(20, height());
  } else {
    FUpButton->SetButtonDirection(bdUp);
    FDownButton->SetButtonDirection(bdDown);
    resize(15, height());
  }
  int32_t w = width(), h = height();
  Adjust_Size(w, h);
}

void TQsgSpinButton::SetIsWinXP(bool value) {
  FIsWinXP = value;
  FUpButton->SetIsWinXP(value);
  FDownButton->SetIsWinXP(value);
}

void TQsgSpinButton::SetUpGlyph(const QImage& value) {
  FUpButton->SetGlyph(value);
  if (value.isNull()) FUpButton->SetNumGlyphs(1);
}

void TQsgSpinButton::SetDownGlyph(const QImage& value) {
  FDownButton->SetGlyph(value);
  if (value.isNull()) FDownButton->SetNumGlyphs(1);
}

void TQsgSpinButton::Repaint_Buttons() {
  FUpButton->update();
  FDownButton->update();
}

void TQsgSpinButton::Adjust_Size(int32_t& width, int32_t& height) {
  if (FDirection == spVertical) {
    width = std::max(width, 15);
    FUpButton->setGeometry(0, 0, width, height / 2);
    const int32_t upHeight = FUpButton->height();
    // The two buttons share one pixel row.
    FDownButton->setGeometry(0, upHeight - 1, width, height - upHeight + 1);
  } else {
    width = std::max(width, 20);
    FDownButton->setGeometry(0, 0, width / 2, height);
    FUpButton->setGeometry(width / 2 + 1, 0, width / 2, height);
  }
}

void TQsgSpinButton::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  Adjust_Size(width, height);
  setGeometry(left, top, width, height);
}

void TQsgSpinButton::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (FAdjusting) return;
  int32_t w = width(), h = height();
  Adjust_Size(w, h);
  if (w != width()) {
    FAdjusting = true;
    resize(w, h);
    FAdjusting = false;
  }
}

void TQsgSpinButton::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
}

void TQsgSpinButton::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~TTimeBtnState(tbFocusRect));
}

void TQsgSpinButton::Set_Focus_Btn(TQrvTimerSpeedButton* button) {
  if (!TabStop() || !isEnabled() || !isVisible() || button == FFocusedButton) return;
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~TTimeBtnState(tbFocusRect));
  FFocusedButton = button;
  if (hasFocus()) {
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
    update();
  }
}

void TQsgSpinButton::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space:
      FFocusedButton->Click();
      break;
    case Qt::Key_Up:
      Set_Focus_Btn(FUpButton);
      FUpButton->Click();
      break;
    case Qt::Key_Down:
      Set_Focus_Btn(FDownButton);
      FDownButton->Click();
      break;
    default:
      QWidget::keyPressEvent(e);
  }
}

void TQsgSpinButton::Button_Mouse_Down(TQrvTimerSpeedButton* button) {
  Set_Focus_Btn(button);
  Hand_Focus_After_Press(FFocusControl, this);
}

void TQsgSpinButton::Button_Click(TQrvTimerSpeedButton* button) {
  if (button == FUpButton) {
    if (OnUpClick) OnUpClick(this);
  } else if (OnDownClick) {
    OnDownClick(this);
  }
}
