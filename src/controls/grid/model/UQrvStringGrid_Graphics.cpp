// Cell objects: finding, creating and removing a cell's graphic, and the Add/Has/Get/Remove families per kind.
#include <cmath>

#include "UCellButtonLayout.h"
#include "UQrvStringGrid.h"

TCellGraphic* TQrvStringGrid::GetCellGraphic(int32_t c, int32_t r) {
  if (c < 0 || r < 0) return nullptr;
  if (HasRowCheckBox(c, r)) return RowCheckBox(r);
  return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(c, r));
}

TCellType TQrvStringGrid::GetCellType(int32_t c, int32_t r) {
  if (c < 0 || r < 0) return ctEmpty;
  // The cell's own object: a graphic a derived grid only lends for painting gives the cell no kind.
  const TCellGraphic* g = TQrvStringGrid::GetCellGraphic(c, r);
  return g ? g->CellType() : ctEmpty;
}

TCellGraphic* TQrvStringGrid::BaseCellGraphic(int32_t c, int32_t r) {
  if (c < 0 || r < 0) return nullptr;
  const TPoint base = BaseCell(c, r);
  return GetCellGraphic(base.X, base.Y);
}

TCellType TQrvStringGrid::BaseCellType(int32_t c, int32_t r) {
  if (c < 0 || r < 0) return ctEmpty;
  const TPoint base = BaseCell(c, r);
  return GetCellType(base.X, base.Y);
}

TCellGraphic* TQrvStringGrid::GraphicByRealRow(int32_t c, int32_t realRow) {
  if (c < 0 || realRow < 0) return nullptr;
  if (NumHiddenRows() == 0) return GetCellGraphic(c, realRow);
  if (auto* props = dynamic_cast<TCellProperties*>(GetGridObjectsEx(c, realRow)))
    return dynamic_cast<TCellGraphic*>(props->GraphicObject());
  // A cell without properties answers only through the shared row check box.
  return c == 0 && FMouseActions->HotmailRowSelect() ? RowCheckBox(DisplRowIndex(realRow)) : nullptr;
}

TCellGraphic* TQrvStringGrid::CreateCellGraphic(int32_t c, int32_t r) {
  TCellProperties* props = GetCellProperties(c, r);
  // The previous graphic goes first; a foreign graphic object stays whoever set it.
  delete dynamic_cast<TCellGraphic*>(props->GraphicObject());
  props->SetGraphicObject(nullptr);
  auto* graphic = new TCellGraphic();
  SetGraphicObjectEx(c, r, graphic);
  if (GetGridCell(c, r).isEmpty()) {
    // Both writes run the cell-write hooks; the cell stays empty.
    SetCells(c, r, QStringLiteral(" "));
    SetCells(c, r, QString());
  }
  if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(c), r);
  return graphic;
}

bool TQrvStringGrid::RemoveCellGraphic(int32_t c, int32_t r) {
  TCellGraphic* graphic = GetCellGraphic(c, r);
  if (!graphic) return false;
  if (GetGraphicObjectEx(c, r) == graphic) SetGraphicObjectEx(c, r, nullptr);
  // The shared virtual and row check boxes belong to the grid, not to a cell.
  if (graphic->CellType() != ctVirtCheckBox && graphic->CellType() != ctRowCheckBox) delete graphic;
  if (!FDestroying) RepaintCell(DisplColIndex(c), r);
  return true;
}

bool TQrvStringGrid::RemoveCellGraphicOfType(int32_t c, int32_t r, TCellType type) {
  return GetCellType(c, r) == type && RemoveCellGraphic(c, r);
}

bool TQrvStringGrid::IsControlCell(int32_t c, int32_t r) {
  if (c < 0 || r < 0) return false;
  const TCellType type = BaseCellType(c, r);
  return IsCheckBoxType(type) || type == ctRadio || type == ctButton || type == ctRadioButton;
}

bool TQrvStringGrid::IsDataDrivenCell(int32_t c, int32_t r) {
  const TCellType type = BaseCellType(c, r);
  return IsDataCheckBoxType(type) || type == ctDataImage;
}

// Adding: every kind starts from a fresh graphic that replaces whatever the cell held.

void TQrvStringGrid::AddBitmap(int32_t c, int32_t r, TBitmap* bmp, bool transparent, TCellHAlign hal,
                               TCellVAlign val) {
  CreateCellGraphic(c, r)->SetBitmap(bmp, transparent, hal, val);
}

TBitmap* TQrvStringGrid::CreateBitmap(int32_t c, int32_t r, bool transparent, TCellHAlign hal, TCellVAlign val) {
  auto* bitmap = new TBitmap();
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetBitmap(bitmap, transparent, hal, val);
  g->SetCellCreated(true);
  return bitmap;
}

void TQrvStringGrid::AddIcon(int32_t c, int32_t r, TIcon* icon, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(c, r)->SetIcon(icon, hal, val);
}

TIcon* TQrvStringGrid::CreateIcon(int32_t c, int32_t r, TCellHAlign hal, TCellVAlign val) {
  auto* icon = new TIcon();
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetIcon(icon, hal, val);
  g->SetCellCreated(true);
  return icon;
}

void TQrvStringGrid::AddImageIdx(int32_t c, int32_t r, int32_t idx, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(c, r)->SetImageIdx(idx, hal, val);
}

void TQrvStringGrid::AddDataImage(int32_t c, int32_t r, int32_t idx, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(c, r)->SetDataImage(idx, hal, val);
  if (Cells(c, r).isEmpty()) SetCells(c, r, QString::number(idx));
}

TIntList* TQrvStringGrid::AddMultiImage(int32_t c, int32_t r, int32_t dir, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetMultiImage(c, r, dir, hal, val);
  TIntList* list = g->ObjectAs<TIntList>();
  list->OnChange = [this](TIntList*, int32_t col, int32_t row) { RepaintCell(DisplColIndex(col), row); };
  return list;
}

void TQrvStringGrid::AddPicture(int32_t c, int32_t r, TPicture* picture, bool transparent, TStretchMode mode,
                                int32_t padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(c, r)->SetPicture(picture, transparent, mode, padding, hal, val);
}

TPicture* TQrvStringGrid::CreatePicture(int32_t c, int32_t r, bool transparent, TStretchMode mode, int32_t padding,
                                        TCellHAlign hal, TCellVAlign val) {
  auto* picture = new TPicture();
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetPicture(picture, transparent, mode, padding, hal, val);
  g->SetCellCreated(true);
  return picture;
}

void TQrvStringGrid::AddFilePicture(int32_t c, int32_t r, TFilePicture* picture, bool transparent, TStretchMode mode,
                                    int32_t padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(c, r)->SetFilePicture(picture, transparent, mode, padding, hal, val);
}

TFilePicture* TQrvStringGrid::CreateFilePicture(int32_t c, int32_t r, bool transparent, TStretchMode mode,
                                                int32_t padding, TCellHAlign hal, TCellVAlign val) {
  auto* picture = new TFilePicture();
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetFilePicture(picture, transparent, mode, padding, hal, val);
  g->SetCellCreated(true);
  return picture;
}

void TQrvStringGrid::AddProgressFormatted(int32_t c, int32_t r, TColor fgColor, TColor fgTextColor, TColor bkColor,
                                          TColor bkTextColor, const QString& fmt, int32_t min, int32_t max) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctProgress);
  g->SetCellBitmap(fgColor);
  g->SetCellIcon(bkColor);
  g->SetCellErrFrom(min);
  g->SetCellErrLen(max);
  g->SetCellBoolean(true);
  g->SetCellIndex(static_cast<int32_t>(fgTextColor));
  g->SetCellAngle(static_cast<int32_t>(bkTextColor));
  g->SetCellText(fmt);
}

void TQrvStringGrid::AddProgressEx(int32_t c, int32_t r, TColor fgColor, TColor fgTextColor, TColor bkColor,
                                   TColor bkTextColor) {
  AddProgressFormatted(c, r, fgColor, fgTextColor, bkColor, bkTextColor, QString(), 0, 100);
}

void TQrvStringGrid::AddProgress(int32_t c, int32_t r, TColor fgColor, TColor bkColor) {
  AddProgressEx(c, r, fgColor, 0, bkColor, 0);
  GetCellGraphic(c, r)->SetCellBoolean(false);
}

void TQrvStringGrid::AddQrvProgress(int32_t c, int32_t r, int32_t min, int32_t max) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctXPProgress);
  g->SetCellErrFrom(min);
  g->SetCellErrLen(max);
}

void TQrvStringGrid::AddProgressPie(int32_t c, int32_t r, TColor color, int32_t value) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctProgressPie);
  g->SetCellBitmap(color);
  g->SetCellAngle(value);
  g->SetCellHAlign(haBeforeText);
}

void TQrvStringGrid::SetProgressPie(int32_t c, int32_t r, int32_t value) {
  if (TCellGraphic* g = GetCellGraphic(c, r); g && g->CellType() == ctProgressPie) {
    g->SetCellAngle(value);
    RepaintCell(DisplColIndex(c), r);
  }
}

void TQrvStringGrid::AddRangeIndicator(int32_t c, int32_t r, int32_t range, TColor negColor, TColor posColor,
                                       bool showValue) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctRangeIndicator);
  g->SetCellIndex(range);
  g->SetCellBitmap(negColor);
  g->SetCellIcon(posColor);
  g->SetCellBoolean(showValue);
}

void TQrvStringGrid::AddComment(int32_t c, int32_t r, const QString& comment) {
  AddColorComment(c, r, comment, ControlLook.CommentColor);
}

void TQrvStringGrid::AddColorComment(int32_t c, int32_t r, const QString& comment, TColor color) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctComment);
  g->SetCellText(comment);
  g->SetCellIndex(static_cast<int32_t>(color));
}

void TQrvStringGrid::AddButton(int32_t c, int32_t r, int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal,
                               TCellVAlign val) {
  CreateCellGraphic(c, r)->SetButton(bw, bh, caption, hal, val);
}

void TQrvStringGrid::AddBitButton(int32_t c, int32_t r, int32_t bw, int32_t bh, const QString& caption,
                                  TBitmap* glyph, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(c, r)->SetBitButton(bw, bh, caption, glyph, hal, val);
}

TBitmap* TQrvStringGrid::CreateBitButton(int32_t c, int32_t r, int32_t bw, int32_t bh, const QString& caption,
                                         TCellHAlign hal, TCellVAlign val) {
  auto* glyph = new TBitmap();
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetBitButton(bw, bh, caption, glyph, hal, val);
  g->SetCellCreated(true);
  return glyph;
}

void TQrvStringGrid::AddInterfacedCell(int32_t c, int32_t r, TObject* object) {
  CreateCellGraphic(c, r)->SetInterfacedCell(object);
}

void TQrvStringGrid::AddScrollBar(int32_t c, int32_t r, bool autoRange) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctScrollbar);
  g->SetCellErrFrom(100);
  g->SetCellBoolean(autoRange);
  if (autoRange) CellChanged(c, r);
}

void TQrvStringGrid::AddBalloon(int32_t c, int32_t r, const QString& title, const QString& text, TBalloonIcon icon) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) {
    g = CreateCellGraphic(c, r);
    g->SetCellType(ctBalloon);
  } else if (g->CellType() == ctCheckBox || g->CellType() == ctDataCheckBox || g->CellType() == ctRadioButton) {
    g->FreeAttachedBalloon();
    g->SetCellAngle(1);
  } else {
    return;
  }
  g->SetCellBitmap(new QStringList{title, text});
  g->SetCellIndex(icon);
}

void TQrvStringGrid::AddShape(int32_t c, int32_t r, TCellShape shape, TColor fillColor, TColor lineColor,
                              TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctShape);
  g->SetCellAngle(shape);
  g->SetCellIndex(static_cast<int32_t>(fillColor));
  g->SetCellBitmap(lineColor);
  g->SetCellHAlign(hal);
  g->SetCellVAlign(val);
}

void TQrvStringGrid::AddRating(int32_t c, int32_t r, int32_t scale, TColor fillColor, TColor emptyColor) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctRating);
  g->SetCellAngle(scale);
  g->SetCellIndex(static_cast<int32_t>(fillColor));
  g->SetCellBitmap(emptyColor);
  g->SetCellHAlign(haFull);
}

void TQrvStringGrid::AddExpand(int32_t c, int32_t r, int32_t expandedHeight) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctExpand);
  g->SetCellAngle(expandedHeight);
  g->SetCellIndex(RowHeights(r));
  g->SetCellVar(false);
}

void TQrvStringGrid::AddMarker(int32_t c, int32_t r, int32_t errPos, int32_t errLen) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) {
    g = CreateCellGraphic(c, r);
    g->SetCellType(ctEmpty);
  }
  g->SetCellErrFrom(errPos);
  g->SetCellErrLen(errLen);
  RepaintCell(DisplColIndex(c), r);
}

void TQrvStringGrid::RemoveMarker(int32_t c, int32_t r) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return;
  if (g->CellType() == ctEmpty) {
    RemoveCellGraphic(c, r);
    return;
  }
  g->SetCellErrFrom(0);
  g->SetCellErrLen(0);
}

void TQrvStringGrid::GetMarker(int32_t c, int32_t r, int32_t& errPos, int32_t& errLen) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  errPos = g ? g->CellErrFrom() : 0;
  errLen = g ? g->CellErrLen() : 0;
}

void TQrvStringGrid::RemoveButton(int32_t c, int32_t r) {
  RemoveCellGraphicOfType(c, r, ctButton);
  RemoveCellGraphicOfType(c, r, ctBitButton);
}

void TQrvStringGrid::RemoveDataImage(int32_t c, int32_t r) {
  RemoveCellGraphicOfType(c, r, ctDataImage);
  SetCells(c, r, QString());
}

void TQrvStringGrid::RemoveBalloon(int32_t c, int32_t r) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return;
  if ((g->CellType() == ctCheckBox || g->CellType() == ctDataCheckBox || g->CellType() == ctRadioButton) &&
      g->CellAngle() == 1)
    g->FreeAttachedBalloon();
  else
    RemoveCellGraphicOfType(c, r, ctBalloon);
}

void TQrvStringGrid::RemoveAllComments() {
  for (int32_t r = 0; r < RowCount(); ++r)
    for (int32_t c = 0; c < ColCount(); ++c) RemoveComment(c, r);
}

void TQrvStringGrid::RemoveAllButtons() {
  for (int32_t r = 0; r < RowCount(); ++r)
    for (int32_t c = 0; c < ColCount(); ++c)
      if (HasButton(c, r)) RemoveButton(c, r);
}

void TQrvStringGrid::RemoveAllMarkers() {
  for (int32_t r = 0; r < RowCount(); ++r)
    for (int32_t c = 0; c < ColCount(); ++c) RemoveMarker(c, r);
}

// Queries.

TBitmap* TQrvStringGrid::GetBitmap(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  return g && g->CellType() == ctBitmap ? g->ObjectAs<TBitmap>() : nullptr;
}

TPicture* TQrvStringGrid::GetPicture(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  return g && g->CellType() == ctPicture ? g->ObjectAs<TPicture>() : nullptr;
}

TFilePicture* TQrvStringGrid::GetFilePicture(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  return g && g->CellType() == ctFilePicture ? g->ObjectAs<TFilePicture>() : nullptr;
}

TObject* TQrvStringGrid::GetInterfacedCell(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  return g && g->CellType() == ctInterface ? g->ObjectAs<TObject>() : nullptr;
}

TIntList* TQrvStringGrid::GetCellImages(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  return g && g->CellType() == ctImages ? g->ObjectAs<TIntList>() : nullptr;
}

bool TQrvStringGrid::IsComment(int32_t c, int32_t r, QString& comment) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  if (!g || g->CellType() != ctComment) return false;
  comment = g->CellText();
  return true;
}

QString TQrvStringGrid::GetComment(int32_t c, int32_t r) {
  QString comment;
  IsComment(c, r, comment);
  return comment;
}

void TQrvStringGrid::SetComment(int32_t c, int32_t r, const QString& value) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g)
    AddComment(c, r, value);
  else if (g->CellType() == ctComment)
    g->SetCellText(value);
}

void TQrvStringGrid::SetShapeColor(int32_t c, int32_t r, TColor fillColor) {
  if (TCellGraphic* g = GetCellGraphic(c, r); g && g->CellType() == ctShape) {
    g->SetCellIndex(static_cast<int32_t>(fillColor));
    RepaintCell(DisplColIndex(c), r);
  }
}

TColor TQrvStringGrid::GetShapeColor(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  return g && g->CellType() == ctShape ? static_cast<TColor>(g->CellIndex()) : clNone;
}

bool TQrvStringGrid::HasButton(int32_t c, int32_t r) {
  const TCellType type = BaseCellType(c, r);
  return type == ctButton || type == ctBitButton;
}

void TQrvStringGrid::PushButton(int32_t c, int32_t r, bool push) {
  if (TCellGraphic* g = GetCellGraphic(RealColIndex(c), r); g && !IsNode(r)) {
    g->SetCellBoolean(push);
    RepaintCell(c, r);
  }
}

void TQrvStringGrid::SetButtonText(int32_t c, int32_t r, const QString& caption) {
  if (TCellGraphic* g = GetCellGraphic(RealColIndex(c), r)) {
    g->SetCellText(caption);
    RepaintCell(c, r);
  }
}

QString TQrvStringGrid::GetButtonText(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(RealColIndex(c), r);
  return g ? g->CellText() : QString();
}

bool TQrvStringGrid::ToggleExpand(int32_t c, int32_t r) {
  TCellGraphic* g = BaseCellGraphic(c, r);
  if (!g || g->CellType() != ctExpand) return false;
  const bool state = !g->CellVar().toBool();
  g->SetCellVar(state);
  return state;
}

bool TQrvStringGrid::GetExpandState(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  return g && g->CellType() == ctExpand && g->CellVar().toBool();
}

int32_t TQrvStringGrid::GetExpandHeight(int32_t c, int32_t r, bool expanded) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  if (!g || g->CellType() != ctExpand) return DefaultRowHeight();
  return expanded ? g->CellAngle() : g->CellIndex();
}

bool TQrvStringGrid::IsBalloon(int32_t c, int32_t r, QString& title, QString& text, TBalloonIcon& icon) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  if (!g) return false;
  const TCellType type = g->CellType();
  const bool attached =
      (type == ctCheckBox || type == ctDataCheckBox || type == ctRadioButton) && g->CellAngle() == 1;
  if (type != ctBalloon && !attached) return false;
  if (const QStringList* list = g->ObjectAs<QStringList>()) {
    title = list->value(0);
    text = list->value(1);
  }
  icon = static_cast<TBalloonIcon>(g->CellIndex());
  return true;
}

bool TQrvStringGrid::RatingChange(int32_t aCol, int32_t aRow, double& newRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, aCol, aRow, newRate, allow);
  return allow;
}

void TQrvStringGrid::ColorSelect(TColor color, const QString& value) {
  if (OnColorSelect) OnColorSelect(this, Col(), Row(), color, value);
}

void TQrvStringGrid::ImageSelect(int32_t index) {
  if (OnImageSelect) OnImageSelect(this, Col(), Row(), index);
}

bool TQrvStringGrid::IsSortIndicatorCell(int32_t c, int32_t r) const {
  if (IsMergedCell(c, r)) r += CellSpan(c, r).Y;
  return r == SortSettings.Row && SortSettings.Show && FixedRows() + 1 < RowCount();
}

bool TQrvStringGrid::HasAutoRangeScrollBar(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  return g && g->CellType() == ctScrollbar && g->CellBoolean();
}

void TQrvStringGrid::SetScrollPosition(int32_t c, int32_t r, int32_t pos) {
  if (TCellGraphic* g = BaseCellGraphic(c, r); g && g->CellType() == ctScrollbar) {
    g->SetCellIndex(pos);
    RepaintCell(DisplColIndex(c), r);
    if (FScrollCell.X == c && FScrollCell.Y == r) PlaceCellScrollBar();
  }
}

int32_t TQrvStringGrid::GetScrollPosition(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  return g && g->CellType() == ctScrollbar ? g->CellIndex() : -1;
}

void TQrvStringGrid::SetScrollProp(int32_t c, int32_t r, TScrollProp prop) {
  if (TCellGraphic* g = BaseCellGraphic(c, r); g && g->CellType() == ctScrollbar) {
    g->SetCellAngle(prop.PageSize);
    g->SetCellErrFrom(prop.Range);
    RepaintCell(DisplColIndex(c), r);
    if (FScrollCell.X == c && FScrollCell.Y == r) PlaceCellScrollBar();
  }
}

TScrollProp TQrvStringGrid::GetScrollProp(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  if (!g || g->CellType() != ctScrollbar) return {-1, -1};
  return {g->CellAngle(), g->CellErrFrom()};
}

int64_t TQrvStringGrid::GetCellImageKey(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return -1;
  switch (g->CellType()) {
    case ctBitmap:
      return static_cast<int64_t>(reinterpret_cast<intptr_t>(g->ObjectAs<TBitmap>()));
    case ctIcon:
      return static_cast<int64_t>(reinterpret_cast<intptr_t>(g->IconObject()));
    case ctImageList:
      return g->CellIndex();
    default:
      return -1;
  }
}

TRect TQrvStringGrid::GetCellButtonRect(int32_t c, int32_t r) {
  const TCellGraphic* g = GetCellGraphic(RealColIndex(c), r);
  if (!g) return {};
  const TRect cell = CellRect(c, r);
  const TPoint at = UnpackButtonOffset(g->CellValue());
  const int32_t bw = g->CellIndex() & 0xFFFF;
  const int32_t bh = static_cast<int32_t>(static_cast<uint32_t>(g->CellIndex()) >> 16);
  TRect rect{cell.Left + at.X, cell.Top + at.Y, cell.Left + at.X + bw, cell.Top + at.Y + bh};
  if (g->CellHAlign() == haFull) {
    rect.Left = cell.Left;
    rect.Right = cell.Right;
  }
  if (g->CellVAlign() == vaFull) {
    rect.Top = cell.Top;
    rect.Bottom = cell.Bottom;
  }
  return rect;
}

TRect TQrvStringGrid::ExpandButtonRect(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  if (!g || g->CellType() != ctExpand) return {};
  const TRect cell = CellRect(DisplColIndex(c), r);
  const TPoint at = UnpackButtonOffset(g->CellValue());
  return {cell.Left + at.X, cell.Top + at.Y, cell.Left + at.X + ExpandButtonSize, cell.Top + at.Y + ExpandButtonSize};
}
