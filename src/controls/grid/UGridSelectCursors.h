#pragma once
// The cursors that tell what a press on the fixed cells selects: whole rows (an arrow pointing right, into the
// row), whole columns (an arrow pointing down) or every cell (an arrow pointing down and right). The hot spot is the
// arrow's tip. The cell-selector cursor, shown while presses pick cells, is a cross over a small cell with its hot
// spot at the cross's middle.
#include <QCursor>

enum class TGridSelectCursor { Rows, Columns, All, Cell };

QCursor Grid_Select_Cursor(TGridSelectCursor kind);
