// Controls written as CONTROL tags into a markup cell: switched by a press, or edited in the widget's shared edit
// or combo placed over them, with the value written back into the tag.
#include <QImage>
#include <algorithm>

#include "UCanvas.h"
#include "UMarkupControls.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

void TQrvStringGrid::HitCellMarkup(int32_t c, int32_t r, int32_t x, int32_t y, TMarkupOutputs& out) {
  const int32_t dc = RealToDisplayCol(c);
  TRect cell = CellRect(dc, r);
  cell.Left += XYOffset.X + 1;
  cell.Top += XYOffset.Y + 1;
  if (HasCheckBox(c, r)) cell.Left += ControlLook.CheckSize;
  // The content of a cell with its own scroll bar is laid out beside the bar and moved up by its position.
  if (CellScrolls(c, r)) {
    cell.Right -= CellScrollBarWidth;
    cell.Top -= std::max(0, GetScrollPosition(c, r));
  }
  // The renderer measures on a canvas of its own; nothing is drawn.
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(&scratch);
  canvas.Font() = r < FixedRows() || dc < FixedCols() ? FixedFont : GetCellFont(c, r);
  TMarkupParams params;
  params.HitTestOnly = true;
  params.PointX = x;
  params.PointY = y;
  params.LinkColor = URLColor;
  RenderMarkup(canvas, Cells(c, r), cell, params, out);
}

bool TQrvStringGrid::HitCellControl(int32_t c, int32_t r, int32_t x, int32_t y, QString& id, QString& type,
                                    QString& value, TRect& rect) {
  TMarkupOutputs out;
  out.HitControlID = id;
  HitCellMarkup(c, r, id.isEmpty() ? x : -1, id.isEmpty() ? y : -1, out);
  if (out.HitControlType.isEmpty()) return false;
  id = out.HitControlID;
  type = out.HitControlType.toUpper();
  value = out.HitControlValue;
  rect = out.HitControlRect;
  return true;
}

TRect TQrvStringGrid::CellControlRect(int32_t c, int32_t r, const QString& id) {
  QString found = id, type, value;
  TRect rect;
  if (id.isEmpty() || !HitCellControl(c, r, -1, -1, found, type, value, rect)) return TRect{};
  return rect;
}

bool TQrvStringGrid::PressOnCellControl(int32_t c, int32_t r, int32_t x, int32_t y) {
  const int32_t rc = RealColIndex(c);
  QString text = Cells(rc, r);
  if (!EnableHTML || !HasControlTag(text)) return false;
  QString id, type, value;
  TRect rect;
  if (!HitCellControl(rc, r, x, y, id, type, value, rect)) {
    ClickCell(c, r);
    HideInplaceEditor();
    MoveCurrent(c, r, true, true);
    return true;
  }
  bool canEdit = ((Options() & goEditing) || EditDisabled()) && !ReadOnly(rc, r);
  if (canEdit) QueryCanEditCell(rc, r, canEdit);
  if (!canEdit) return true;
  // A press on another control finishes the running edit first; its value may have changed the text.
  if (FCtrlEditing && FinishCellControl) FinishCellControl();
  text = Cells(rc, r);
  FCtrlXY = {rc, r};
  QString now = value;
  if (type == QLatin1String("BUTTON")) {
    FCtrlDown = true;
    FCtrlDownAt = {x, y};
    RepaintCell(c, r);
  } else if (type == QLatin1String("CHECK")) {
    now = value.toUpper() == QLatin1String("TRUE") ? QStringLiteral("FALSE") : QStringLiteral("TRUE");
    SetControlValue(text, id, now);
    SetCells(rc, r, text);
  } else if (type == QLatin1String("RADIO")) {
    text = ClearRadioControls(text);
    now = QStringLiteral("TRUE");
    SetControlValue(text, id, now);
    SetCells(rc, r, text);
  }
  if (OnControlClick) OnControlClick(this, r, c, id, type, now);
  if (type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK") ||
      type == QLatin1String("COMBO"))
    StartCellControlEdit(text, type, rc, r, rect, value, id);
  return true;
}

bool TQrvStringGrid::FocusNextCellControl(int32_t c, int32_t r, const QString& afterId) {
  if (FCtrlEditing && FinishCellControl) FinishCellControl();
  QString id = NextControlId(Cells(c, r), afterId);
  QString type, value;
  TRect rect;
  if (id.isEmpty() || !HitCellControl(c, r, -1, -1, id, type, value, rect)) {
    FocusGrid();
    return false;
  }
  StartCellControlEdit(Cells(c, r), type, c, r, rect, value, id);
  return true;
}

void TQrvStringGrid::StartCellControlEdit(const QString& text, const QString& type, int32_t c, int32_t r,
                                          const TRect& rect, const QString& value, const QString& id) {
  const QString kind = type.toUpper();
  TCellControlEditor editor;
  editor.Type = kind;
  editor.Value = value;
  editor.MaxLength = GetControlMaxLen(text, id);
  if (kind == QLatin1String("COMBO")) {
    editor.Combo = true;
    editor.Bounds = {rect.Left - 1, rect.Top + 4, rect.Right - 1, rect.Top + 4 + (rect.Bottom - rect.Top)};
    if (OnControlComboList)
      OnControlComboList(this, r, c, id, kind, value, editor.Items, editor.ComboEditable, editor.DropCount);
  } else if (kind == QLatin1String("EDIT") || kind == QLatin1String("PASSWORD") || kind == QLatin1String("MASK")) {
    if (kind == QLatin1String("PASSWORD")) editor.PasswordChar = QLatin1Char('*');
    if (kind == QLatin1String("MASK")) editor.Mask = GetControlProp(text, id);
    editor.Bounds = {rect.Left + 1, rect.Top + 8, rect.Left + 1 + (rect.Right - rect.Left - 4), rect.Top + 8 + 14};
  } else {
    return;
  }
  FCtrlXY = {c, r};
  FCtrlID = id;
  FCtrlType = kind;
  FCtrlEditing = true;
  if (ShowCellControl) ShowCellControl(editor);
}

void TQrvStringGrid::CellControlEditDone(const QString& value) {
  if (!FCtrlEditing) return;
  FCtrlEditing = false;
  QString text = Cells(FCtrlXY.X, FCtrlXY.Y);
  if (SetControlValue(text, FCtrlID, value)) SetCells(FCtrlXY.X, FCtrlXY.Y, text);
  if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
  FCtrlType.clear();
}

void TQrvStringGrid::CellControlComboSelect(int32_t index, const QString& itemText) {
  if (OnControlComboSelect) OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, itemText);
}

void TQrvStringGrid::CellControlKey(bool tab) {
  const TPoint at = FCtrlXY;
  const QString id = FCtrlID;
  if (FCtrlEditing && FinishCellControl) FinishCellControl();
  if (!tab) {
    FocusGrid();
  } else if (Navigation().AdvanceAuto()) {
    FocusGrid();
    AdvanceCell(Col(), Row(), true, false, true, false, true);
  } else if (at.X >= 0) {
    FocusNextCellControl(at.X, at.Y, id);
  }
}
