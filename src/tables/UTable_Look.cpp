#include "UTable_Look.h"

void Apply_Table_Look(TQrvColumnGrid& grid, const TTable_Look& look) {
  TFont font = grid.Font();
  font.Name = QString::fromLatin1(look.Font_Name);
  // 8 points at the desktop's 96 pixels per inch.
  font.Height = -11;
  grid.SetFont(font);
  if (look.Bold_Fixed) {
    TFont fixed = font;
    fixed.Style = TFontStyles(fsBold);
    grid.SetFixedFont(fixed);
  }
  grid.SetDefaultRowHeight(look.Row_Height);
  grid.SetFixedGradient(clWhite, clBtnFace);
  grid.ActiveCellShow = true;
  if (look.Current_Color != clNone) grid.ActiveCellColor = look.Current_Color;
  grid.ActiveCellFont = font;
  grid.ActiveCellFont.Style = TFontStyles(fsBold);
  grid.SetHoverRow(look.Hover_Row);
  grid.SetOptions(grid.Options() | goEditing | goColSizing);
}
