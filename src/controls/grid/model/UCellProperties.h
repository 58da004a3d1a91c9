#pragma once
// The per-cell property object, created on a cell's first access and owned by the cell's object slot. It also
// carries the merge encoding: a block's base cell holds the extent beyond itself, every other member its offset
// from the base.
#include <QString>
#include <cstdint>

#include "UEditorType.h"
#include "UGridTypes.h"

class TBaseGrid;

class TCellProperties : public TObject {
 public:
  TCellProperties(TBaseGrid* ownerGrid, int32_t ownerCol, int32_t ownerRow);
  ~TCellProperties() override;
  TCellProperties(const TCellProperties&) = delete;
  TCellProperties& operator=(const TCellProperties&) = delete;

  // Copies every setting except the owner.
  void Assign(const TCellProperties& source);
  // No colour, font or size of its own: the cell's looks are then the grid's (new properties before their snapshot).
  void ClearLooks();

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  int32_t OwnerCol() const { return FOwnerCol; }
  int32_t OwnerRow() const { return FOwnerRow; }
  void SetOwner(int32_t col, int32_t row) {
    FOwnerCol = col;
    FOwnerRow = row;
  }

  // The program's own per-cell value; not owned.
  uintptr_t CellObject() const { return FObject; }
  void SetCellObject(uintptr_t value) { FObject = value; }
  // Freed with the properties only when it is a cell graphic.
  TObject* GraphicObject() const { return FGraphicObject; }
  void SetGraphicObject(TObject* value) { FGraphicObject = value; }

  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle value) { FBrushStyle = value; }
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor value);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor value);
  int32_t FontSize() const { return FFontSize; }
  void SetFontSize(int32_t value) { FFontSize = value; }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor value) { FFontColor = value; }
  TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TFontStyles value) { FFontStyle = value; }
  int32_t CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(int32_t value) { FCellSpanY = value; }
  int32_t CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(int32_t value) { FCellSpanX = value; }
  int32_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int32_t value) { FBorderWidth = value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value) { FBorderColor = value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { FAlignment = value; }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment value);
  int32_t PaintID() const { return FPaintID; }
  void SetPaintID(int32_t value) { FPaintID = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool value) { FIsBaseCell = value; }
  TColumnCalcType CalcType() const { return FCalcType; }
  void SetCalcType(TColumnCalcType value) { FCalcType = value; }
  TObject* CalcObject() const { return FCalcObject; }
  void SetCalcObject(TObject* value) { FCalcObject = value; }
  int32_t NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(int32_t value) { FNodeLevel = value; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType value) { FEditor = value; }
  const QString& FontName() const { return FFontName; }
  void SetFontName(const QString& value) { FFontName = value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  TCellGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TCellGradientDirection value) { FGradientDirection = value; }
  // A control placed in the cell; not owned.
  void* Control() const { return FControl; }
  void SetControl(void* value) { FControl = value; }

  // The base cell of (c, r) from this cell's merge encoding.
  TPoint GetBaseCell(int32_t c, int32_t r) const;

 private:
  void RepaintOwner();

  TBaseGrid* FOwnerGrid;
  int32_t FOwnerCol;
  int32_t FOwnerRow;
  uintptr_t FObject = 0;
  TObject* FGraphicObject = nullptr;
  TBrushStyle FBrushStyle = bsSolid;
  TColor FBrushColor = clWindow;
  TColor FBrushColorTo = clNone;
  int32_t FFontSize = 8;
  TColor FFontColor = clWindowText;
  TFontStyles FFontStyle;
  int32_t FCellSpanY = -1;
  int32_t FCellSpanX = -1;
  int32_t FBorderWidth = 0;
  TColor FBorderColor = 0;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  int32_t FPaintID = 0;
  bool FWordWrap = true;
  bool FIsBaseCell = true;
  TColumnCalcType FCalcType = acNONE;
  TObject* FCalcObject = nullptr;
  int32_t FNodeLevel = 0;
  TEditorType FEditor = edNormal;
  QString FFontName;
  bool FReadOnly = false;
  TCellGradientDirection FGradientDirection = GradientVertical;
  void* FControl = nullptr;
};
