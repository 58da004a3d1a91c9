#pragma once
// The grid's date picker for the date (calendar or up-down) and time kinds: loads the cell's text as a date or
// time within the picker's range, validates on Enter and Tab, reads the cell back on Escape, and commits when left.
#include "TQsgDateTimePicker.h"
#include "UDateTime.h"
#include "UEditorType.h"
#include "UGridAdapter.h"

class TGridDatePicker : public TGridAdapter<TQsgDateTimePicker> {
 public:
  TGridDatePicker(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  void Load(TEditorType kind, const QString& text);
  // The text the cell takes: the picker's text while its box is ticked, else nothing.
  QString CommitText() const;
  // Dates the editor keeps inside (0: no bound).
  TDateTime MaxDate = 0;
  TDateTime MinDate = 0;
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  void ApplyTones(const TColorTones& tones, TColor gridColor) override;

 protected:
  TEditorValue CellValue(TEditorType) const override { return Text_Value(CommitText()); }
  void KeyDown(QKeyEvent* e) override;

 private:
  TEditorType FKind = edDateEdit;
};
