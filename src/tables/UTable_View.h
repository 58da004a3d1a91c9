#pragma once
// The grid window of a table: a column grid with its in-place editors.
#include "UGridView.h"
#include "UQrvColumnGrid.h"

class TTable_View : public TGridView {
 public:
  explicit TTable_View(QWidget* parent = nullptr);
  TQrvColumnGrid& Table() { return *FTable; }
  const TQrvColumnGrid& Table() const { return *FTable; }

 private:
  TQrvColumnGrid* FTable;
};
