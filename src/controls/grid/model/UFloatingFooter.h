#pragma once
// The settings of the footer strip under a grid's cells: whether it shows, what it shows (the grid's last row as a
// fixed footer row with per-column totals, one cell of the current row, a text template, or the application's own
// painting) and its colours. Changing them keeps the grid's fixed-footer count and hidden last row in step.
#include <QString>
#include <cstdint>
#include <functional>

#include "UGridOptions.h"
#include "UGridTypes.h"

class TQrvStringGrid;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

class TFloatingFooter : public TGridPersistent {
 public:
  explicit TFloatingFooter(TQrvStringGrid& grid);
  // From another footer: its calculation switch for hidden rows, colours, column, template, style (without the
  // style's side effects), visibility (with them) and hint switch; any other source is ignored.
  void Assign(const TGridPersistent* source) override;

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle value);
  int32_t Column() const { return FColumn; }
  void SetColumn(int32_t value);
  const QString& CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const QString& value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
  void SetCalculateHiddenRows(bool value) { FCalculateHiddenRows = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  bool EnableCalculation() const { return FEnableCalculation; }
  void SetEnableCalculation(bool value) { FEnableCalculation = value; }
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value);
  // Repaints the strip.
  void Invalidate();

  // The calculation of column c's footer cell (the grid's last row); acNONE when that cell has no properties.
  TColumnCalcType GetColumnCalc(int32_t c) const;
  void SetColumnCalc(int32_t c, TColumnCalcType value);

  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnCalcFooter;  // ACol, ARow, Value

 private:
  TQrvStringGrid& FGrid;
  bool FVisible = false;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  int32_t FColumn = 0;
  QString FCustomTemplate;
  TColor FColor = clBtnFace;
  TColor FBorderColor = clNone;
  bool FCalculateHiddenRows = true;
  bool FShowHint = false;
  bool FEnableCalculation = true;
  int32_t FHeight;
};

// A footer template filled from a row: every "<#n>" (n a decimal column index) becomes the text of cell (n, row);
// a token that is no number is dropped, and an unclosed "<#" stays as written with what follows it.
QString ExpandFooterTemplate(const TQrvStringGrid& grid, const QString& templ, int32_t row);
