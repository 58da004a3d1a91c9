// The menus the grid opens over its cells: shown at the grid's point and run until they close, as the desktop's
// menus are, so the grid's press handling continues once a choice is made.
#include "UGridView.h"
#include "UPopupMenu.h"

void TGridView::PopupMenu(TPopupMenu* menu, int32_t tag, const TPoint& at) {
  if (!menu) return;
  menu->Tag = tag;
  menu->exec(viewport()->mapToGlobal(QPoint(at.X, at.Y)));
}
