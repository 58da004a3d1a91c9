#pragma once
// The grid's check-box editor: one press or Space toggles it; Enter, the page keys and the arrows close it and
// hand the key back to the grid. It writes nothing into the cell.
#include <QCheckBox>

#include "UApplication.h"
#include "UGridAdapter.h"

class TGridCheckBox : public TGridAdapter<TGuarded<QCheckBox>> {
 public:
  TGridCheckBox(TQrvStringGrid& grid, QWidget* parent);
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  // The box takes no typing and shows no balloon.
  QWidget* EditControl() override { return nullptr; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};
