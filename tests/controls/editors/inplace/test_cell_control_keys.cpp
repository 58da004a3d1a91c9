// An embedded cell control in a grid with its editors: Enter writes the control's value and gives the grid the
// focus back.
#include "GridEditorFixture.h"

namespace {

TEST(CellControlKeys, EnterWritesTheValueAndTheGridTakesTheFocus) {
  TEditedGrid g;
  g.Grid->SetColWidths(1, 200);
  g.Grid->SetRowHeights(1, 40);
  const QString tag = QStringLiteral("<CONTROL ID=\"e1\" VALUE=\"%1\" WIDTH=\"80\" TYPE=\"EDIT\">");
  g.Grid->SetCells(1, 1, tag.arg("ab"));
  ASSERT_TRUE(g.Grid->FocusNextCellControl(1, 1, QString()));
  QWidget* control = g.Focused();
  ASSERT_NE(control, nullptr);
  ASSERT_NE(control, g.View);
  g.Key(Qt::Key_End);
  g.Type("c");
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 1), tag.arg("abc"));
  EXPECT_FALSE(control->isVisible());
  EXPECT_EQ(g.Focused(), g.View);
}

}  // namespace
