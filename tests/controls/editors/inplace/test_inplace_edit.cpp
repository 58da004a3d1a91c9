// The grid's text editor in a shown grid: the character filter of each kind with its beeps, the filtered paste,
// the length limit (also past 16 bits), lookup completion, Escape, Enter writing the cell, and losing the focus
// after Alt+Backspace was held while the editor closed.
#include <QClipboard>
#include <QPlainTextEdit>

#include "GridEditorFixture.h"
#include "UGridModule.h"

namespace {

struct TTypingCase {
  TEditorType Kind;
  QString Initial;
  bool CaretHome;
  QString Typed;
  QString Expected;
  int Beeps;
};

TEST(InplaceEdit, EachKindFiltersTypedCharacters) {
  const QString sep = GetDecimalSeparator();
  const std::vector<TTypingCase> cases = {
      {edNumeric, "", false, "1-2", "12", 1},
      {edNumeric, "12", true, "-", "-12", 0},
      {edNumeric, "-12", true, "-", "-12", 1},
      {edPositiveNumeric, "", false, "a1-", "1", 2},
      {edPositiveFloat, "", false, "-1" + sep + "5" + sep + "2", "1" + sep + "52", 0},
      {edFloat, "", false, "-1" + sep + "5", "-1" + sep + "5", 0},
      {edFloat, "", false, "1-", "1", 1},
      {edFloat, "", false, "1x", "1", 0},
      {edUpperCase, "", false, "ab", "AB", 0},
      {edCapital, "", false, "ab", "AB", 0},
      {edLowerCase, "", false, "AB", "ab", 0},
      {edMixedCase, "", false, "hello world", "Hello World", 0},
      {edValidChars, "", false, "abxd", "ab", 2},
      {edNormal, "", false, "a-1x", "a-1x", 0},
  };
  for (const TTypingCase& c : cases) {
    TEditedGrid g;
    g.Grid->DefaultEditor = c.Kind;
    g.Grid->ValidChars = "abc";
    g.Open(1, 1, c.Initial);
    ASSERT_EQ(g.Focused(), g.Edit()->Face()) << c.Typed.toStdString();
    if (c.CaretHome) g.Key(Qt::Key_Home);
    g.Type(c.Typed);
    EXPECT_EQ(g.Edit()->text(), c.Expected) << "kind " << c.Kind << " typing " << c.Typed.toStdString();
    EXPECT_EQ(g.Beeps, c.Beeps) << "kind " << c.Kind << " typing " << c.Typed.toStdString();
  }
}

struct TPasteCase {
  TEditorType Kind;
  int32_t Limit;
  QString Initial;
  QString Clipboard;
  QString Expected;
};

TEST(InplaceEdit, PasteFollowsTheKindAndTheLimit) {
  const std::vector<TPasteCase> cases = {
      {edNumeric, 0, "", "12\r\n", "12"},
      {edNumeric, 0, "", "1a", ""},
      {edNumeric, 0, "", "-5", "-5"},
      {edPositiveNumeric, 0, "", "-5", ""},
      {edNormal, 3, "12", "345", "12"},
      {edNormal, 3, "12", "3", "123"},
      {edNormal, 0, "ab", "x\r\ny\r\n", "abx\r\ny\r\n"},
      {edUpperCase, 0, "", "abc", "ABC"},
  };
  for (const TPasteCase& c : cases) {
    TEditedGrid g;
    g.Grid->DefaultEditor = c.Kind;
    g.Grid->SetMaxEditLength(c.Limit);
    g.Open(1, 1, c.Initial);
    QApplication::clipboard()->setText(c.Clipboard);
    g.Key(Qt::Key_End);
    g.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g.Edit()->CellText(), c.Expected) << c.Clipboard.toStdString();
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Expected) << "the cell takes an accepted paste at once";
  }
}

TEST(InplaceEdit, PasteEventsMayRefuseOrChangeTheText) {
  TEditedGrid g;
  QStringList seen;
  g.Grid->OnClipboardBeforePasteCell = [&](QObject*, int32_t, int32_t, QString& value, bool&) {
    value = value + "!";
  };
  g.Grid->OnClipboardAfterPasteCell = [&](QObject*, int32_t, int32_t, const QString& value) { seen << value; };
  g.Open(1, 1, "");
  QApplication::clipboard()->setText("a");
  g.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(g.Edit()->text(), "a!");
  EXPECT_EQ(seen, QStringList{"a!"});
  g.Grid->OnClipboardPaste = [](QObject*, bool& allow) { allow = false; };
  g.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(g.Edit()->text(), "a!");
}

TEST(InplaceEdit, LengthLimitHoldsPastSixteenBits) {
  const std::vector<std::pair<int32_t, QString>> cases = {{2, "ab"}, {65537, "abc"}, {0, "abc"}};
  for (const auto& [limit, expected] : cases) {
    TEditedGrid g;
    g.Grid->SetMaxEditLength(limit);
    g.Open(1, 1, "");
    g.Type("abc");
    EXPECT_EQ(g.Edit()->text(), expected) << limit;
    EXPECT_EQ(g.Edit()->LengthLimit(), limit);
  }
}

TEST(InplaceEdit, LookupCompletesFromTheList) {
  const std::vector<std::tuple<bool, QString, QString, QString>> cases = {
      {false, "b", "beta", "eta"},
      {false, "AL", "ALpha", "pha"},
      {true, "b", "b", ""},
      {true, "B", "Beta", "eta"},
  };
  for (const auto& [caseSensitive, typed, text, selected] : cases) {
    TEditedGrid g;
    g.Grid->Lookup = true;
    g.Grid->LookupCaseSensitive = caseSensitive;
    g.Grid->LookupItems = {"Alpha", "Beta"};
    g.Open(1, 1, "");
    g.Type(typed);
    EXPECT_EQ(g.Edit()->text(), text) << typed.toStdString();
    EXPECT_EQ(g.Edit()->selectedText(), selected) << typed.toStdString();
  }
}

TEST(InplaceEdit, EscapePutsTheOriginalTextBackAndCloses) {
  TEditedGrid g;
  g.Open(2, 3, "old");
  g.Type("new");
  g.Key(Qt::Key_Escape);
  EXPECT_EQ(g.Grid->Cells(2, 3), "old");
  EXPECT_FALSE(g.Edit()->isVisible());
  EXPECT_EQ(g.Focused(), g.View);
}

TEST(InplaceEdit, EnterWritesTheCellAndClosesTheEditor) {
  TEditedGrid g;
  g.Open(2, 3, "");
  ASSERT_EQ(g.Focused(), g.Edit()->Face());
  ASSERT_EQ(g.Grid->Col(), 2);
  ASSERT_EQ(g.Grid->Row(), 3);
  g.Type("value");
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(2, 3), "value");
  EXPECT_FALSE(g.Edit()->isVisible());
  QApplication::processEvents();
  EXPECT_FALSE(g.Grid->EditMode());
}

TEST(InplaceEdit, CtrlASelectsAll) {
  TEditedGrid g;
  g.Open(1, 1, "abc");
  g.Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(g.Edit()->selectedText(), "abc");
}

TEST(InplaceEdit, LosingTheFocusCommitsAndAnAltKeyNeverOutlivesTheEditor) {
  TEditedGrid g;
  int done = 0;
  g.Grid->OnEditingDone = [&](TQrvStringGrid*) { ++done; };
  g.Open(1, 1, "");
  g.Type("x");
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(g.Grid->Cells(1, 1), "x");
  EXPECT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(done, 1);

  // Alt+Backspace held while the focus moves keeps the edit open.
  g.View->setFocus();
  g.Open(1, 2, "");
  QTest::keyPress(g.Focused(), Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_TRUE(g.Edit()->AltBack());
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(g.Grid->EditMode());
  // The editor closes while the key is still down; the next edit must end on focus loss again.
  g.View->setFocus();
  g.Grid->HideInplaceEdit();
  g.Open(1, 3, "");
  EXPECT_FALSE(g.Edit()->AltBack());
  g.Type("y");
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(g.Grid->Cells(1, 3), "y");
  EXPECT_FALSE(g.Grid->EditMode());
}

// The last allowed character hands an Enter to the grid, which ends the edit (and advances with AdvanceOnEnter).
TEST(InplaceEdit, AdvanceAutoEndsTheEditWhenTheLimitIsReached) {
  TEditedGrid g;
  g.Grid->SetMaxEditLength(2);
  g.Grid->Navigation().SetAdvanceAuto(true);
  g.Open(1, 1, "");
  g.Type("a");
  EXPECT_TRUE(g.Edit()->isVisible());
  g.Type("b");
  EXPECT_EQ(g.Grid->Cells(1, 1), "ab");
  // The full editor is an Enter: the cursor advances and the editor opens on the next cell.
  EXPECT_EQ(g.Grid->Col(), 2);
  EXPECT_EQ(g.Grid->Row(), 1);
  EXPECT_TRUE(g.Edit()->isVisible());
  EXPECT_EQ(g.Edit()->text(), "");
}

}  // namespace

namespace {

// Left at the start and Right at the end of the text walk to the neighbour cell, reopening the editor there only
// when asked to.
TEST(InplaceEdit, CursorWalksToTheNeighbourCell) {
  for (const bool alwaysEdit : {false, true}) {
    TEditedGrid g;
    g.Grid->Navigation().SetCursorWalkEditor(true);
    g.Grid->Navigation().SetCursorWalkAlwaysEdit(alwaysEdit);
    g.Open(1, 1, "ab");
    g.Key(Qt::Key_End);
    g.Type("c");
    g.Key(Qt::Key_Left);
    EXPECT_EQ(g.Grid->Col(), 1) << "inside the text the caret moves";
    g.Key(Qt::Key_End);
    g.Key(Qt::Key_Right);
    EXPECT_EQ(g.Grid->Cells(1, 1), "abc");
    EXPECT_EQ(g.Grid->Col(), 2);
    EXPECT_EQ(g.Edit()->isVisible(), alwaysEdit);
    if (alwaysEdit) {
      g.Key(Qt::Key_Home);
      g.Key(Qt::Key_Left);
      EXPECT_EQ(g.Grid->Col(), 1);
    }
  }
}

}  // namespace

// Delete and Backspace edit as in every text field, as the desktop delivers them: Delete brings the character 127
// as its text and Backspace the character 8 (or 127); neither is ever typed into the text.
TEST(InplaceEdit, DeleteAndBackspaceRemoveACharacterInEveryTextEditor) {
  struct TStep {
    Qt::Key Key;
    Qt::KeyboardModifiers Mods;
    QString Text;
  };
  // The caret goes by the arrows: Home and End step a spin editor's value.
  const TStep left{Qt::Key_Left, Qt::NoModifier, {}}, right{Qt::Key_Right, Qt::NoModifier, {}};
  const TStep all{Qt::Key_A, Qt::ControlModifier, {}};
  const TStep del{Qt::Key_Delete, Qt::NoModifier, QString(QChar(127))};
  const TStep back{Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8))};
  // Some keyboard maps give Backspace the character 127 too.
  const TStep back127{Qt::Key_Backspace, Qt::NoModifier, QString(QChar(127))};
  const std::vector<TStep> start{left, left, left, left}, end{right, right, right, right};
  const auto keys = [](std::initializer_list<std::vector<TStep>> parts) {
    std::vector<TStep> all_keys;
    for (const auto& part : parts) all_keys.insert(all_keys.end(), part.begin(), part.end());
    return all_keys;
  };
  const struct {
    std::vector<TStep> Keys;
    QString Expected;
  } edits[] = {
      {keys({start, {del}}), "23"},     {keys({start, {right, del}}), "13"},      {keys({end, {del}}), "123"},
      {keys({end, {back}}), "12"},      {keys({start, {back}}), "123"},           {keys({{all, del}}), ""},
      {keys({end, {back, back}}), "1"}, {keys({start, {del}, end, {back}}), "2"},
  };
  const auto textOf = [](QWidget* w) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) return memo->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    return QStringLiteral("<no text editor>");
  };
  for (const TEditorType kind : {edNormal, edPassword, edNumeric, edNumericEditBtn, edFloatUnitEditBtn, edSpinEdit}) {
    for (const auto& edit : edits) {
      TEditedGrid g;
      g.Grid->DefaultEditor = kind;
      g.Grid->SpinMax = 1000;
      g.Open(1, 1, "123");
      QWidget* editor = g.Focused();
      ASSERT_NE(editor, g.View) << "kind " << kind;
      for (const TStep& step : edit.Keys)
        QTest::sendKeyEvent(QTest::Click, g.Focused(), step.Key, step.Text, step.Mods);
      EXPECT_EQ(textOf(editor), edit.Expected) << "kind " << kind << ", expected " << edit.Expected.toStdString();
    }
  }
}
