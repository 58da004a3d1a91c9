// The custom editor link: a line edit plugged into a cell, in place and in the popup window; the keys it hands
// back to the grid, Escape, a refusal that reopens it, and the one popup window two links share in turn.
#include "GridEditorFixture.h"
#include "UEditLink.h"

namespace {

class TLineLink : public TEditLink {
 public:
  QWidget* GetEditControl() override { return Edit; }
  void CreateEditor(QWidget* parent) override {
    if (!Edit || Edit->parentWidget() != parent) Edit = new QLineEdit(parent);
  }
  QString GetEditorValue() override { return Edit ? Edit->text() : QString(); }
  void SetEditorValue(const QString& value) override {
    if (Edit) Edit->setText(value);
  }
  QPointer<QLineEdit> Edit;
};

class EditLinkTest : public ::testing::Test {
 protected:
  EditLinkTest() {
    g.Grid->DefaultEditor = edCustom;
    g.Grid->SetEditLink(&Link);
  }
  TLineLink Link;
  TEditedGrid g;
};

TEST_F(EditLinkTest, KeysCommitAndHandTheCellBack) {
  struct TCase {
    Qt::Key Key;
    QString Cell;
    int32_t Row;
  };
  const std::vector<TCase> cases = {
      {Qt::Key_Return, "typed", 2},
      {Qt::Key_Escape, "old", 2},
      {Qt::Key_Down, "typed", 3},
  };
  for (const TCase& c : cases) {
    g.View->setFocus();
    g.Open(1, 2, "old");
    ASSERT_EQ(g.Focused(), Link.Edit.data());
    Link.Edit->setText("typed");
    g.Key(c.Key);
    EXPECT_EQ(g.Grid->Cells(1, 2), c.Cell) << c.Key;
    EXPECT_EQ(g.Grid->Row(), c.Row) << c.Key;
    EXPECT_FALSE(Link.Edit->isVisible()) << c.Key;
    EXPECT_FALSE(g.Grid->EditMode()) << c.Key;
    EXPECT_EQ(Link.Grid(), g.Grid);
    g.Grid->MoveToCell(1, 1);
  }
}

TEST_F(EditLinkTest, WantedKeysStayWithTheControl) {
  Link.WantKeyUpDown = true;
  g.Open(1, 2, "old");
  g.Key(Qt::Key_Down);
  EXPECT_EQ(g.Grid->Row(), 2);
  EXPECT_TRUE(Link.Edit->isVisible());
  EXPECT_EQ(g.Focused(), Link.Edit.data());
}

TEST_F(EditLinkTest, ARefusalReopensTheLinkOnTheSameCell) {
  g.Grid->OnCellValidate = [](TQrvStringGrid*, int32_t, int32_t, QString&, bool& valid) { valid = false; };
  g.Open(1, 2, "old");
  Link.Edit->setText("bad");
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 2), "old");
  EXPECT_TRUE(Link.Edit->isVisible());
  EXPECT_EQ(g.Grid->Row(), 2);
  EXPECT_TRUE(g.Grid->LastValidation());
}

TEST_F(EditLinkTest, PopupOpensUnderTheCellAsWideAsIt) {
  Link.EditStyle = esPopup;
  Link.AutoPopupWidth = true;
  Link.PopupHeight = 80;
  g.Open(2, 1, "v");
  QWidget* form = Link.PopupForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->objectName(), "gridform");
  const TRect cell = g.Grid->CellRect(2, 1);
  EXPECT_EQ(form->pos(), g.View->viewport()->mapToGlobal(QPoint(cell.Left, cell.Top)));
  EXPECT_EQ(form->width(), cell.Right - cell.Left);
  EXPECT_EQ(Link.Edit->text(), "v");
}

// Two links open their popups in turn: the second frees the first one's window, which the first makes anew.
TEST_F(EditLinkTest, PopupWindowIsSharedAndRemadeWhenGone) {
  TLineLink other;
  other.EditStyle = esPopup;
  Link.EditStyle = esPopup;
  TEditedGrid second;
  second.Grid->DefaultEditor = edCustom;
  second.Grid->SetEditLink(&other);
  g.Activate();
  g.Open(1, 1, "a");
  ASSERT_NE(Link.PopupForm(), nullptr);
  g.Key(Qt::Key_Return);
  second.Activate();
  second.Open(1, 1, "b");
  EXPECT_EQ(Link.PopupForm(), nullptr) << "the earlier window is gone";
  ASSERT_NE(other.PopupForm(), nullptr);
  second.Key(Qt::Key_Return);
  g.Activate();
  g.Open(1, 2, "c");
  ASSERT_NE(Link.PopupForm(), nullptr);
  EXPECT_EQ(Link.Edit->text(), "c");
  EXPECT_EQ(other.PopupForm(), nullptr);
}

TEST(EditLink, NoLinkOpensNothing) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edCustom;
  g.Open(1, 1, "x");
  EXPECT_EQ(g.Focused(), g.View);
}

}  // namespace
