#pragma once
// The combo editor of a fixed (header) cell, editable or list-only as the fixed-cell editing chose; it ends the
// edit when it is left, after the grid's validation event accepted the text.
#include <QComboBox>
#include <cstdint>

#include "UApplication.h"

class TQrvStringGrid;

class TGridTransCombo : public TGuarded<QComboBox> {
 public:
  TGridTransCombo(TQrvStringGrid& grid, QWidget* parent);
  // Opens on the fixed cell (real column, row) with its text and the values offered.
  void Start(int32_t aCol, int32_t aRow, const QStringList& values, bool listOnly);
  // Ends the edit: false (and the combo keeps the focus) when validation refused the text.
  bool StopEdit();
  void Detach() { FDetached = true; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  int32_t FRow = -1;
  int32_t FCol = -1;
  TQrvStringGrid& FGrid;
  bool FDetached = false;
};
