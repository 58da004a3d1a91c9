#include "UGridButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridButton::TGridButton(TQrvStringGrid& grid, QWidget* view, QWidget* parent) : TGridAdapter(grid, view, parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (FGrid.OnButtonClick) FGrid.OnButtonClick(&FGrid, FGrid.Col(), FGrid.Row());
  });
}

bool TGridButton::Open(IGridEditorHost& host, TEditorType, const TEditorPlace& place) {
  Begin();
  setText(FGrid.GetEditText(place.Col, place.Row));
  host.Present(this, place, 1);
  return true;
}

void TGridButton::Released() {
  QString caption;
  FGrid.EllipsClick(text(), caption);
  setText(caption);
  FGrid.SetCurrentCellText(caption);
}

void TGridButton::Leave() {
  hide();
  setEnabled(false);
  FGrid.SetEditMode(false);
  FGrid.FocusGrid();
}

void TGridButton::keyPressEvent(QKeyEvent* e) {
  TShiftState shift;
  uint16_t key = Editor_Key(e, shift);
  if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
    FGrid.KeyDown(key, shift);
    Leave();
    return;
  }
  if (key == VK_ESCAPE) {
    Leave();
    FGrid.CancelCellEdit();
    if (FView) {
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(FView, &escape);
    }
    return;
  }
  TGuarded<QPushButton>::keyPressEvent(e);
}

void TGridButton::keyReleaseEvent(QKeyEvent* e) {
  TGuarded<QPushButton>::keyReleaseEvent(e);
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
    Released();
    update();
  }
}

void TGridButton::mouseReleaseEvent(QMouseEvent* e) {
  TGuarded<QPushButton>::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton) Released();
}
