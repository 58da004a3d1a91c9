#include "UGridTransEdit.h"

#include <QKeyEvent>

#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridTransEdit::TGridTransEdit(TQrvStringGrid& grid, QWidget* parent) : TGuarded<QLineEdit>(parent), FGrid(grid) {
  hide();
}

void TGridTransEdit::Start(int32_t aCol, int32_t aRow) {
  FCol = aCol;
  FRow = aRow;
  setText(FGrid.Cells(aCol, aRow));
  show();
  setFocus(Qt::OtherFocusReason);
}

bool TGridTransEdit::StopEdit() {
  return Stop_Fixed_Cell_Edit(FGrid, *this, FCol, FRow, text());
}

void TGridTransEdit::keyPressEvent(QKeyEvent* e) {
  // Enter does not end the edit; leaving the editor does.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return;
  TGuarded<QLineEdit>::keyPressEvent(e);
}

void TGridTransEdit::focusOutEvent(QFocusEvent* e) {
  TGuarded<QLineEdit>::focusOutEvent(e);
  if (!FDetached && isVisible() && e->reason() != Qt::PopupFocusReason) StopEdit();
}
