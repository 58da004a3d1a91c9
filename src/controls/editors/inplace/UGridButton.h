#pragma once
// The grid's button editor: releasing it (mouse or Space) runs the grid's ellipsis event and writes the answer as
// the cell's text; the arrows and Escape give the keys back to the grid.
#include <QPushButton>

#include "UApplication.h"
#include "UGridAdapter.h"

class TGridButton : public TGridAdapter<TGuarded<QPushButton>> {
 public:
  TGridButton(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  // Leaving the button ends nothing: the grid's keys and its own release close it.
  void focusOutEvent(QFocusEvent* e) override { TGuarded<QPushButton>::focusOutEvent(e); }

 private:
  void Released();
  // Hides the button and gives the grid the focus back.
  void Leave();
};
