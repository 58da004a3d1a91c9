#include "UQsgSpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "UEditorBeep.h"
#include "UEditorButtonHelpers.h"
#include "UFormatSettings.h"

namespace {

constexpr QChar Backspace = u'\b';
constexpr QChar Enter = u'\r';
constexpr QChar Escape = u'\x1b';

bool Is_Number_Char(QChar c) {
  return c.isNumber();
}

}  // namespace

TQsgSpinEdit::TQsgSpinEdit(QWidget* parent) : TGuarded<QLineEdit>(parent) {
  FButton = new TQsgSpinButton(this);
  FButton->resize(15, 17);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TQsgSpinButton* sender) { UpClick(sender); };
  FButton->OnDownClick = [this](TQsgSpinButton* sender) { DownClick(sender); };
  FButton->show();
  setText(QStringLiteral("0"));
  connect(this, &QLineEdit::textChanged, this, [this](const QString&) {
    if (OnChange) OnChange(this);
  });
  Place_Button();
}

void TQsgSpinEdit::UpClick(QObject*) {
  IncrementValue(false);
}

void TQsgSpinEdit::DownClick(QObject*) {
  DecrementValue(false);
}

void TQsgSpinEdit::SetSpinType(TQsgSpinType value) {
  FSpinType = value;
  switch (value) {
    case sptNormal:
      SetValue(Value());
      break;
    case sptFloat:
      SetFloatValue(FloatValue());
      break;
    case sptDate:
      SetDateValue(DateValue());
      break;
    case sptTime:
      SetTimeValue(TimeValue());
      break;
  }
}

void TQsgSpinEdit::SetPrecision(int32_t value) {
  FPrecision = value;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TQsgSpinEdit::SetDirection(TSpinDirection value) {
  FDirection = value;
  FButton->SetDirection(value);
  Place_Button();
}

void TQsgSpinEdit::SetEditAlign(TEditAlign value) {
  FEditAlign = value;
  static const Qt::Alignment Aligns[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  setAlignment(Aligns[int(value)] | Qt::AlignVCenter);
}

void TQsgSpinEdit::SetBorderStyle(TBorderStyle value) {
  FBorderStyle = value;
  setFrame(value == bsSingle);
  Place_Button();
}

void TQsgSpinEdit::SetIsWinXP(bool value) {
  FIsWinXP = value;
  FButton->SetIsWinXP(value);
}

void TQsgSpinEdit::SetSpinFlat(bool value) {
  FSpinFlat = value;
  FButton->UpButton()->SetFlat(value);
  FButton->DownButton()->SetFlat(value);
}

void TQsgSpinEdit::SetSpinTransparent(bool value) {
  FSpinTransparent = value;
  FButton->UpButton()->SetTransparent(value);
  FButton->DownButton()->SetTransparent(value);
  Place_Button();
}

int32_t TQsgSpinEdit::Min_Height() const {
  const int32_t h = fontMetrics().height();
  const int32_t system = QFontMetrics(QApplication::font()).height();
  return h + std::min(h, system) / 4 + 2 + (FBorderStyle == bsSingle ? 4 : 0);
}

void TQsgSpinEdit::resizeEvent(QResizeEvent* e) {
  QLineEdit::resizeEvent(e);
  if (height() < Min_Height()) {
    resize(width(), Min_Height());
    return;
  }
  Place_Button();
}

void TQsgSpinEdit::Place_Button() {
  const TRect r = Edit_Button_Bounds(width(), height(), FButton->width(), FBorderStyle == bsSingle);
  FButton->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  Set_Edit_Rect();
}

void TQsgSpinEdit::Set_Edit_Rect() {
  const int32_t m = FBorderStyle == bsNone ? 3 : 0;
  setTextMargins(m, m, FButton->width() + 2 + m, 0);
}

int32_t TQsgSpinEdit::Caret() const {
  return hasSelectedText() ? selectionStart() : cursorPosition();
}

bool TQsgSpinEdit::IsValidChar(QChar& key) {
  if (key == Backspace) return FEditorEnabled;
  const TFormatSettings fs = FormatSettings();
  const QString current = text();
  bool result = key == fs.DecimalSeparator || key == fs.ThousandSeparator || key == fs.TimeSeparator ||
                key == fs.DateSeparator || Is_Number_Char(key) || key == u'-' || (key.unicode() < 32 && key != Enter);
  const auto Separator_Clash = [&](QChar sep) {
    return sep == fs.DecimalSeparator || sep == fs.ThousandSeparator || sep == u'-' || sep == u'+';
  };
  const bool numeric = FSpinType == sptNormal || FSpinType == sptFloat;
  if (key == fs.TimeSeparator && FSpinType != sptTime) result = Separator_Clash(key) && numeric && result;
  if (key == fs.DateSeparator && FSpinType != sptDate) result = Separator_Clash(key) && numeric && result;
  if (key == u'-') {
    if (!current.contains(u'-')) {
      result = result && Caret() == 0;
    } else {
      result = result && selectedText().contains(u'-') && Caret() == 0;
    }
  }
  if (FSpinType == sptNormal) result = result && (Is_Number_Char(key) || key == u'-');
  if (FSpinType == sptFloat && key != Escape && key != Enter) {
    if (key == fs.ThousandSeparator) result = false;
    if (key == fs.DecimalSeparator && current.contains(fs.DecimalSeparator) &&
        !selectedText().contains(fs.DecimalSeparator)) {
      result = false;
    }
    const int32_t p = int32_t(current.indexOf(fs.DecimalSeparator)) + 1;
    if (FPrecision > 0 && p > 0 && Caret() >= p && !hasSelectedText()) {
      result = result && current.length() < p + FPrecision;
    }
  }
  if (FSpinType == sptTime && key == fs.TimeSeparator && current.count(fs.TimeSeparator) >= 2) result = false;
  if (result && !FEditorEnabled) result = key.unicode() < 32;
  return result;
}

QChar TQsgSpinEdit::Typed_Char(const QKeyEvent* e) const {
  if (e->key() == Qt::Key_Backspace) return Backspace;
  // Ctrl with a letter types the control character the classic edit sees (Ctrl+V is 22).
  if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
    return QChar(char16_t(e->key() - Qt::Key_A + 1));
  }
  const QString typed = e->text();
  // Delete brings the character 127 as its text: it edits, it is not typed.
  if (typed.isEmpty() || typed.at(0).category() == QChar::Other_Control) return QChar();
  return typed.at(0);
}

void TQsgSpinEdit::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_PageUp:
      IncrementValue(true);
      return;
    case Qt::Key_PageDown:
      DecrementValue(true);
      return;
    case Qt::Key_Up:
      IncrementValue(false);
      return;
    case Qt::Key_Down:
      DecrementValue(false);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (FReturnIsTab) {
        focusNextChild();
        return;
      }
      break;
    case Qt::Key_Delete:
      if (!FEditorEnabled) return;
      break;
    default:
      break;
  }
  QChar key = Typed_Char(e);
  if (key.isNull()) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  // The decimal key of the keypad types the user's decimal separator, whatever its label says.
  bool exchanged = false;
  if (FExcelStyleDecimalSeparator && (e->modifiers() & Qt::KeypadModifier) &&
      (e->key() == Qt::Key_Period || e->key() == Qt::Key_Comma)) {
    key = FormatSettings().DecimalSeparator;
    exchanged = true;
  }
  if (!IsValidChar(key)) {
    EditorBeep();
    return;
  }
  if (key == QChar(char16_t(22)) || key == QChar(char16_t(24))) {
    // Paste and cut change the text only where typing may.
    if (!Edit_Allowed()) return;
    key == QChar(char16_t(22)) ? paste() : cut();
    return;
  }
  if (exchanged) {
    insert(QString(key));
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void TQsgSpinEdit::focusInEvent(QFocusEvent* e) {
  const bool mouseDown = (QGuiApplication::mouseButtons() & Qt::LeftButton) && e->reason() == Qt::MouseFocusReason;
  QLineEdit::focusInEvent(e);
  if (FAutoSelect && !(mouseDown && FEditorEnabled)) selectAll();
  if (OnEnter) OnEnter(this);
}

void TQsgSpinEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason) return;
  Clamp_On_Exit();
  if (OnExit) OnExit(this);
}
