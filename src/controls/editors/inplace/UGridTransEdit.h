#pragma once
// The editor of a fixed (header) cell: a line edit over the cell that ends the edit when it is left, after the
// grid's validation event accepted the text.
#include <QLineEdit>
#include <cstdint>

#include "UApplication.h"

class TQrvStringGrid;

class TGridTransEdit : public TGuarded<QLineEdit> {
 public:
  TGridTransEdit(TQrvStringGrid& grid, QWidget* parent);
  // Opens on the fixed cell (real column, row) with its text.
  void Start(int32_t aCol, int32_t aRow);
  // Ends the edit: false (and the editor keeps the focus) when validation refused the text.
  bool StopEdit();
  int32_t EditCol() const { return FCol; }
  int32_t EditRow() const { return FRow; }
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
