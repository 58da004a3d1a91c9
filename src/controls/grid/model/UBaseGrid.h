#pragma once
// The base of every grid: per-cell properties kept in the cells' object slots and created on first access, merged
// cells addressed through their base cell, display-text hooks, the default looks of a cell, and an optional
// attached undo/redo history.
#include <QString>
#include <cstdint>
#include <functional>

#include "UCellGrouping.h"
#include "UCellProperties.h"
#include "UChangeNotice.h"
#include "UObjStringGrid.h"

class TCanvas;
class TQrvGridUndoRedo;

class TBaseGrid : public TObjStringGrid {
 public:
  TBaseGrid();
  ~TBaseGrid() override;

  // Cell text with merge redirection and display hooks (column by real index). Inline for the usual cell (no
  // object in its slot, no display step switched on): one store look-up and the stored text. Every read pays for
  // the checks, so they are plain field tests rather than a call.
  QString Cells(int32_t c, int32_t r) const {
    TObject* object;
    const QString& stored = Store().Lookup(c, r, object);
    if (object || (r < FNormalRowCount && (DisplayStepSwitchedOn() || OnGetDisplWideText)))
      return CellsThroughBase(c, r);
    return stored;
  }
  void SetCells(int32_t c, int32_t r, const QString& value);
  // The stored text of exactly this cell: no merge redirection, no hooks.
  const QString& GetGridCell(int32_t c, int32_t r) const { return Store().Text(c, r); }
  void SetGridCell(int32_t c, int32_t r, const QString& value) { Store().SetText(c, r, value); }
  // The raw object slot, normally the cell's properties.
  TObject* GetGridObject(int32_t c, int32_t r) const { return Store().Object(c, r); }
  void SetGridObject(int32_t c, int32_t r, TObject* value) { Store().SetObject(c, r, value); }

  TCellProperties* GetCellProperties(int32_t c, int32_t r);
  // Frees what the slot holds and stores value (owned from now on).
  void SetCellProperties(int32_t c, int32_t r, TCellProperties* value);
  bool HasCellProperties(int32_t c, int32_t r) const;
  // The properties of a cell inside the grid, null without creating them.
  TCellProperties* PropsOf(int32_t c, int32_t r) const;
  uintptr_t GetObjectEx(int32_t c, int32_t r) const;
  void SetObjectEx(int32_t c, int32_t r, uintptr_t value);
  TObject* GetGraphicObjectEx(int32_t c, int32_t r) const;
  void SetGraphicObjectEx(int32_t c, int32_t r, TObject* value);
  static TObject* PropsGraphicObject(const TCellProperties* props) {
    return props ? props->GraphicObject() : nullptr;
  }

  // Merged cells.
  bool IsMergedCell(int32_t c, int32_t r) const;
  bool IsMergedNonBaseCell(int32_t c, int32_t r) const;
  bool IsXMergedCell(int32_t c, int32_t r) const;
  bool IsYMergedCell(int32_t c, int32_t r) const;
  bool IsBaseCell(int32_t c, int32_t r) const;
  TPoint BaseCell(int32_t c, int32_t r) const;
  bool FindBaseCell(int32_t c, int32_t r, int32_t& bc, int32_t& br) const;
  TPoint CellSpan(int32_t c, int32_t r) const;
  TPoint CellExt(int32_t c, int32_t r) const;
  TGridRect FullCell(int32_t c, int32_t r) const;
  int32_t MinRowSpan(int32_t r) const;
  int32_t MaxRowSpan(int32_t r) const;
  bool RowSpanIdentical(int32_t r1, int32_t r2) const;
  bool ColSpanIdentical(int32_t c1, int32_t c2) const;

  // Geometry and repaint.
  TRect CellRect(int32_t c, int32_t r) const;
  TRect CalcCellRect(int32_t c, int32_t r) const;
  TSize CellSize(int32_t c, int32_t r) const;
  void RepaintCell(int32_t c, int32_t r);

  // Resets and clearing of properties.
  void ResetCol(int32_t c);
  void ResetRow(int32_t r);
  void ClearCell(int32_t c, int32_t r);
  void ClearProp(int32_t c, int32_t r);
  void ClearPropRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2);
  void ClearAllProps();

  // The attached undo/redo history (not owned).
  TQrvGridUndoRedo* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(TQrvGridUndoRedo* value);
  // The history tells its grid when it goes away.
  void UndoRedoRemoved(TQrvGridUndoRedo* history);

  // Published settings.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value);
  int32_t GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int32_t value);
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor value) {
    FGridLineColor = value;
    Invalidate();
  }
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor value) {
    FGridFixedLineColor = value;
    Invalidate();
  }
  int32_t PaintID() const { return FPaintID; }
  bool HideLastRow() const { return FHideLastRow; }
  void SetHideLastRow(bool value) { FHideLastRow = value; }
  int32_t NormalRowCount() const { return FNormalRowCount; }
  void SetNormalRowCount(int32_t value) { FNormalRowCount = value; }
  bool BaseWordWrap() const { return FWordWrap; }
  void SetBaseWordWrap(bool value) { FWordWrap = value; }
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool value) {
    FActiveRowShow = value;
    Invalidate();
  }
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor value) {
    FActiveRowColor = value;
    Invalidate();
  }
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor value) {
    FActiveRowColorTo = value;
    Invalidate();
  }
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor value) {
    FActiveRowMirrorColor = value;
    Invalidate();
  }
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor value) {
    FActiveRowMirrorColorTo = value;
    Invalidate();
  }
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle value) {
    FSelectionStyle = value;
    Invalidate();
  }
  int32_t HoverRowIdx() const { return FHoverRowIdx; }
  void SetHoverRowIdx(int32_t value) { FHoverRowIdx = value; }
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool value) { FHoverRow = value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells value) { FHoverRowCells = value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor value) { FHoverRowColor = value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor value) { FHoverRowColorTo = value; }
  bool ShowSel() const { return FShowSel; }
  void SetShowSel(bool value) { FShowSel = value; }
  bool HasCellProps() const { return FHasCellProps; }
  int32_t MergeCount() const { return FMergeCount; }

  // OnGetDisplText(Sender, ACol, ARow, var Value); the wide form works on the decoded wide text.
  std::function<void(TBaseGrid*, int32_t, int32_t, QString&)> OnGetDisplText;
  std::function<void(TBaseGrid*, int32_t, int32_t, QString&)> OnGetDisplWideText;
  // The advanced grid's own display steps: links shown in the text, a node's group count. They live here so that
  // a cell read can tell without a call whether GetDisplayText has anything to do: an override adds to the text
  // only while OnGetDisplText is assigned or one of these is on (the advanced grid's override is final for that).
  TNotifying<bool> URLShowInText{false};
  TCellGrouping Grouping;
  bool DisplayStepSwitchedOn() const { return OnGetDisplText || URLShowInText || Grouping.ShowGroupCount; }

  // The virtual operations descendants override, in their order.
  virtual bool IsFixed(int32_t c, int32_t r) const;
  virtual int32_t GetNodeIndent(int32_t r) const;
  virtual bool HasNodes() const;
  virtual void DrawGridCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state);
  virtual void LastRowChanged();
  virtual void GetDisplayText(int32_t c, int32_t r, QString& value) const;
  virtual void GetDisplayWideText(int32_t c, int32_t r, QString& value) const;
  virtual void GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo,
                                   TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& hAlign,
                                   TVAlignment& vAlign, bool& wordWrap, TCellGradientDirection& gradientDir);
  virtual void CellChanged(int32_t c, int32_t r);
  virtual bool HasCustomBorders() const;
  virtual bool UsesAppStyle() const;
  virtual void GetVisualProperties(int32_t c, int32_t r, TGridDrawState& state, bool print, bool select, bool remap,
                                   TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo,
                                   TFont& font, TAlignment& hAlign, TVAlignment& vAlign, bool& wordWrap,
                                   TCellGradientDirection& gradientDir);
  virtual int32_t DisplColIndex(int32_t c) const;
  virtual void MergeCells(int32_t c, int32_t r, int32_t spanX, int32_t spanY);
  virtual void SplitCells(int32_t c, int32_t r);
  virtual int32_t TotalColCount() const;

  // A paint cycle ended (the widget calls it after every paint).
  void PaintDone() { ++FPaintID; }

  // Painting and keys: the grid draws every cell and every grid line itself.
  // The platform's paint of the visible cells, then the paint cycle's end.
  void Paint(TCanvas& canvas, const TRect& area) override;
  // The cell painter on any canvas, on screen (whole merged block, content drawn).
  void PaintCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state);
  // The cell painter off screen: background and grid lines of `rect`, no content.
  void PaintCellExt(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state);
  int32_t FixedColsWidth() const;
  int32_t FixedRowsHeight() const;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  bool DoMouseWheelDown(TShiftState shift) override;
  bool DoMouseWheelUp(TShiftState shift) override;
  void TopLeftChanged() override;
  // Makes the base cell of the current cell's block current.
  void MoveToBaseCell();
  // Merged blocks that reach into the fixed columns (rows) are redrawn so that they follow the scroll.
  void RepaintMergedFixedColCells();
  void RepaintMergedFixedRowCells();

 protected:
  // Painting and keys.
  void DrawCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(int32_t c, int32_t r) override;

  // Set while the destructor runs: writes that would repaint or notify are skipped.
  bool FDestroying = false;
  bool FHasCellProps = false;

 private:
  // Cells for a cell that may be part of a merged block or whose text passes the wide-text hook.
  QString CellsThroughBase(int32_t c, int32_t r) const;
  // Painting and keys.
  void CellPainter(TCanvas& canvas, int32_t c, int32_t r, TRect rect, TGridDrawState state, bool onScreen);
  void DrawSelectionFrame(TCanvas& canvas, int32_t c, const TRect& rect);

  TCellProperties* CreateCellProperties(int32_t c, int32_t r, bool setCalcType);
  static void FreeSlotObject(TObject* object);

  bool FDefaultDrawing = false;
  int32_t FGridLineWidth = 1;
  TColor FGridLineColor = 0xC0C0C0;
  TColor FGridFixedLineColor = 0x808080;
  int32_t FPaintID = 1;
  bool FHideLastRow = false;
  int32_t FNormalRowCount = 0;
  TQrvGridUndoRedo* FUndoRedo = nullptr;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  int32_t FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells = hcNormal | hcSelected;
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  bool FShowSel = true;
  int32_t FMergeCount = 0;
};
