#pragma once
// The grid's edit with button (plain, numeric, decimal and masked kinds) and its value-and-unit sibling: the
// button runs the grid's ellipsis event, the keys that leave the cell validate first, and leaving commits.
#include "UEditorType.h"
#include "UGridAdapter.h"
#include "UQsgEditBtn.h"

class TMaskedInput;

class TGridEditBtn : public TGridAdapter<TQsgEditBtn> {
 public:
  TGridEditBtn(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  // The masked kind takes the cell's edit mask; a mask it cannot use leaves the text plain (MaskError says why).
  void Load(TEditorType kind, const QString& text);
  // The text the cell takes: read through the mask when there is one.
  QString Value() const;
  const QString& MaskError() const { return FMaskError; }
  void ClickBtn(QObject* sender) override;
  bool WorkMode = true;
  bool StopEditAfterClick = false;
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  void ApplyTones(const TColorTones& tones, TColor gridColor) override;

 protected:
  TEditorValue CellValue(TEditorType) const override { return Text_Value(Value()); }
  bool WantsTab() const override { return FGrid.EditorWantsTab(); }
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TEditorType FKind = edEditBtn;
  int32_t FSelKeyDown = 0;
  TMaskedInput* FMask = nullptr;
  QString FMaskError;
};
