#include "UControlEdit.h"

#include <QKeyEvent>

#include "UMaskedInput.h"
#include "UQrvStringGrid.h"

namespace {

// Enter and Tab end the control's edit through the grid; true when the key was one of them.
bool Control_Key(TQrvStringGrid& grid, QEvent* e) {
  if (e->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(e)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    grid.CellControlKey(false);
    return true;
  }
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    grid.CellControlKey(true);
    return true;
  }
  return false;
}

}  // namespace

TControlEdit::TControlEdit(TQrvStringGrid& grid, QWidget* parent)
    : TGuarded<QLineEdit>(parent), FGrid(grid), FMask(new TMaskedInput(*this, true)) {
  setFrame(false);
}

QString TControlEdit::Load(const QString& value, const QString& mask) {
  QString fault;
  try {
    FMask->SetMask(mask);
  } catch (const EEditMaskError& error) {
    fault = error.Message();
    FMask->SetMask(QString());
  }
  FMask->SetValue(value);
  return fault;
}

QString TControlEdit::Value() const {
  return FMask->Value();
}

bool TControlEdit::Guarded_Event(QEvent* e) {
  if (Control_Key(FGrid, e)) return true;
  return TGuarded<QLineEdit>::Guarded_Event(e);
}

TControlCombo::TControlCombo(TQrvStringGrid& grid, QWidget* parent) : TGuarded<QComboBox>(parent), FGrid(grid) {}

bool TControlCombo::Guarded_Event(QEvent* e) {
  if (Control_Key(FGrid, e)) return true;
  return TGuarded<QComboBox>::Guarded_Event(e);
}
