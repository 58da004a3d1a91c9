// Presses on the parts a cell draws itself: node glyphs, radio groups, cell and expand buttons; the fixed cells
// drawn hot under the mouse and the hint that shows a size while a column or row is sized.
#include "UGridRadioLayout.h"
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t NodeGlyphSize = 9;  // the node button's box; a press up to 2 pixels beside it still hits it
constexpr int32_t NodeGlyphSlack = 2;
}  // namespace

bool TQrvStringGrid::OnNodeGlyph(int32_t c, int32_t r, int32_t x, int32_t y) {
  if (c != 0 || !HasNodes() || !IsNode(r)) return false;
  const TRect rect = CellRect(c, r);
  const int32_t left = rect.Left + (r < FixedRows() ? 0 : GetNodeIndent(r)) + 4;
  const int32_t top = (rect.Top + rect.Bottom - 8) / 2;
  return x >= left - NodeGlyphSlack && x < left + NodeGlyphSize + NodeGlyphSlack && y >= top - NodeGlyphSlack &&
         y < top + NodeGlyphSize + NodeGlyphSlack;
}

bool TQrvStringGrid::PressOnNode(int32_t c, int32_t r, int32_t x, int32_t y) {
  if (c != 0 || !HasNodes()) return false;
  if (!IsNode(r)) {
    // A press in the node column of any other normal row only reports the click.
    if (r < FixedRows() || MouseActions().RowSelect() || (Options() & goRowSizing)) return false;
    if (OnMouseDown) OnMouseDown(this, gmbLeft, FPressShift, x, y);
    ClickCell(c, r);
    return true;
  }
  if (!OnNodeGlyph(c, r, x, y)) return false;
  if (r < FixedRows()) {
    if (!MouseActions().NodeAllExpandContract()) return false;
    // A node in the header stands for all nodes: a press turns them all and it over.
    const bool contracted = GetNodeState(r);
    contracted ? ExpandAll() : ContractAll();
    if (TCellGraphic* g = GetCellGraphic(0, r)) g->SetCellBoolean(!contracted);
    RepaintCell(c, r);
    return true;
  }
  if (OnMouseDown) OnMouseDown(this, gmbLeft, FPressShift, x, y);
  ClickCell(c, r);
  const int32_t real = RealRowIndex(r);
  bool allow = true;
  if (GetNodeState(r)) {
    if (OnBeforeExpandNode) OnBeforeExpandNode(this, r, real, allow);
    if (allow) {
      ExpandNode(real);
      if (OnExpandNode) OnExpandNode(this, r, real);
    }
  } else {
    if (OnBeforeContractNode) OnBeforeContractNode(this, r, real, allow);
    if (allow) {
      ContractNode(real);
      if (OnContractNode) OnContractNode(this, r, real);
    }
  }
  if (MouseActions().MoveRowOnNodeClick()) {
    const int32_t row = DisplRowIndex(real);
    if (row >= FixedRows() && row < RowCount()) MoveCurrent(std::max(Col(), FixedCols()), row, true, true);
  }
  return true;
}

bool TQrvStringGrid::PressOnRadioGroup(int32_t c, int32_t r, int32_t x, int32_t y) {
  const int32_t rc = RealColIndex(c);
  if (!IsRadio(rc, r)) return false;
  bool allowed = (Options() & goEditing) || MouseActions().RangeSelectAndEdit();
  CanEditCell(rc, r, allowed);
  if (!allowed && !ControlLook.RadioAlwaysActive) return false;
  HideInplaceEditor();
  const TRect rect = CellRect(c, r);
  RadioGroupClick(c, r, x - rect.Left, y - rect.Top);
  FocusGrid();
  FDoOnClick = false;
  return true;
}

void TQrvStringGrid::RadioGroupClick(int32_t c, int32_t r, int32_t dx, int32_t dy) {
  const TPoint base = BaseCell(c, r);
  const int32_t rc = RealColIndex(base.X);
  const TCellGraphic* g = GetCellGraphic(rc, base.Y);
  const QStringList* items = GetRadioStrings(rc, base.Y);
  if (!g || !items || items->isEmpty()) return;
  if (!IsFixed(base.X, base.Y)) MoveCurrent(base.X, base.Y, true, true);
  // The painter lays the items out in the cell shrunk by the offset less one; measure from the same corner.
  dx -= XYOffset.X - 1;
  dy -= XYOffset.Y - 1;
  const int32_t button = RadioButtonSpacing(ControlLook.ControlStyle, ControlLook.RadioSize);
  const int32_t hit =
      g->CellBoolean()
          ? RadioItemAt(HorizontalRadioSpans(*items, button,
                                             [this](const QString& item) { return MeasureCellText(item).cx; }),
                        dx)
          : RadioLineAt(
                static_cast<int32_t>(items->size()),
                RadioLineHeight(MeasureCellText(QStringLiteral("gh")).cy, ControlLook.ControlStyle >= csWinXP), dy);
  // Past the last item nothing is picked.
  if (hit < 0) return;
  if (g->CellIndex() == -1) SetCells(rc, base.Y, (*items)[hit]);
  SetRadioIdx(rc, base.Y, hit);
  if (OnRadioClick) OnRadioClick(this, rc, base.Y, hit);
}

bool TQrvStringGrid::InCellButton(int32_t c, int32_t r, int32_t x, int32_t y) {
  const int32_t rc = RealColIndex(c);
  const bool expand = HasExpand(rc, r);
  if (!expand && !HasButton(rc, r)) return false;
  const TRect button = expand ? ExpandButtonRect(rc, r) : GetCellButtonRect(c, r);
  return x >= button.Left && x < button.Right && y >= button.Top && y < button.Bottom;
}

bool TQrvStringGrid::PressOnCellButton(int32_t c, int32_t r, int32_t x, int32_t y) {
  const int32_t rc = RealColIndex(c);
  const bool expand = HasExpand(rc, r);
  if (!expand && !HasButton(rc, r)) return false;
  HideInplaceEditor();
  if (!IsFixed(c, r)) {
    FForceSel = true;
    MoveCurrent(c, r, true, true);
    FForceSel = false;
  }
  if (InCellButton(c, r, x, y)) {
    if (!expand) PushButton(c, r, true);
    FPushedCellButton = {c, r};
    ClickCell(c, r);
  }
  FDoOnClick = false;
  return true;
}

bool TQrvStringGrid::ReleaseCellButton(int32_t x, int32_t y) {
  if (FPushedCellButton.X < 0) return false;
  const TPoint pushed = FPushedCellButton;
  FPushedCellButton = {-1, -1};
  const int32_t rc = RealColIndex(pushed.X);
  const bool fixedRow = pushed.Y < FixedRows();
  const bool fixedCol = pushed.X < FixedCols();
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  bool enabled = c >= 0 && r >= 0 ? true : (Options() & goEditing) != 0;
  if (c >= 0 && r >= 0) CanEditCell(rc, pushed.Y, enabled);
  enabled = enabled || ControlLook.NoDisabledButtonLook || fixedRow || fixedCol;
  const bool expand = HasExpand(rc, pushed.Y);
  if (!expand && enabled) PushButton(pushed.X, pushed.Y, false);
  const TPoint base = c >= 0 && r >= 0 ? BaseCell(c, r) : TPoint{-1, -1};
  const TRect button = expand ? ExpandButtonRect(rc, pushed.Y) : GetCellButtonRect(pushed.X, pushed.Y);
  const bool onButton =
      base == pushed && x >= button.Left && x < button.Right && y >= button.Top && y < button.Bottom;
  if (!enabled) return true;
  if (expand) {
    if (onButton) ExpandClick(rc, pushed.Y, ToggleExpand(rc, pushed.Y));
  } else if (onButton || fixedRow || (fixedCol && FixedAsButtons)) {
    ButtonClick(rc, pushed.Y);
  }
  return true;
}

bool TQrvStringGrid::IsHoverFixedCell(int32_t c, int32_t r) const {
  switch (HoverFixedCells) {
    case hfAll:
      return c < FixedCols() || r < FixedRows();
    case hfFixedColumns:
      return c < FixedCols();
    case hfFixedRows:
      return r < FixedRows();
    default:
      return false;
  }
}

void TQrvStringGrid::HoverFixed(int32_t c, int32_t r) {
  // A header menu that keeps its cell highlighted holds the hot cell where it is.
  if (HoverFixedCells == hfNone || FNoMouseLeave) return;
  const TPoint now{c, r};
  if (now == HoverFixedCell) return;
  const TPoint was = HoverFixedCell;
  HoverFixedCell = now;
  auto fixed = [this](TPoint p) { return p.X >= 0 && p.Y >= 0 && (p.Y < FixedRows() || p.X < FixedCols()); };
  if (fixed(was)) RepaintCell(was.X, was.Y);
  if (fixed(now)) RepaintCell(now.X, now.Y);
}

void TQrvStringGrid::HoverCellButton(int32_t c, int32_t r, int32_t x, int32_t y) {
  TPoint now{-1, -1};
  if (c >= 0 && r >= 0) {
    const int32_t rc = RealColIndex(c);
    const bool expand = HasExpand(rc, r);
    const TRect button = expand ? ExpandButtonRect(rc, r) : HasButton(rc, r) ? GetCellButtonRect(c, r) : TRect{};
    if (x >= button.Left && x < button.Right && y >= button.Top && y < button.Bottom) now = {c, r};
  }
  if (now == FHoverButton) return;
  const TPoint was = FHoverButton;
  FHoverButton = now;
  if (was.X >= 0) RepaintCell(was.X, was.Y);
  if (now.X >= 0) RepaintCell(now.X, now.Y);
}

// Only the press draws the cell sunken; the release draws it in its own look again.
void TQrvStringGrid::PressFixedAsButton(int32_t c, int32_t r, int32_t x, int32_t y) {
  const TGridOptions lines = TGridOptions(goFixedVertLine) | goFixedHorzLine;
  if (!FixedAsButtons || (Options() & lines) != lines || !Ctl3D || Flat) return;
  if (r >= FixedRows() && c >= FixedCols()) return;
  if (c == 0 && HasNodes() && IsNode(r) && OnNodeGlyph(c, r, x, y)) return;
  FPushedFixedCell = CellRect(c, r);
  FFixedCellPushed = true;
  InvalidatePlatformRect(FPushedFixedCell, true);
}

void TQrvStringGrid::ReleaseFixedAsButton() {
  if (!FFixedCellPushed) return;
  FFixedCellPushed = false;
  InvalidatePlatformRect(FPushedFixedCell, true);
}

bool TQrvStringGrid::SizingHint(QString& text, TPoint& pos) const {
  if (!HintShowSizing || FInteraction != TGridInteraction::Sizing || FSizingIndex < 0) return false;
  text = (FSizingCol ? QStringLiteral("cw=<b>") : QStringLiteral("rh=<b>")) +
         QString::number(FSizingFixed ? FSizingPos : SizingSize()) + QStringLiteral("</b>");
  const TRect rect = FSizingCol ? CellRect(std::min(FSizingIndex, ColCount() - 1), 0) : CellRect(0, FSizingIndex);
  pos = {rect.Left, rect.Top};
  return true;
}
