#pragma once
// What the grid model asks of its in-place editor controls. The model decides when an edit starts and ends, which
// kind of editor a cell gets, and what is written back; the controls themselves are widgets and live in a widget
// library, which implements this interface for one grid and registers it (TQrvStringGrid::SetEditors).
#include <QString>
#include <cstdint>

#include "UCanvasTools.h"
#include "UEditorType.h"
#include "UGridOptions.h"
#include "UGridTypes.h"
#include "UTypes.h"

class TQrvStringGrid;

// The value a special editor hands back when it closes: nothing, a text, or a typed value the grid writes in its
// own format.
struct TEditorValue {
  enum TKind { None, Text, Int, Float, Date };
  TKind Kind = None;
  QString Str;
  int32_t Integer = 0;
  double Number = 0;
};

// Where and how a special editor opens: the cell (display column, real column, row), its rectangle and the inner
// width and height the editor takes, and the cell's colour and font.
struct TEditorPlace {
  int32_t Col = 0;
  int32_t RealCol = 0;
  int32_t Row = 0;
  TRect Rect;
  int32_t Width = 0;
  int32_t Height = 0;
  TColor Color = clWindow;
  TFont Font;
};

class IGridEditors {
 public:
  virtual ~IGridEditors() = default;
  // The text editor of the text kinds, loaded with the current cell's edit text.
  virtual void ShowTextEditor(TEditorType kind) = 0;
  virtual bool TextEditorShowing() const = 0;
  virtual QString TextEditorText() const = 0;
  virtual void HideTextEditor() = 0;
  // Places, loads, shows and focuses the editor of a special kind; false when the kind has no editor here.
  virtual bool ShowSpecialEditor(TEditorType kind, const TEditorPlace& place) = 0;
  // Hides and disables the special editor of the kind and answers its value.
  virtual TEditorValue CommitSpecialEditor(TEditorType kind) = 0;
  // Posts the character that started the edit to the editor just opened (it arrives after the opening).
  virtual void PostStartChar(QChar ch) = 0;
  // The refusal balloon over the open editor.
  virtual void ShowBalloon(const QString& title, const QString& text, int32_t icon) = 0;
  // The grid's window takes the keyboard focus.
  virtual void FocusGrid() = 0;
  // Posts the end of an edit to the grid's window; the grid's GridEditDone runs once the current event is handled.
  virtual void PostEditDone(int32_t realCol, int32_t row) = 0;
  // The editor of a fixed cell (real column, row), of the kind, over rect; false when this window has none.
  virtual bool ShowFixedEditor(TGridFixedCellEditor /*kind*/, int32_t /*realCol*/, int32_t /*row*/,
                               const TRect& /*rect*/, const QStringList& /*values*/) {
    return false;
  }
  // Ends a shown fixed-cell edit; false when validation kept it open. True when none is shown.
  virtual bool StopFixedEditor() { return true; }
};
