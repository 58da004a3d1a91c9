// The grid's combo editor: what it opens on, the change it reports, Escape, Enter, typing with completion, the
// wheel, the colour it keeps through the focus, and its list dropping down and closing up.
#include <QAbstractItemView>

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
  // Records the combo's events and the end of the edit in one log, in the order they come.
  void LogEvents() {
    g.Grid->OnComboChange = [this](TQrvStringGrid*, int32_t c, int32_t r, int32_t index, const QString& text) {
      Log << QString("change %1,%2:%3=%4").arg(c).arg(r).arg(index).arg(text);
    };
    g.Grid->OnComboObjectChange = [this](TQrvStringGrid*, int32_t c, int32_t r, int32_t index, const QString& text,
                                         TObject*) {
      Log << QString("object %1,%2:%3=%4").arg(c).arg(r).arg(index).arg(text);
    };
    g.Grid->OnComboDropDown = [this](TQrvStringGrid*, int32_t r, int32_t c) {
      Log << QString("dropdown %1,%2 list %3").arg(r).arg(c).arg(g.Combo()->view()->isVisible() ? "open" : "shut");
    };
    g.Grid->OnComboCloseUp = [this](TQrvStringGrid*, int32_t r, int32_t c) {
      Log << QString("closeup %1,%2").arg(r).arg(c);
    };
    g.Grid->OnEditingDone = [this](TQrvStringGrid*) { Log << "editing done"; };
    g.Grid->OnEditCellDone = [this](TQrvStringGrid*, int32_t c, int32_t r) {
      Log << QString("cell done %1,%2").arg(c).arg(r);
    };
  }
  std::string Logged() const { return Log.join(" | ").toStdString(); }
  // Runs what the close-up and the end of the edit left posted.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  // The logs outlive the grid, whose closing may still report into them.
  QStringList Changes;
  QStringList Log;
  TEditedGrid g;
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

// The list drops down with the opening and closes up with Escape: the grid hears of both with the current row and
// the real column, the drop-down before the list shows; without the direct close the edit goes on.
TEST_F(GridComboTest, DropDownAndCloseUpReportTheRowAndRealColumn) {
  LogEvents();
  g.Grid->MouseActions().SetDirectComboDrop(true);
  g.Grid->SetCells(2, 3, "Beta");
  g.Grid->HideColumn(1);
  g.Grid->MoveToCell(1, 3);
  ASSERT_EQ(g.Grid->DisplayToRealCol(1), 2);
  g.Grid->ShowInplaceEdit();
  QApplication::processEvents();
  EXPECT_TRUE(g.Combo()->view()->isVisible());
  EXPECT_TRUE(g.Combo()->isVisible()) << "the list taking the focus does not end the edit";
  EXPECT_TRUE(g.Grid->EditMode());
  EXPECT_EQ(Logged(), "dropdown 3,2 list shut");
  Log.clear();
  QTest::keyClick(g.Combo()->view(), Qt::Key_Escape);
  Settle();
  EXPECT_FALSE(g.Combo()->view()->isVisible());
  EXPECT_EQ(Logged(), "closeup 3,2");
  EXPECT_TRUE(g.Combo()->isVisible());
  EXPECT_TRUE(g.Grid->EditMode());
  EXPECT_EQ(g.Window.focusWidget(), g.Combo());
}

// With the direct close, closing the list ends the edit with the item it left chosen: the change events first,
// the cell written, the close-up, the grid focused, and the end of the edit posted.
TEST_F(GridComboTest, DirectCloseWritesTheChosenItemAndEndsTheEdit) {
  struct TCase {
    const char* Name;
    TEditorType Kind;
    std::function<void(TGridCombo*)> Close;
    QString Cell;
    QStringList Log;
  };
  const auto keys = [](std::vector<Qt::Key> list) {
    return [list](TGridCombo* combo) {
      for (Qt::Key key : list) QTest::keyClick(combo->view(), key);
    };
  };
  // A pick from the list is reported as it is made and again as the list closes.
  const QStringList picked = {"change 1,1:2=Gamma", "object 1,1:2=Gamma", "change 1,1:2=Gamma",
                              "object 1,1:2=Gamma", "editing done",       "closeup 1,1"};
  const QStringList kept = {"change 1,1:0=Alpha", "object 1,1:0=Alpha", "editing done", "closeup 1,1"};
  const std::vector<TCase> cases = {
      {"list-only, picked with the keys", edComboList, keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}), "Gamma",
       picked},
      {"editable, picked with the keys", edComboEdit, keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}), "Gamma",
       picked},
      {"list-only, closed with Escape", edComboList, keys({Qt::Key_Down, Qt::Key_Escape}), "Alpha", kept},
      {"editable, closed with Escape", edComboEdit, keys({Qt::Key_Down, Qt::Key_Escape}), "Alpha", kept},
      {"closed by its own call with an item set",
       edComboList,
       [](TGridCombo* combo) {
         combo->SetItemIndex(2);
         combo->hidePopup();
       },
       "Gamma",
       {"change 1,1:2=Gamma", "object 1,1:2=Gamma", "editing done", "closeup 1,1"}},
  };
  LogEvents();
  g.Grid->MouseActions().SetDirectComboClose(true);
  g.Grid->MouseActions().SetDirectEdit(true);
  for (const TCase& c : cases) {
    g.Activate();
    g.Grid->DefaultEditor = c.Kind;
    g.Open(1, 1, "Alpha");
    ASSERT_TRUE(g.Combo()->isVisible()) << c.Name;
    g.Combo()->showPopup();
    ASSERT_TRUE(g.Combo()->view()->isVisible()) << c.Name;
    Log.clear();
    c.Close(g.Combo());
    Settle();
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Cell) << c.Name;
    EXPECT_FALSE(g.Combo()->isVisible()) << c.Name;
    EXPECT_FALSE(g.Grid->EditMode()) << c.Name;
    EXPECT_EQ(g.Window.focusWidget(), g.View) << c.Name;
    EXPECT_TRUE(g.Grid->MouseActions().DirectEdit()) << c.Name << ": the direct edit is back on";
    EXPECT_EQ(Logged(), (c.Log + QStringList{"cell done 1,1"}).join(" | ").toStdString()) << c.Name;
  }
}

// A list that closes because the editor is put away, or whose close-up is handled only after the editor was opened
// again, ends no edit a second time.
TEST_F(GridComboTest, DirectCloseEndsOnlyTheEditItsListBelongsTo) {
  LogEvents();
  g.Grid->MouseActions().SetDirectComboClose(true);
  g.Open(1, 1, "Beta");
  g.Combo()->showPopup();
  Log.clear();
  g.Grid->HideInplaceEdit();
  Settle();
  EXPECT_EQ(Logged(), "editing done | closeup 1,1 | cell done 1,1");
  EXPECT_EQ(g.Grid->Cells(1, 1), "Beta");

  g.Activate();
  g.Open(1, 1, "Beta");
  g.Combo()->showPopup();
  Log.clear();
  g.Combo()->hidePopup();
  g.Grid->HideInplaceEdit();
  g.Open(2, 2, "Gamma");
  Settle();
  EXPECT_TRUE(g.Combo()->isVisible());
  EXPECT_TRUE(g.Grid->EditMode());
  EXPECT_EQ(Logged(), "editing done | closeup 1,1 | cell done 1,1");
}
