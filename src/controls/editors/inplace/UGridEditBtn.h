#pragma once
// The grid's edit with button (plain, numeric, decimal and masked kinds) and its value-and-unit sibling: the
// button runs the grid's ellipsis event, the keys that leave the cell validate first, and leaving commits.
#include <QPointer>

#include "UEditorType.h"
#include "UQsgEditBtn.h"

class TMaskedInput;
class TQrvStringGrid;

class TGridEditBtn : public TQsgEditBtn {
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
  void Detach() { FDetached = true; }

 protected:
  bool Guarded_Event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
  QPointer<QWidget> FView;
  TEditorType FKind = edEditBtn;
  int32_t FSelKeyDown = 0;
  bool FDetached = false;
  TMaskedInput* FMask = nullptr;
  QString FMaskError;
};
