#include "UGridTransCombo.h"

#include <QKeyEvent>

#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridTransCombo::TGridTransCombo(TQrvStringGrid& grid, QWidget* parent) : TGuarded<QComboBox>(parent), FGrid(grid) {
  hide();
}

void TGridTransCombo::Start(int32_t aCol, int32_t aRow, const QStringList& values, bool listOnly) {
  FCol = aCol;
  FRow = aRow;
  setEditable(!listOnly);
  clear();
  addItems(values);
  const QString text = FGrid.Cells(aCol, aRow);
  if (listOnly)
    setCurrentIndex(static_cast<int>(values.indexOf(text)));
  else
    setCurrentText(text);
  show();
  setFocus(Qt::OtherFocusReason);
}

bool TGridTransCombo::StopEdit() {
  return Stop_Fixed_Cell_Edit(FGrid, *this, FCol, FRow, currentText());
}

void TGridTransCombo::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return;
  TGuarded<QComboBox>::keyPressEvent(e);
}

void TGridTransCombo::focusOutEvent(QFocusEvent* e) {
  TGuarded<QComboBox>::focusOutEvent(e);
  if (!FDetached && isVisible() && e->reason() != Qt::PopupFocusReason) StopEdit();
}
