// A press that opens the in-place editor with caret positioning on puts the caret at the character under the press.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include "GridEditorFixture.h"

namespace {

struct TPressedEdit {
  int32_t caret;
  bool selected;
};

// Selects cell (1, 2) of a range-select editing grid with one press, then presses it again at `dx` from its left.
TPressedEdit PressToEdit(bool caretPositioning, int32_t dx) {
  TEditedGrid e;
  e.Grid->Navigation().SetEditSelectAll(false);
  e.Grid->SetOptions(e.Grid->Options() & ~TGridOptions(goEditing));
  e.Grid->MouseActions().SetRangeSelectAndEdit(true);
  e.Grid->MouseActions().SetCaretPositioning(caretPositioning);
  e.Grid->SetColWidths(1, 200);
  e.Grid->SetCells(1, 2, QStringLiteral("WWWWWWWWWW"));
  const TRect rect = e.Grid->CellRect(1, 2);
  const QPoint p(rect.Left + dx, (rect.Top + rect.Bottom) / 2);
  QTest::mouseClick(e.View->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(e.View->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  QApplication::processEvents();
  EXPECT_TRUE(e.Grid->EditMode());
  // The editor's text face (one-line or multi-line) holds the focus.
  if (auto* line = qobject_cast<QLineEdit*>(e.Focused())) return {line->cursorPosition(), line->hasSelectedText()};
  auto* memo = qobject_cast<QPlainTextEdit*>(e.Focused());
  if (!memo) return {-1, false};
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("WWWWWWWWWW"));
  return {memo->textCursor().position(), memo->textCursor().hasSelection()};
}

TEST(CaretPositioning, ThePressThatOpensTheEditorPlacesTheCaret) {
  const TPressedEdit atStart = PressToEdit(true, 4);
  EXPECT_EQ(atStart.caret, 0);
  EXPECT_FALSE(atStart.selected);
  const TPressedEdit inside = PressToEdit(true, 40);
  EXPECT_GT(inside.caret, 0);
  EXPECT_LT(inside.caret, 10);
  EXPECT_FALSE(inside.selected);
  const TPressedEdit pastEnd = PressToEdit(true, 195);
  EXPECT_EQ(pastEnd.caret, 10);
}

TEST(CaretPositioning, WithoutItTheCaretGoesToTheEndWhereverThePressLanded) {
  const TPressedEdit p = PressToEdit(false, 4);
  EXPECT_EQ(p.caret, 10);
  EXPECT_FALSE(p.selected);
}

}  // namespace
