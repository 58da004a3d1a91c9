#pragma once
// The grid's spin editor for the integer, decimal, time and date spin kinds: page keys step within the limits,
// the keys that leave the cell validate first, Escape puts the original text back, and leaving commits.
#include "UEditorType.h"
#include "UGridAdapter.h"
#include "UQsgSpinEdit.h"

class TGridSpin : public TGridAdapter<TQsgSpinEdit> {
 public:
  TGridSpin(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  // Loads the cell's edit text as the kind's value.
  void Load(TEditorType kind, const QString& text);
  // The value the cell takes, kept within the limits (also when the text typed was outside them).
  TEditorValue CommitValue() const;
  void UpClick(QObject* sender) override;
  void DownClick(QObject* sender) override;
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  void ApplyTones(const TColorTones& tones, TColor gridColor) override;

 protected:
  TEditorValue CellValue(TEditorType) const override { return CommitValue(); }
  bool WantsTab() const override { return FGrid.Options() & goTabs; }
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void FireSpinClick(bool up);
  void PageKey(uint16_t key);
};
