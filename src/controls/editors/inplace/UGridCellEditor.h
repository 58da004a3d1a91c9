#pragma once
// One editor of a grid window's cells, serving one or more editor kinds. The window's dispatcher opens and
// commits it by kind and never names its class, so a library above the editors adds kinds of its own.
#include <QString>
#include <cstdint>

#include "UEditorType.h"
#include "UGridEditors.h"
#include "UVyxStyle.h"

class QWidget;
class TGridView;
class TQrvStringGrid;

// What the window's editors offer each editor.
class IGridEditorHost {
 public:
  virtual ~IGridEditorHost() = default;
  virtual TGridView& View() = 0;
  virtual TQrvStringGrid& Grid() = 0;
  // Shows a control over the place, grown by `grow` on every side, and gives it the focus.
  virtual void Present(QWidget* control, const TEditorPlace& place, int32_t grow) = 0;
  // Hides a control; the grid takes the focus first when the control has it.
  virtual void PutAway(QWidget* control) = 0;
  // The refusal balloon over the open editor.
  virtual void ShowBalloon(const QString& title, const QString& text, int32_t icon) = 0;
};

class TGridCellEditor {
 public:
  virtual ~TGridCellEditor() = default;
  // Loads the current cell, then places, shows and focuses the editor; false when it has nothing to open.
  virtual bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) = 0;
  // Hides and disables the editor and answers the value the cell takes.
  virtual TEditorValue Commit(IGridEditorHost& host, TEditorType kind) = 0;
  // Where the character that started the edit and the refusal balloons go while it is open; null for none.
  virtual QWidget* EditControl() = 0;
  // The window is going: losing the focus commits nothing and fires no event any more.
  virtual void Detach() = 0;
  // The grid's colour tones on its buttons (the grid's own colour for a control that frames with it).
  virtual void ApplyTones(const TColorTones& /*tones*/, TColor /*gridColor*/) {}
};
