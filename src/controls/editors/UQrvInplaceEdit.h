#pragma once
// The grid's text editor for the text kinds: a line edit over the current cell with a character filter per
// editor kind, a filtered paste, the clipboard events, validation on the keys that leave the cell, a length limit
// with the automatic advance when it is reached, and completion from the grid's lookup list.
#include <QLineEdit>
#include <QPointer>
#include <cstdint>

#include "UApplication.h"
#include "UEditorType.h"

class TQrvStringGrid;

class TQrvInplaceEdit : public TGuarded<QLineEdit> {
 public:
  // `view` is the grid's window, which takes the keys the editor hands back.
  TQrvInplaceEdit(TQrvStringGrid& grid, QWidget* view, QWidget* parent);

  // Loads the current cell: text (without an edit-change notice), colours, font, alignment and the limits.
  void UpdateContents(TEditorType kind);
  TEditorType Kind() const { return FKind; }
  // Below 1: no limit.
  int32_t LengthLimit() const { return FLengthLimit; }
  bool AltBack() const { return FAltBack; }
  // The paste with the grid's events and the kind's rules; a refused text leaves the editor unchanged.
  void Paste();
  // The lookup completion: the typed part followed by the rest of the first lookup item it begins.
  void DoChange();
  // The editor is put away: an Alt key held while it closes must not outlive it.
  void Closed();

 public:
  // The grid's window is going: losing the focus now commits nothing.
  void Detach() { FDetached = true; }

 protected:
  bool Guarded_Event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  // False when the character is dropped; `ch` may come back converted.
  bool FilterChar(QChar& ch);
  bool PasteAllowedForKind(const QString& text) const;
  void RestoreAfterRefusal(const QString& oldCellText);
  void HandToGrid(QKeyEvent* e);
  bool EndKey(QKeyEvent* e);
  bool CursorWalk(bool forward);

  TQrvStringGrid& FGrid;
  bool FDetached = false;
  QPointer<QWidget> FView;
  TEditorType FKind = edNormal;
  int32_t FSelKeyDown = 0;
  int32_t FLengthLimit = 0;
  bool FGotFocus = false;
  bool FWorkmode = true;
  int32_t FColE = 0;
  int32_t FRowE = 0;
  bool FAltBack = false;
};
