#include "UCellProperties.h"

#include "UBaseGrid.h"
#include "UCellGraphic.h"

TCellProperties::TCellProperties(TBaseGrid* ownerGrid, int32_t ownerCol, int32_t ownerRow)
    : FOwnerGrid(ownerGrid), FOwnerCol(ownerCol), FOwnerRow(ownerRow) {
  if (ownerGrid) FWordWrap = ownerGrid->BaseWordWrap();
}

TCellProperties::~TCellProperties() {
  if (dynamic_cast<TCellGraphic*>(FGraphicObject)) delete FGraphicObject;
}

void TCellProperties::ClearLooks() {
  FBrushColor = FBrushColorTo = FFontColor = clNone;
  FFontSize = 0;
  FFontStyle = TFontStyles();
  FFontName.clear();
}

void TCellProperties::Assign(const TCellProperties& source) {
  if (&source == this) return;
  FOwnerCol = source.FOwnerCol;
  FOwnerRow = source.FOwnerRow;
  FObject = source.FObject;
  FBrushStyle = source.FBrushStyle;
  FBrushColor = source.FBrushColor;
  FBrushColorTo = source.FBrushColorTo;
  FFontSize = source.FFontSize;
  FFontColor = source.FFontColor;
  FFontStyle = source.FFontStyle;
  FCellSpanY = source.FCellSpanY;
  FCellSpanX = source.FCellSpanX;
  FBorderWidth = source.FBorderWidth;
  FBorderColor = source.FBorderColor;
  FAlignment = source.FAlignment;
  FVAlignment = source.FVAlignment;
  FPaintID = source.FPaintID;
  FWordWrap = source.FWordWrap;
  FIsBaseCell = source.FIsBaseCell;
  FCalcType = source.FCalcType;
  FCalcObject = source.FCalcObject;
  FNodeLevel = source.FNodeLevel;
  FEditor = source.FEditor;
  FFontName = source.FFontName;
  FReadOnly = source.FReadOnly;
  FGradientDirection = source.FGradientDirection;
  FControl = source.FControl;
  // The graphic stays with its owner: sharing it would free it twice.
}

void TCellProperties::RepaintOwner() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor value) {
  FBrushColor = value;
  RepaintOwner();
}

void TCellProperties::SetBrushColorTo(TColor value) {
  FBrushColorTo = value;
  RepaintOwner();
}

void TCellProperties::SetVAlignment(TVAlignment value) {
  FVAlignment = value;
  RepaintOwner();
}

void TCellProperties::SetWordWrap(bool value) {
  FWordWrap = value;
  RepaintOwner();
}

TPoint TCellProperties::GetBaseCell(int32_t c, int32_t r) const {
  if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return TPoint{c - FCellSpanX, r - FCellSpanY};
  return TPoint{c, r};
}
