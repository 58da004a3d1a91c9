// The drop-down button a hovered fixed cell shows at its right: a press on it opens the grid's header menu (or the
// one OnFixedDropDownClick hands back) under the button, with the cell kept hot while the menu is open.
#include "UGridHost.h"
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t DropDownButtonWidth = 16;
}  // namespace

bool TQrvStringGrid::ShowsFixedDropDown(int32_t c, int32_t r) {
  return ControlLook.FixedDropDownButton && c >= 0 && r >= 0 && IsHoverFixedCell(c, r) &&
         CanShowFixedDropDown(RealColIndex(c));
}

bool TQrvStringGrid::PressOnFixedDropDown(int32_t c, int32_t r, int32_t x) {
  const TRect rect = CellRect(c, r);
  // With column sizing the last pixels before the edge belong to the sizing grip.
  const int32_t grip = (Options() & goColSizing) ? 2 : 0;
  if (x < rect.Right - DropDownButtonWidth || x >= rect.Right - grip || !ShowsFixedDropDown(c, r)) return false;
  FDropDownDown = true;
  RepaintCell(c, r);
  TPopupMenu* menu = FixedDropDownMenu;
  if (!menu && !OnFixedDropDownClick) return true;
  FNoMouseLeave = true;
  bool keepHighlighted = false;
  if (OnFixedDropDownClick) OnFixedDropDownClick(this, c, r, menu, keepHighlighted);
  if (menu && Host()) {
    if (!(HoverFixedCell == TPoint{c, r})) {
      const TPoint was = HoverFixedCell;
      HoverFixedCell = {c, r};
      if (was.X >= 0 && was.Y >= 0) RepaintCell(was.X, was.Y);
    }
    Host()->PopupMenu(menu, c, TPoint{rect.Right - DropDownButtonWidth, rect.Bottom});
    // The open menu took the release that would have let the button go.
    FDropDownDown = false;
    MouseDown = false;
    FButtonDown = false;
    RepaintCell(c, r);
  }
  FNoMouseLeave = keepHighlighted;
  return true;
}
