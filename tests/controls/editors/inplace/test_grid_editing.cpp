// The grid's editing lifecycle in a shown grid: validation with its events in order, refusals that keep the editor
// open, the refusal balloon's place, cells that open no editor, and every editor kind the table windows use on a
// column grid from opening to the written cell.
#include "GridEditorFixture.h"
#include "UQrvColumnGrid.h"

namespace {

class ValidationTest : public ::testing::Test {
 protected:
  ValidationTest() {
    g.Grid->OnCellValidate = [this](TQrvStringGrid*, int32_t c, int32_t r, QString& value, bool& valid) {
      Events << QString("validate %1,%2 %3").arg(c).arg(r).arg(value);
      if (!Replace.isNull()) value = Replace;
      valid = Accept;
    };
    g.Grid->OnCellsChanged = [this](TQrvStringGrid*, const TRect& r) {
      Events << QString("changed %1,%2").arg(r.Left).arg(r.Top);
    };
    g.Grid->OnEditingDone = [this](TQrvStringGrid*) { Events << "editing done"; };
    g.Grid->OnEditCellDone = [this](TQrvStringGrid*, int32_t c, int32_t r) {
      Events << QString("cell done %1,%2").arg(c).arg(r);
    };
  }
  QStringList Events;
  bool Accept = true;
  QString Replace;
  TEditedGrid g;
};

TEST_F(ValidationTest, EnterValidatesThenEndsTheEditAndPostsItsEnd) {
  g.Open(2, 3, "old");
  g.Type("new");
  g.Key(Qt::Key_End);
  g.Key(Qt::Key_Return);
  EXPECT_EQ(Events, (QStringList{"validate 2,3 new", "changed 2,3", "editing done"}));
  QApplication::processEvents();
  EXPECT_EQ(Events.last(), "cell done 2,3");
  EXPECT_EQ(g.Grid->Cells(2, 3), "new");
  EXPECT_TRUE(g.Grid->GridModified());
}

TEST_F(ValidationTest, UnchangedTextIsValidatedOnlyWhenAlwaysValidating) {
  for (const bool always : {false, true}) {
    Events.clear();
    g.Grid->AlwaysValidate = always;
    g.Open(1, 1, "same");
    g.Key(Qt::Key_Return);
    EXPECT_EQ(Events.filter("validate").size() == 1, always);
    EXPECT_TRUE(Events.filter("changed").isEmpty()) << "an unchanged cell is no change";
  }
}

struct TRefusalCase {
  bool Accept;
  QString Replace;
  QString Cell;
  bool EditorOpen;
};

TEST_F(ValidationTest, TheHandlerAcceptsChangesOrRefuses) {
  const std::vector<TRefusalCase> cases = {
      {true, QString(), "typed", false},
      {true, "changed", "changed", false},
      {false, QString(), "old", true},
      {false, "shown", "shown", true},
  };
  for (const TRefusalCase& c : cases) {
    Accept = c.Accept;
    Replace = c.Replace;
    g.Grid->HideInplaceEdit();
    g.View->setFocus();
    g.Open(1, 2, "old");
    g.Key(Qt::Key_A, Qt::ControlModifier);
    g.Type("typed");
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 2), c.Cell) << c.Replace.toStdString();
    EXPECT_EQ(g.Edit()->isVisible(), c.EditorOpen) << c.Replace.toStdString();
    if (c.EditorOpen) {
      // The editor shows what the handler left, for the user to mend.
      EXPECT_EQ(g.Edit()->text(), c.Replace.isNull() ? QString("typed") : c.Replace);
      EXPECT_FALSE(g.Grid->LastValidation());
      EXPECT_EQ(g.Grid->Row(), 2);
    }
  }
}

TEST_F(ValidationTest, TheBalloonGoesToTheEditorThatIsOpen) {
  Accept = false;
  struct TBalloonCase {
    TEditorType Kind;
    QString Title;
    QString Text;
    std::function<QWidget*(TEditedGrid&)> Target;
  };
  const std::vector<TBalloonCase> cases = {
      {edNormal, "Wrong", "", [](TEditedGrid& e) -> QWidget* { return e.Edit(); }},
      {edComboEdit, "", "Try again", [](TEditedGrid& e) -> QWidget* { return e.Combo()->lineEdit(); }},
      {edComboList, "Wrong", "Try again", [](TEditedGrid& e) -> QWidget* { return e.Combo(); }},
      {edNormal, "", "", [](TEditedGrid&) -> QWidget* { return nullptr; }},
  };
  for (const TBalloonCase& c : cases) {
    TEditedGrid e;
    e.Grid->OnCellValidate = [](TQrvStringGrid*, int32_t, int32_t, QString&, bool& valid) { valid = false; };
    e.Grid->DefaultEditor = c.Kind;
    e.Grid->InvalidEntryTitle = c.Title;
    e.Grid->InvalidEntryText = c.Text;
    for (const char* item : {"Alpha", "Beta"}) e.Grid->AddComboString(item);
    e.Open(1, 1, "Alpha");
    e.Type("b");
    e.Key(Qt::Key_Return);
    EXPECT_EQ(e.Factory->LastBalloon().Target.data(), c.Target(e)) << c.Kind;
    if (c.Target(e)) EXPECT_EQ(e.Factory->LastBalloon().Title, c.Title);
  }
}

TEST(GridEditing, CellsWithoutAnEditorOpenNone) {
  const std::vector<std::function<void(TEditedGrid&)>> setups = {
      [](TEditedGrid& e) { e.Grid->DefaultEditor = edNone; },
      [](TEditedGrid& e) {
        e.Grid->OnGetEditorType = [](TQrvStringGrid*, int32_t, int32_t, TEditorType& kind) { kind = edNone; };
      },
      [](TEditedGrid& e) { e.Grid->AddCheckBox(1, 1, false, true); },
      [](TEditedGrid& e) { e.Grid->SetReadOnly(1, 1, true); },
  };
  for (size_t i = 0; i < setups.size(); ++i) {
    TEditedGrid e;
    setups[i](e);
    e.Grid->MoveToCell(2, 2);
    e.Grid->MoveToCell(1, 1);
    e.Grid->ShowInplaceEdit();
    e.Key(Qt::Key_F2);
    EXPECT_FALSE(e.Grid->EditMode()) << i;
    EXPECT_EQ(e.Focused(), e.View) << i;
  }
}

TEST(GridEditing, FootersAndRightFixedColumnsAreFixedWhateverTheCellSays) {
  TEditedGrid e;
  e.Grid->SetFixedFooters(1);
  e.Grid->SetFixedRightCols(1);
  e.Grid->OnIsFixedCell = [](TQrvStringGrid*, int32_t, int32_t, bool& fixed) { fixed = false; };
  EXPECT_TRUE(e.Grid->IsFixed(1, e.Grid->RowCount() - 1));
  EXPECT_TRUE(e.Grid->IsFixed(e.Grid->ColCount() - 1, 2));
  EXPECT_FALSE(e.Grid->IsFixed(1, 2));
}

TEST(GridEditing, AnEditDisabledGridStillEditsAllowedCells) {
  TEditedGrid e;
  e.Grid->SetReadOnly(2, 2, true);
  e.Grid->MoveToCell(2, 2);  // switches editing off for the read-only cell and remembers why
  EXPECT_FALSE(e.Grid->Options() & goEditing);
  EXPECT_TRUE(e.Grid->EditDisabled());
  EXPECT_TRUE(e.Grid->IsEditable(1, 1));
  EXPECT_FALSE(e.Grid->IsEditable(2, 2));
}

// Every editor kind of the table windows on a column grid: open, type, Enter, and the cell holds the value.
TEST(GridEditing, ColumnGridKindsOfTheWindowsWriteTheirCells) {
  TEditedGrid e(std::make_unique<TQrvColumnGrid>());
  auto& grid = static_cast<TQrvColumnGrid&>(*e.Grid);
  grid.SetColCount(5);
  grid.Columns().Items(1)->SetEditor(edNormal);
  grid.Columns().Items(2)->SetEditor(edComboList);
  grid.Columns().Items(2)->SetComboItems({"Read", "Write"});
  grid.Columns().Items(3)->SetEditor(edComboEdit);
  grid.Columns().Items(3)->SetComboItems({"Alpha", "Beta"});
  grid.Columns().Items(4)->SetEditor(edDataCheckBox);
  const std::vector<std::tuple<int32_t, QString, QString>> cases = {
      {1, "abc", "abc"},
      {2, "w", "Write"},
      {3, "free", "free"},
  };
  for (const auto& [c, typed, expected] : cases) {
    e.View->setFocus();
    e.Open(c, 2, "");
    ASSERT_NE(e.Focused(), e.View) << c;
    e.Type(typed);
    e.Key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.Cells(c, 2), expected) << c;
    EXPECT_FALSE(grid.EditMode()) << c;
    EXPECT_EQ(e.Focused(), e.View) << c;
  }
  // The data check box opens no editor; the grid toggles its text.
  e.Open(4, 2, "");
  EXPECT_FALSE(grid.EditMode());
  EXPECT_EQ(e.Focused(), e.View);
  grid.ToggleCheckBoxCell(4, 2, true);
  EXPECT_EQ(grid.Cells(4, 2), "Y");
  grid.ToggleCheckBoxCell(4, 2, true);
  EXPECT_EQ(grid.Cells(4, 2), "N");
}

}  // namespace

namespace {

// Closing an editor checks the current cell again; that is no cell change for the owner.
TEST(GridEditing, ClosingAnEditorReportsNoCellChange) {
  TEditedGrid e;
  QStringList changes;
  e.Grid->OnCellChanging = [&](TQrvStringGrid*, int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol,
                               bool&) {
    changes << QString("%1,%2>%3,%4").arg(oldCol).arg(oldRow).arg(newCol).arg(newRow);
  };
  e.Open(2, 3, "");
  EXPECT_EQ(changes, QStringList{"1,1>2,3"});
  e.Type("x");
  e.Key(Qt::Key_Return);
  EXPECT_EQ(e.Grid->Cells(2, 3), "x");
  EXPECT_EQ(changes, QStringList{"1,1>2,3"});
}

}  // namespace
