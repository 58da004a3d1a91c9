#pragma once
// The grid as its rich edits see it: the owner they are made with and call back while they live. It makes the
// in-place rich editor on first use and answers for the window and its grid model.
#include <QWidget>
#include <memory>

#include "UGridCellEditor.h"
#include "VAruDoreRido.h"

class TGridView;
class TQrvStringGrid;

class TGridRichHost : public QWidget, public IRichEditGrid, public TGridCellEditor {
 public:
  TGridRichHost(TGridView& view, TQrvStringGrid& grid);
  ~TGridRichHost() override;

  // The in-place editor of rich-text cells, made on first use.
  VAruDoreRido* MakeInplaceRichEdit();
  // The window is going: the editor's focus loss and keys reach the grid no more.
  void Detach() override { FDetached = true; }
  // Loads the cell into the in-place rich editor, made on first use, and shows it.
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  TEditorValue Commit(IGridEditorHost& host, TEditorType kind) override;
  QWidget* EditControl() override { return FInplace.get(); }
  // Set while the grid's editors move the focus themselves (an editor being put away).
  void SetFocusMoving(bool moving) { FFocusMoving = moving; }

  QWidget* GridWidget() override;
  VAruDoreRido* RichEdit() override { return nullptr; }
  VAruDoreRido* InplaceRichEdit() override { return FInplace.get(); }
  void ShowInplaceEdit() override;
  void HideInplaceEdit() override;
  void GridKeyDown(int key, Qt::KeyboardModifiers shift) override;
  int32_t Col() const override;
  int32_t Row() const override;
  TRect CellRect(int32_t col, int32_t row) const override;
  int32_t RowHeights(int32_t row) const override;
  void SetRowHeights(int32_t row, int32_t height) override;
  int32_t GridHeight() const override;
  bool SizeWhileTypingHeight() const override;
  bool WordWrap() const override;
  bool Multilinecells() const override;
  bool HasTabsOption() const override;
  bool InvokedFocusChange() const override;
  void EndRowSize(int32_t row) override;

 private:
  TGridView& FView;
  TQrvStringGrid& FGrid;
  bool FDetached = false;
  bool FFocusMoving = false;
  std::unique_ptr<VAruDoreRido> FInplace;
};
