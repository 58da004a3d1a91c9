// The grid's combo editor: what it opens on, the change it reports, Escape, Enter, typing with completion, the
// wheel, and the colour it keeps through the focus.
#include "GridEditorFixture.h"

namespace {

class GridComboTest : public ::testing::Test {
 protected:
  GridComboTest() {
    g.Grid->DefaultEditor = edComboList;
    for (const char* item : {"Alpha", "Beta", "Gamma"}) g.Grid->AddComboString(item);
    g.Grid->OnComboChange = [this](TQrvStringGrid*, int32_t c, int32_t r, int32_t index, const QString& text) {
      Changes << QString("%1,%2:%3=%4").arg(c).arg(r).arg(index).arg(text);
    };
  }
  TEditedGrid g;
  QStringList Changes;
};

TEST_F(GridComboTest, ListOpensOnTheCellsItemOrOnTheFirstWithAForcedChange) {
  const std::vector<std::tuple<QString, int32_t, QStringList>> cases = {
      {"Beta", 1, {}},
      {"Nothing", 0, {"1,1:0=Alpha"}},
  };
  for (const auto& [text, index, changes] : cases) {
    Changes.clear();
    g.Open(1, 1, text);
    ASSERT_TRUE(g.Combo()->isVisible());
    EXPECT_EQ(g.Combo()->ItemIndex(), index) << text.toStdString();
    EXPECT_EQ(Changes, changes) << text.toStdString();
    g.Key(Qt::Key_Escape);
    EXPECT_FALSE(g.Combo()->isVisible());
    EXPECT_EQ(g.Grid->Cells(1, 1), text) << "Escape leaves the cell as it was";
  }
}

TEST_F(GridComboTest, PickingAnItemAndEnterWriteTheCell) {
  int done = 0;
  g.Grid->OnEditCellDone = [&](TQrvStringGrid*, int32_t, int32_t) { ++done; };
  g.Open(2, 2, "Alpha");
  g.Type("g");
  EXPECT_EQ(g.Combo()->Text(), "Gamma");
  EXPECT_EQ(Changes, QStringList{"2,2:2=Gamma"});
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(2, 2), "Gamma");
  EXPECT_FALSE(g.Combo()->isVisible());
  EXPECT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(done, 0) << "the end of the edit is posted";
  QApplication::processEvents();
  EXPECT_EQ(done, 1);
}

TEST_F(GridComboTest, EditableComboTakesTypedTextAndCompletesFromItsItems) {
  g.Grid->DefaultEditor = edComboEdit;
  g.Grid->Lookup = true;
  g.Open(1, 2, "");
  g.Type("g");
  EXPECT_EQ(g.Combo()->Text(), "gamma");
  EXPECT_EQ(g.Combo()->lineEdit()->selectedText(), "amma");
  g.Key(Qt::Key_Delete);
  g.Type("x");
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 2), "gx");
}

TEST_F(GridComboTest, WheelStopsAtBothEnds) {
  g.Open(1, 1, "Gamma");
  QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(g.Combo(), &down);
  EXPECT_EQ(g.Combo()->ItemIndex(), 2);
  for (int i = 0; i < 3; ++i) {
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.Combo(), &up);
  }
  EXPECT_EQ(g.Combo()->ItemIndex(), 0);
}

// A combo the grid made at run time starts from the window colour; the colour an opening gives it is the one the
// focus leaves behind.
TEST_F(GridComboTest, KeepsTheColourItOpensWithThroughTheFocus) {
  g.Grid->MoveToCell(1, 1);
  g.Combo()->Open(true, 1, 1, 59, 19, 0x00C0FF);
  EXPECT_EQ(g.Combo()->Color(), 0x00C0FF);
  EXPECT_EQ(g.Combo()->NormalColor(), 0x00C0FF);
  g.Combo()->SetFocusColor(0x00FF00);
  g.Other->setFocus();
  g.Combo()->setFocus();
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(g.Combo()->Color(), 0x00C0FF);
}

TEST_F(GridComboTest, SelectionStringMustBeAnItem) {
  EXPECT_FALSE(g.Grid->SetComboSelectionString("Delta"));
  EXPECT_EQ(g.Grid->ComboIdx(), -1);
  EXPECT_TRUE(g.Grid->SetComboSelectionString("Gamma"));
  EXPECT_EQ(g.Grid->ComboIdx(), 2);
  EXPECT_TRUE(g.Grid->RemoveComboString("Beta"));
  EXPECT_FALSE(g.Grid->RemoveComboString("Beta"));
  EXPECT_EQ(g.Grid->GetComboCount(), 2);
}

TEST_F(GridComboTest, TypingInTheEditableComboReportsNoItemWithTheText) {
  g.Grid->DefaultEditor = edComboEdit;
  g.Open(1, 3, "");
  Changes.clear();
  g.Type("Xy");
  // Each change is reported for the real column and again for the current column.
  EXPECT_EQ(Changes, (QStringList{"1,3:-1=X", "1,3:-1=X", "1,3:-1=Xy", "1,3:-1=Xy"}));
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 3), "Xy");
}

}  // namespace
