#include "UMaskedInput.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

TMaskedInput::TMaskedInput(QLineEdit& edit, bool watchKeys) : QObject(&edit), FEdit(&edit) {
  if (watchKeys) edit.installEventFilter(this);
}

void TMaskedInput::SetMask(const QString& mask) {
  TEditMask parsed(mask);
  const QString value = Value();
  FMask = parsed;
  // A masked edit is changed only through its places: no drop, no menu that would paste around them.
  FEdit->setDragEnabled(false);
  FEdit->setAcceptDrops(!Active());
  FEdit->setContextMenuPolicy(Active() ? Qt::NoContextMenu : Qt::DefaultContextMenu);
  FEdit->setMaxLength(Active() ? FMask.Length() : std::numeric_limits<int>::max());
  SetValue(value);
}

QString TMaskedInput::Value() const {
  return Active() ? FMask.ToValue(FEdit->text()) : FEdit->text();
}

void TMaskedInput::SetValue(const QString& value) {
  if (!Active()) {
    FEdit->setText(value);
    return;
  }
  Show(FMask.ToDisplay(value), 0);
}

void TMaskedInput::Show(const QString& display, int32_t caret) {
  FEdit->setText(display);
  FEdit->setCursorPosition(caret);
}

bool TMaskedInput::Type(QChar ch) {
  QString display = FEdit->text();
  int32_t caret = FEdit->cursorPosition();
  if (FEdit->hasSelectedText()) {
    caret = FEdit->selectionStart();
    const int32_t end = caret + static_cast<int32_t>(FEdit->selectedText().size());
    for (int32_t i = caret; i < end; ++i)
      if (!FMask.IsLiteral(i)) display[i] = FMask.Blank();
  }
  const int32_t place = FMask.NextInput(caret);
  if (place < 0) return false;
  const QChar taken = FMask.Accept(place, ch);
  if (!taken.isNull()) {
    display[place] = taken;
    const int32_t next = FMask.NextInput(place + 1);
    Show(display, next < 0 ? FMask.Length() : next);
    return true;
  }
  // Typing a literal that stands before the next place steps over it; the one the caret has just stepped over is
  // taken as typed.
  if (caret > 0 && FMask.IsLiteral(caret - 1) && FMask.Place(caret - 1).Literal == ch) return true;
  for (int32_t i = caret; i < place; ++i) {
    if (FMask.Place(i).Literal == ch) {
      const int32_t next = FMask.NextInput(i + 1);
      Show(display, next < 0 ? FMask.Length() : next);
      return true;
    }
  }
  return false;
}

void TMaskedInput::Erase(bool backwards) {
  QString display = FEdit->text();
  if (FEdit->hasSelectedText()) {
    const int32_t start = FEdit->selectionStart();
    const int32_t end = start + static_cast<int32_t>(FEdit->selectedText().size());
    for (int32_t i = start; i < end; ++i)
      if (!FMask.IsLiteral(i)) display[i] = FMask.Blank();
    Show(display, start);
    return;
  }
  const int32_t caret = FEdit->cursorPosition();
  const int32_t place = backwards ? FMask.PreviousInput(caret) : FMask.NextInput(caret);
  if (place < 0) return;
  display[place] = FMask.Blank();
  Show(display, backwards ? place : caret);
}

void TMaskedInput::Paste(const QString& text) {
  for (const QChar ch : text)
    if (!Type(ch) && FMask.NextInput(FEdit->cursorPosition()) < 0) break;
}

bool TMaskedInput::HandleKey(QKeyEvent* e) {
  if (!Active() || !FEdit) return false;
  if (e->matches(QKeySequence::Paste)) {
    Paste(QApplication::clipboard()->text());
    return true;
  }
  if (e->matches(QKeySequence::Cut)) {
    if (FEdit->hasSelectedText()) QApplication::clipboard()->setText(FEdit->selectedText());
    Erase(true);
    return true;
  }
  // The edit's own undo would bring back texts that skip the places.
  if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) return true;
  if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
    Erase(e->key() == Qt::Key_Backspace);
    return true;
  }
  const QString typed = e->text();
  if (typed.size() == 1 && typed[0].isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    Type(typed[0]);
    return true;
  }
  return false;
}

bool TMaskedInput::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FEdit && e->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(e))) return true;
  return QObject::eventFilter(watched, e);
}
