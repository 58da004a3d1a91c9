#include "UGridCheckBox.h"

#include <QKeyEvent>

#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridCheckBox::TGridCheckBox(TQrvStringGrid& grid, QWidget* parent) : TGridAdapter(grid, nullptr, parent) {}

bool TGridCheckBox::Open(IGridEditorHost& host, TEditorType, const TEditorPlace& place) {
  Begin();
  setText(FGrid.GetEditText(place.Col, place.Row));
  setChecked(false);
  host.Present(this, place, 0);
  return true;
}

void TGridCheckBox::keyPressEvent(QKeyEvent* e) {
  TShiftState shift;
  uint16_t key = Editor_Key(e, shift);
  if (key != VK_RETURN && key != VK_PRIOR && key != VK_NEXT && key != VK_END && key != VK_LEFT && key != VK_UP &&
      key != VK_RIGHT && key != VK_DOWN) {
    TGuarded<QCheckBox>::keyPressEvent(e);
    return;
  }
  FGrid.HideInplaceEdit();
  FGrid.FocusGrid();
  if (key == VK_RETURN) FGrid.AdvanceCell(FGrid.Col(), FGrid.Row(), true, false, true, true, false);
  if (key == VK_UP || key == VK_DOWN) FGrid.KeyDown(key, shift);
}
