#pragma once
// The grid's button editor: releasing it (mouse or Space) runs the grid's ellipsis event and writes the answer as
// the cell's text; the arrows and Escape give the keys back to the grid.
#include <QPointer>
#include <QPushButton>

#include "UApplication.h"

class TQrvStringGrid;

class TGridButton : public TGuarded<QPushButton> {
 public:
  TGridButton(TQrvStringGrid& grid, QWidget* view, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Released();
  // Hides the button and gives the grid the focus back.
  void Leave();

  TQrvStringGrid& FGrid;
  QPointer<QWidget> FView;
};
