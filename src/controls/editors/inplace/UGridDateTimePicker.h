#pragma once
// The grid's date-and-time picker: Escape brings back the value it opened with, Enter and Tab close it; it does
// not validate. The cell takes the date and time in the user's short formats while the box is ticked.
#include "TQrvDateTimePicker.h"
#include "UGridAdapter.h"

class TGridDateTimePicker : public TGridAdapter<TQrvDateTimePicker> {
 public:
  TGridDateTimePicker(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  void Load(const QString& text);
  QString CommitText() const;
  TDateTime OriginalDateTime() const { return FOriginalDateTime; }
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  // Neither the starting character nor a balloon goes to this picker.
  QWidget* EditControl() override { return nullptr; }

 protected:
  TEditorValue CellValue(TEditorType) const override { return Text_Value(CommitText()); }
  void KeyDown(QKeyEvent* e) override;

 private:
  TDateTime FOriginalDateTime = 0;
};
