#pragma once
// The grid's text editor for the text kinds: a multi-line edit over the current cell (word wrap as the grid's, line
// feeds on the keys the grid's navigation allows, the row and column growing while typing when the grid asks) with
// a character filter per editor kind, a filtered paste, the clipboard events, validation on the keys that leave the
// cell, a length limit with the automatic advance when it is reached, and completion from the grid's lookup list.
// Password cells and cells with an edit mask get a one-line face instead.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <cstdint>
#include <memory>

#include "UApplication.h"
#include "UEditorType.h"
#include "UInplaceEditFaces.h"
#include "UTypes.h"

class TMaskedInput;
class TQrvStringGrid;

class TQrvInplaceEdit : public TGuarded<QWidget>, private IInplaceFaceOwner {
 public:
  // `view` is the grid's window, which takes the keys the editor hands back.
  TQrvInplaceEdit(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  ~TQrvInplaceEdit() override;

  // Loads the current cell: text (without an edit-change notice), colours, font, alignment, mask and the limits.
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
  // The grid's window is going: losing the focus now commits nothing.
  void Detach() { FDetached = true; }

  // The face that shows and takes the keys: the multi-line edit, or the one-line edit of password and masked cells.
  QWidget* Face() const;
  bool MultiLine() const { return FMultiLine; }
  bool Masked() const;
  // Why the cell's edit mask was refused; empty when it was taken (or there was none).
  const QString& MaskError() const { return FMaskError; }
  // The text as the cell stores it: line breaks as carriage return and line feed, a masked text read through its
  // mask.
  QString CellText() const;
  // The text as the face shows it (line breaks as line feeds).
  QString text() const;
  QString selectedText() const;
  bool hasSelectedText() const;
  void selectAll();

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  bool FaceEventBefore(QEvent* e) override;
  void FaceEventAfter(QEvent* e) override;
  bool KeyDown(QKeyEvent* e);
  void KeyUp(QKeyEvent* e);
  // The grid hears of the text after each key-up: where the caret is, and whether a formula is being typed.
  void ReportTextToGrid();
  // The client point of character `index` of the edited text.
  TPoint CharacterPoint(int32_t index) const;
  void FocusIn();
  void FocusOut();

  // The face's text and caret, whichever face shows. setText takes the cell's form and leaves the caret at the end.
  void setText(const QString& value);
  int32_t cursorPosition() const;
  void setCursorPosition(int32_t position);
  int32_t selectionStart() const;
  void setSelection(int32_t start, int32_t length);
  void insert(const QString& value);
  void end();
  // Whether the caret can move a line up (down) inside the text.
  bool CanMoveLine(bool up) const;

  // False when the character is dropped; `ch` may come back converted.
  bool FilterChar(QChar& ch);
  bool PasteAllowedForKind(const QString& text) const;
  void RestoreAfterRefusal(const QString& oldCellText);
  void HandToGrid(QKeyEvent* e);
  bool EndKey(QKeyEvent* e);
  bool CursorWalk(bool forward);
  void TypeChar(QChar ch, Qt::KeyboardModifiers mods);
  void InsertLineFeed();
  // The grid's grow-while-typing: the column to the text's width, the row to its lines.
  void GrowWhileTyping();

  TQrvStringGrid& FGrid;
  bool FDetached = false;
  QPointer<QWidget> FView;
  // Owned here, not only by the Qt parent: they go while the editor they report to is still whole.
  std::unique_ptr<TInplaceFace<QPlainTextEdit>> FMemo;
  std::unique_ptr<TInplaceFace<QLineEdit>> FLine;
  TMaskedInput* FMaskInput = nullptr;
  bool FMultiLine = true;
  QString FMaskError;
  TEditorType FKind = edNormal;
  int32_t FSelKeyDown = 0;
  int32_t FLengthLimit = 0;
  bool FGotFocus = false;
  bool FWorkmode = true;
  int32_t FColE = 0;
  int32_t FRowE = 0;
  bool FAltBack = false;
};
