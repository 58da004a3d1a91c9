#pragma once
// The grid's rich text edit, in two roles: the hidden shared instance that holds and measures rich-text cell
// contents, and the in-place editor of rich-text cells. It formats the selection as subscript or superscript,
// reports the size its text asks for, grows the current row while the user types (when the grid sizes while
// typing), and hands Tab and the vertical arrows back to the grid.
#include <QTextEdit>

#include "Exception.h"
#include "UApplication.h"
#include "UGridRichEdit.h"
#include "URichText.h"
#include "UTypes.h"

class VAruDoreRido;

// Raised when the owner is not a grid.
class EInvalidCast : public Exception {
 public:
  using Exception::Exception;
};

// What the rich edit needs of its grid; the grid implements it beside being the owner widget. The rich edits
// call back into the grid while they live, so a grid deletes them in its own destructor.
class IRichEditGrid {
 public:
  virtual ~IRichEditGrid() = default;
  virtual QWidget* GridWidget() = 0;
  // The shared instance and the in-place editor; either may not exist yet.
  virtual VAruDoreRido* RichEdit() = 0;
  virtual VAruDoreRido* InplaceRichEdit() = 0;
  virtual void ShowInplaceEdit() = 0;
  virtual void HideInplaceEdit() = 0;
  // The grid's own key-down handling, which moves the current cell.
  virtual void GridKeyDown(int key, Qt::KeyboardModifiers shift) = 0;
  virtual int32_t Col() const = 0;
  virtual int32_t Row() const = 0;
  virtual TRect CellRect(int32_t col, int32_t row) const = 0;
  virtual int32_t RowHeights(int32_t row) const = 0;
  virtual void SetRowHeights(int32_t row, int32_t height) = 0;
  virtual int32_t GridHeight() const = 0;
  virtual bool SizeWhileTypingHeight() const = 0;
  virtual bool WordWrap() const = 0;
  virtual bool Multilinecells() const = 0;
  virtual bool HasTabsOption() const = 0;
  // Set while the grid moves the focus itself.
  virtual bool InvokedFocusChange() const = 0;
  // Fires the grid's OnEndRowSize (grid, row) when assigned.
  virtual void EndRowSize(int32_t row) = 0;
};

class VAruDoreRido : public TGuarded<QTextEdit>, public IGridRichEdit {
 public:
  // The owner must be a grid (IRichEditGrid); anything else raises EInvalidCast "Invalid class typecast".
  explicit VAruDoreRido(QWidget* owner);

  int32_t ReqWidth() const { return FReqWidth; }
  int32_t ReqHeight() const { return FReqHeight; }

  // Starts over with an empty text and no formats, as a new window would.
  void ReCreate();
  // Character offsets of the selection in twips: -40, +40 and 0.
  void SelSubscript() { SetSelOffset(-40); }
  void SelSuperscript() { SetSelOffset(40); }
  void SelNormal() { SetSelOffset(0); }
  bool IsSelSubscript() const { return SelOffset() == -40; }
  bool IsSelSuperscript() const { return SelOffset() == 40; }
  bool IsSelNormal() const { return SelOffset() == 0; }
  // While locked (the grid filling and placing the editor), the row is not grown.
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  bool Locked() const { return FLocked; }

  // The text as runs and as RTF. SetRtf raises ERichTextError for bytes that do not read as rich text.
  TRichRuns Runs() const;
  void SetRuns(const TRichRuns& runs);
  QByteArray Rtf() const { return WriteRtf(Runs()); }
  void SetRtf(const QByteArray& bytes) { SetRuns(ReadRtf(bytes)); }

  // The exchange with the grid's cells. A document that does not read as rich text shows as its characters.
  void LoadRich(const QByteArray& document) override;
  void LoadPlain(const QString& text) override;
  QByteArray SaveRich() const override { return Rtf(); }

 protected:
  // The size the text asks for, each time it changes.
  virtual void RequestResize(int32_t width, int32_t height);
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void SetSelOffset(int32_t twips);
  int32_t SelOffset() const;

  IRichEditGrid* FGrid;
  int32_t FReqHeight = 0;
  int32_t FReqWidth = 0;
  bool FLocked = false;
};
