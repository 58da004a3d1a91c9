#include "UQsgEditBtn.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "UEditorButtonHelpers.h"

TQsgEditBtn::TQsgEditBtn(QWidget* parent) : TGuarded<QLineEdit>(parent) {
  FButton = new TQsgEditButton(this);
  FButton->resize(18, 18);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](QObject* sender) { ClickBtn(sender); };
  FButton->show();
  setText(QStringLiteral("0"));
  connect(this, &QLineEdit::textChanged, this, [this](const QString&) {
    if (OnChange) OnChange(this);
  });
  Place_Button();
}

void TQsgEditBtn::ClickBtn(QObject* sender) {
  if (OnClickBtn) OnClickBtn(sender);
}

void TQsgEditBtn::SetButtonWidth(int32_t value) {
  FButtonWidth = value;
  FButton->resize(value, FButton->height());
  Place_Button();
}

void TQsgEditBtn::SetIsWinXP(bool value) {
  FIsWinXP = value;
  FButton->Button()->SetIsWinXP(value);
}

void TQsgEditBtn::SetRightAlign(bool value) {
  if (value == FRightAlign) return;
  FRightAlign = value;
  setAlignment((value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TQsgEditBtn::SetBorderStyle(TBorderStyle value) {
  FBorderStyle = value;
  setFrame(value == bsSingle);
  Place_Button();
}

int32_t TQsgEditBtn::Min_Height() const {
  const int32_t h = fontMetrics().height();
  const int32_t system = QFontMetrics(QApplication::font()).height();
  return h + std::min(h, system) / 4;
}

void TQsgEditBtn::resizeEvent(QResizeEvent* e) {
  QLineEdit::resizeEvent(e);
  if (height() < Min_Height()) {
    resize(width(), Min_Height());
    return;
  }
  Place_Button();
}

void TQsgEditBtn::Place_Button() {
  const TRect r = Edit_Button_Bounds(width(), height(), FButton->width(), FBorderStyle == bsSingle);
  FButton->setGeometry(r.Left, r.Top, r.Width(), r.Height());
  Set_Edit_Rect();
}

void TQsgEditBtn::Set_Edit_Rect() {
  const int32_t m = FBorderStyle == bsNone ? 3 : 1;
  const int32_t right = FButton->width() + FUnitSize + 5 + (FUnitSize > 0 ? 3 : 0);
  setTextMargins(m, m, right, 0);
}

void TQsgEditBtn::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F4) {
    QLineEdit::keyPressEvent(e);
    if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) ClickBtn(this);
    return;
  }
  // With typing off nothing changes the text, neither characters nor Delete, paste or cut; the button still acts.
  const bool changes = !e->text().isEmpty() || e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace ||
                       e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut);
  const bool clipboard = e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut);
  if (changes && !e->matches(QKeySequence::Copy) && !e->matches(QKeySequence::SelectAll)) {
    if (!FEditorEnabled || (clipboard && isReadOnly())) return;
  }
  QLineEdit::keyPressEvent(e);
}

void TQsgEditBtn::focusInEvent(QFocusEvent* e) {
  const bool mouseDown = (QGuiApplication::mouseButtons() & Qt::LeftButton) && e->reason() == Qt::MouseFocusReason;
  QLineEdit::focusInEvent(e);
  if (FAutoSelect && !mouseDown) selectAll();
  if (OnEnter) OnEnter(this);
}

void TQsgEditBtn::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (e->reason() != Qt::PopupFocusReason && OnExit) OnExit(this);
}
