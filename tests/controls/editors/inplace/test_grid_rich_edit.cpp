// A rich-text cell edited in place: the cell's text (plain or a document) opens in the grid's rich editor, its
// formats survive the way back into the cell, and the keys and the grid's focus end the edit.
#include <QTextCursor>

#include "GridEditorFixture.h"
#include "URichText.h"
#include "VAruDoreRido.h"

namespace {

VAruDoreRido* Open_Rich(TEditedGrid& g, int32_t c, int32_t r, const QString& text) {
  g.Grid->DefaultEditor = edRichEdit;
  g.Open(c, r, text);
  return g.Factory->InplaceRichEdit();
}

TEST(GridRichEdit, ACellOpensInTheRichEditorAndComesBackAsADocument) {
  TEditedGrid g;
  int done = 0;
  g.Grid->OnEditingDone = [&](TQrvStringGrid*) { ++done; };
  VAruDoreRido* rich = Open_Rich(g, 1, 2, "plain");
  ASSERT_NE(rich, nullptr);
  EXPECT_TRUE(rich->isVisible());
  EXPECT_EQ(g.Focused(), rich);
  EXPECT_EQ(g.Factory->EditCtrl(), rich);
  EXPECT_EQ(rich->toPlainText(), "plain");
  // Typing, then one word raised; the grid taking the focus back ends the edit.
  rich->moveCursor(QTextCursor::End);
  g.Type(" x2");
  QTextCursor cursor = rich->textCursor();
  cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
  rich->setTextCursor(cursor);
  rich->SelSuperscript();
  g.View->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(rich->isVisible());
  EXPECT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(done, 1);
  const QString stored = g.Grid->Cells(1, 2);
  ASSERT_TRUE(stored.startsWith("{\\rtf")) << stored.toStdString();
  const TRichRuns runs = ReadRtf(stored.toLatin1());
  EXPECT_EQ(RunsToPlainText(runs), "plain x2");
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.back().Text, "2");
  EXPECT_EQ(runs.back().Format.Offset, 40);

  // The document opens again with its formats, in the same editor.
  EXPECT_EQ(Open_Rich(g, 1, 2, stored), rich);
  EXPECT_EQ(rich->toPlainText(), "plain x2");
  cursor = rich->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
  rich->setTextCursor(cursor);
  EXPECT_TRUE(rich->IsSelSuperscript());
}

// Loading never grows the row, whatever the cell holds; typing does when the grid sizes while typing.
TEST(GridRichEdit, OnlyTypingGrowsTheRow) {
  TEditedGrid g;
  g.Grid->SizeWhileTyping().Height = true;
  VAruDoreRido* rich = Open_Rich(g, 1, 1, "one\rtwo\rthree");
  ASSERT_NE(rich, nullptr);
  EXPECT_EQ(g.Grid->RowHeights(1), 20);
  EXPECT_FALSE(rich->Locked());
  rich->moveCursor(QTextCursor::End);
  g.Key(Qt::Key_Return);
  g.Type("four");
  EXPECT_GT(g.Grid->RowHeights(1), 20);
}

TEST(GridRichEdit, TabWithTheGridsTabsCommitsAndMovesOn) {
  TEditedGrid g;
  g.Grid->SetOptions(g.Grid->Options() | goTabs);
  VAruDoreRido* rich = Open_Rich(g, 1, 1, "");
  ASSERT_NE(rich, nullptr);
  g.Type("a");
  g.Key(Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(RunsToPlainText(ReadRtf(g.Grid->Cells(1, 1).toLatin1())), "a");
  EXPECT_EQ(g.Grid->Col(), 2);
}

}  // namespace
