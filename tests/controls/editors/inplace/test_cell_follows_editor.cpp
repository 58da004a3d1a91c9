// The edited cell follows the open editor: once the grid has shown its text editor, each change typed into the text,
// spin or edit-with-button editor is in the cell at once. Opening an editor writes nothing; Escape, and a refusal
// that is given up, leave the cell as it was when the editor opened.
#include "GridEditorFixture.h"
#include "UGridEditBtn.h"
#include "UGridSpin.h"

namespace {

// The cell follows only once the grid's text editor has opened; that edit is abandoned and leaves its cell alone.
void Open_Text_Editor_Once(TEditedGrid& g) {
  const TEditorType kind = g.Grid->DefaultEditor;
  g.Grid->DefaultEditor = edNormal;
  g.Open(3, 4, "first");
  g.Key(Qt::Key_Escape);
  ASSERT_EQ(g.Grid->Cells(3, 4), "first");
  g.Grid->DefaultEditor = kind;
}

struct TFollowCase {
  TEditorType Kind;
  QString Cell;
  QString Typed;
  // The cell after each typed character; empty when the cell keeps its text while the editor is open.
  QStringList Steps;
  // What Escape leaves in the cell.
  QString AfterEscape;
};

TEST(CellFollowsEditor, EachTypedChangeIsInTheCellAndEscapePutsTheOpeningTextBack) {
  const std::vector<TFollowCase> cases = {
      {edNormal, "old", "ab", {"a", "ab"}, "old"},
      {edUpperCase, "old", "ab", {"A", "AB"}, "old"},
      {edNumeric, "12", "3x4", {"3", "3", "34"}, "12"},
      {edPassword, "secret", "pw", {"p", "pw"}, "secret"},
      // The spin's own value of "007" is 7: Escape still leaves the text the cell had.
      {edSpinEdit, "007", "42", {"4", "42"}, "007"},
      {edFloatSpinEdit, "1.5", "2.5", {"2", "2.", "2.5"}, "1.5"},
      {edEditBtn, "old", "xy", {"x", "xy"}, "old"},
      {edNumericEditBtn, "10", "7", {"7"}, "10"},
      // The valid-characters kind and the value-and-unit editor are not followed.
      {edValidChars, "old", "ab", {}, "old"},
      {edUnitEditBtn, "5", "6", {}, "5"},
  };
  for (const TFollowCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Kind));
    TEditedGrid g;
    g.Grid->ValidChars = "abc";
    Open_Text_Editor_Once(g);
    g.Grid->DefaultEditor = c.Kind;
    g.Open(1, 1, c.Cell);
    ASSERT_TRUE(g.Grid->EditMode());
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Cell) << "opening the editor is no change";
    g.Key(Qt::Key_A, Qt::ControlModifier);
    QStringList steps;
    for (const QChar ch : c.Typed) {
      g.Type(QString(ch));
      if (g.Grid->Cells(1, 1) != c.Cell) steps << g.Grid->Cells(1, 1);
    }
    EXPECT_EQ(steps, c.Steps);
    g.Key(Qt::Key_Escape);
    EXPECT_FALSE(g.Grid->EditMode());
    EXPECT_EQ(g.Grid->Cells(1, 1), c.AfterEscape);
  }
}

TEST(CellFollowsEditor, LoadingACellTheEditorShowsOtherwiseWritesNothing) {
  struct TCase {
    TEditorType Kind;
    QString Cell;
    QString Shown;
  };
  // Markup is edited without its tags; a spin shows the number it read.
  const std::vector<TCase> cases = {{edNormal, "<b>bold</b>", "bold"}, {edSpinEdit, "abc", "0"}};
  for (const TCase& c : cases) {
    TEditedGrid g;
    Open_Text_Editor_Once(g);
    g.Grid->DefaultEditor = c.Kind;
    g.Open(1, 1, c.Cell);
    QWidget* editor = c.Kind == edNormal ? static_cast<QWidget*>(g.Edit()) : g.Factory->SpinEdit();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(c.Kind == edNormal ? g.Edit()->text() : g.Factory->SpinEdit()->text(), c.Shown);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Cell);
    g.Key(Qt::Key_Escape);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Cell);
  }
}

class RefusedEditTest : public ::testing::TestWithParam<TEditorType> {
 protected:
  RefusedEditTest() {
    Open_Text_Editor_Once(g);
    g.Grid->OnCellValidate = [this](TQrvStringGrid*, int32_t, int32_t, QString& value, bool& valid) {
      valid = value != "bad" && value != "badx";
      ++Validations;
    };
    g.Grid->DefaultEditor = GetParam();
    g.Open(1, 2, "old");
    g.Key(Qt::Key_A, Qt::ControlModifier);
    g.Type("bad");
    EXPECT_EQ(g.Grid->Cells(1, 2), "bad");
    g.Key(Qt::Key_Return);
  }
  QString Shown() { return GetParam() == edNormal ? g.Edit()->text() : g.Factory->BtnEdit()->text(); }
  TEditedGrid g;
  int Validations = 0;
};

TEST_P(RefusedEditTest, TheRefusedTextStaysInTheEditorOnlyAndIsGivenUpWithEscape) {
  ASSERT_EQ(Validations, 1);
  ASSERT_TRUE(g.Grid->EditMode());
  EXPECT_EQ(Shown(), "bad");
  EXPECT_EQ(g.Grid->Cells(1, 2), "old") << "the refused text comes back to the editor, not to the cell";
  // Mending it is an edit again: the cell follows.
  g.Key(Qt::Key_End);
  g.Type("x");
  EXPECT_EQ(g.Grid->Cells(1, 2), "badx");
  g.Key(Qt::Key_Escape);
  EXPECT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(g.Grid->Cells(1, 2), "old");
}

INSTANTIATE_TEST_SUITE_P(TextAndEditButton, RefusedEditTest, ::testing::Values(edNormal, edEditBtn));

TEST(CellFollowsEditor, ARefusedTextIsNotKeptWhenTheFocusLeaves) {
  TEditedGrid g;
  g.Grid->OnCellValidate = [](TQrvStringGrid*, int32_t, int32_t, QString& value, bool& valid) {
    valid = !value.startsWith("bad");
  };
  g.Open(1, 2, "old");
  g.Key(Qt::Key_A, Qt::ControlModifier);
  g.Type("bad");
  g.Key(Qt::Key_Return);
  g.Key(Qt::Key_End);
  g.Type("!");
  ASSERT_EQ(g.Grid->Cells(1, 2), "bad!");
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(g.Grid->Cells(1, 2), "old");
}

}  // namespace
