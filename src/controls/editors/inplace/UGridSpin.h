#pragma once
// The grid's spin editor for the integer, decimal, time and date spin kinds: page keys step within the limits,
// the keys that leave the cell validate first, Escape puts the original text back, and leaving commits.
#include <QPointer>

#include "UEditorType.h"
#include "UGridEditors.h"
#include "UQsgSpinEdit.h"

class TQrvStringGrid;

class TGridSpin : public TQsgSpinEdit {
 public:
  TGridSpin(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  // Loads the cell's edit text as the kind's value.
  void Load(TEditorType kind, const QString& text);
  // The value the cell takes, kept within the limits (also when the text typed was outside them).
  TEditorValue CommitValue() const;
  void UpClick(QObject* sender) override;
  void DownClick(QObject* sender) override;
  void Detach() { FDetached = true; }

 protected:
  bool Guarded_Event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void FireSpinClick(bool up);
  void PageKey(uint16_t key);

  TQrvStringGrid& FGrid;
  QPointer<QWidget> FView;
  bool FDetached = false;
};
