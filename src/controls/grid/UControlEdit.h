#pragma once
// The shared edit and combo over a control embedded in a cell's markup. Enter hands the value back and gives the
// grid the focus; Tab hands it back and moves on (to the next control of the cell, or with the grid's automatic
// advance to the next cell). The edit types a MASK control's value through its edit mask.
#include <QComboBox>
#include <QLineEdit>

#include "UApplication.h"

class TMaskedInput;
class TQrvStringGrid;

class TControlEdit : public TGuarded<QLineEdit> {
 public:
  TControlEdit(TQrvStringGrid& grid, QWidget* parent);
  // Shows a value through a mask (none when empty). A mask that cannot be used leaves the value plain; the answer
  // is then why, else empty.
  QString Load(const QString& value, const QString& mask);
  // The value as the control's tag takes it.
  QString Value() const;

 protected:
  bool Guarded_Event(QEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
  TMaskedInput* FMask;
};

class TControlCombo : public TGuarded<QComboBox> {
 public:
  TControlCombo(TQrvStringGrid& grid, QWidget* parent);

 protected:
  bool Guarded_Event(QEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
};
