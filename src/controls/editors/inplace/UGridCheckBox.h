#pragma once
// The grid's check-box editor: one press or Space toggles it; Enter, the page keys and the arrows close it and
// hand the key back to the grid. It writes nothing into the cell.
#include <QCheckBox>
#include <QPointer>

#include "UApplication.h"

class TQrvStringGrid;

class TGridCheckBox : public TGuarded<QCheckBox> {
 public:
  TGridCheckBox(TQrvStringGrid& grid, QWidget* parent);
  void Detach() { FDetached = true; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
  bool FDetached = false;
};
