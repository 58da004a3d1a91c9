// The grid is entered and left as a whole: its own editors taking and giving back the focus are neither, and
// leaving from an open editor is a leaving of the grid.
#include "GridEditorFixture.h"

TEST(GridFocus, EnterAndExitCountTheGridWithItsEditors) {
  TEditedGrid e;
  int enters = 0, exits = 0;
  e.Grid->OnEnter = [&](TQrvStringGrid*) { ++enters; };
  e.Grid->OnExit = [&](TQrvStringGrid*) { ++exits; };
  e.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(exits, 1);  // the fixture gave the grid the focus first
  e.View->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(enters, 1);
  e.Open(1, 1, "text");
  ASSERT_EQ(e.Focused(), e.Edit()->Face());
  e.Key(Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(e.Focused(), e.View);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  e.Open(1, 1, "text");
  ASSERT_EQ(e.Focused(), e.Edit()->Face());
  e.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(exits, 2);
  EXPECT_EQ(enters, 1);
}
