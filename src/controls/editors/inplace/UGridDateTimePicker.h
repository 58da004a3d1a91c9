#pragma once
// The grid's date-and-time picker: Escape brings back the value it opened with, Enter and Tab close it; it does
// not validate. The cell takes the date and time in the user's short formats while the box is ticked.
#include <QPointer>

#include "TQrvDateTimePicker.h"

class TQrvStringGrid;

class TGridDateTimePicker : public TQrvDateTimePicker {
 public:
  TGridDateTimePicker(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  void Load(const QString& text);
  QString CommitText() const;
  TDateTime OriginalDateTime() const { return FOriginalDateTime; }
  void Detach() { FDetached = true; }

 protected:
  void KeyDown(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
  QPointer<QWidget> FView;
  TDateTime FOriginalDateTime = 0;
  bool FDetached = false;
};
