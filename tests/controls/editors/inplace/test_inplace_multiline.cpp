// The text editor's lines: which key breaks a line and which ends the edit, the cell's line breaks in and out,
// Up and Down inside the text, word wrap, and the row and column growing while typing.
#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>

#include "GridEditorFixture.h"

namespace {

struct TLineFeedCase {
  const char* Name;
  bool WordWrap;
  bool Multilinecells;
  bool AllowCtrlEnter;
  bool LineFeedOnEnter;
  TEditorType Kind;
  Qt::KeyboardModifiers Mods;
  bool EndsEdit;
  QString Cell;
};

// Types "a", the key, and (while the editor is still open) "b"; then the edit is closed and the cell read.
TEST(InplaceMultiLine, EnterEndsTheEditOrBreaksTheLineAsTheNavigationSays) {
  const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
  const std::vector<TLineFeedCase> cases = {
      {"Enter ends", true, false, true, false, edNormal, none, true, "a"},
      {"Ctrl+Enter breaks in a wrapping grid", true, false, true, false, edNormal, ctrl, false, "a\r\nb"},
      {"Ctrl+Enter breaks with multi-line cells", false, true, true, false, edNormal, ctrl, false, "a\r\nb"},
      {"Ctrl+Enter is ignored in a one-line grid", false, false, true, false, edNormal, ctrl, false, "ab"},
      {"Ctrl+Enter is ignored when not allowed", true, false, false, false, edNormal, ctrl, false, "ab"},
      {"Enter breaks with LineFeedOnEnter", false, false, true, true, edNormal, none, false, "a\r\nb"},
      {"LineFeedOnEnter in a case kind", false, false, true, true, edUpperCase, none, false, "A\r\nB"},
      {"a password cannot break its line", true, false, true, true, edPassword, none, true, "a"},
      {"nor Ctrl+Enter there", true, false, true, false, edPassword, ctrl, false, "ab"},
  };
  for (const TLineFeedCase& c : cases) {
    TEditedGrid g;
    g.Grid->SetWordWrap(c.WordWrap);
    g.Grid->Multilinecells = c.Multilinecells;
    g.Grid->Navigation().SetAllowCtrlEnter(c.AllowCtrlEnter);
    g.Grid->Navigation().SetLineFeedOnEnter(c.LineFeedOnEnter);
    g.Grid->DefaultEditor = c.Kind;
    g.Open(1, 1, "");
    ASSERT_EQ(g.Focused(), g.Edit()->Face()) << c.Name;
    g.Type("a");
    g.Key(Qt::Key_Return, c.Mods);
    EXPECT_EQ(g.Edit()->isVisible(), !c.EndsEdit) << c.Name;
    if (!c.EndsEdit) {
      g.Type("b");
      g.Grid->HideInplaceEdit();
    }
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Cell) << c.Name;
  }
}

TEST(InplaceMultiLine, TheCellsLineBreaksComeBackAsTheyWere) {
  TEditedGrid g;
  g.Grid->Multilinecells = true;
  g.Open(1, 2, "one\r\ntwo\rthree");
  EXPECT_EQ(g.Edit()->text(), "one\ntwo\nthree");
  g.Key(Qt::Key_Return);
  EXPECT_FALSE(g.Edit()->isVisible());
  EXPECT_EQ(g.Grid->Cells(1, 2), "one\r\ntwo\r\nthree") << "every line break is stored as CR LF";
}

// Up and Down move between the lines of the text and leave the cell only from its first or last line.
TEST(InplaceMultiLine, UpAndDownWalkTheLinesBeforeLeavingTheCell) {
  TEditedGrid g;
  g.Grid->Multilinecells = true;
  g.Open(1, 2, "one\r\ntwo");
  g.Key(Qt::Key_Up);
  EXPECT_TRUE(g.Edit()->isVisible());
  EXPECT_EQ(g.Grid->Row(), 2);
  g.Key(Qt::Key_Down);
  EXPECT_TRUE(g.Edit()->isVisible());
  EXPECT_EQ(g.Grid->Row(), 2);
  g.Type("!");
  g.Key(Qt::Key_Down);
  EXPECT_EQ(g.Grid->Row(), 3);
  EXPECT_EQ(g.Grid->Cells(1, 2), "one\r\ntwo!");
}

// How many lines the face lays the text out in.
qreal Face_Lines(TEditedGrid& g) {
  auto* memo = qobject_cast<QPlainTextEdit*>(g.Edit()->Face());
  return memo ? memo->document()->documentLayout()->documentSize().height() : -1;
}

TEST(InplaceMultiLine, TheTextWrapsOnlyInAWrappingGrid) {
  for (const bool wrap : {true, false}) {
    TEditedGrid g;
    g.Grid->SetWordWrap(wrap);
    g.Open(1, 1, "wrapping words here");
    ASSERT_TRUE(g.Edit()->MultiLine());
    if (wrap)
      EXPECT_GT(Face_Lines(g), 1);
    else
      EXPECT_EQ(Face_Lines(g), 1);
  }
}

TEST(InplaceMultiLine, RowsAndColumnsGrowWhileTypingWhenAsked) {
  {
    // A wrapping grid: the row grows with the wrapped text and the owner hears of it.
    TEditedGrid g;
    g.Grid->SizeWhileTyping().Height = true;
    std::vector<int32_t> sized;
    g.Grid->OnEndRowSize = [&](TQrvStringGrid*, int32_t row) { sized.push_back(row); };
    const int32_t before = g.Grid->RowHeights(1);
    g.Open(1, 1, "");
    g.Type("many words to wrap");
    EXPECT_GT(g.Grid->RowHeights(1), before);
    ASSERT_FALSE(sized.empty());
    EXPECT_EQ(sized.back(), 1);
    EXPECT_EQ(g.Edit()->height(), g.Grid->RowHeights(1)) << "the editor follows the row";
    // Escape still puts the text from before the edit back.
    g.Key(Qt::Key_Escape);
    EXPECT_EQ(g.Grid->Cells(1, 1), "");
  }
  {
    // Multi-line cells without wrap: a new line makes room for itself.
    TEditedGrid g;
    g.Grid->SetWordWrap(false);
    g.Grid->Multilinecells = true;
    g.Grid->SizeWhileTyping().Height = true;
    const int32_t before = g.Grid->RowHeights(2);
    g.Open(1, 2, "x");
    g.Key(Qt::Key_End);
    g.Key(Qt::Key_Return, Qt::ControlModifier);
    g.Type("y");
    EXPECT_GT(g.Grid->RowHeights(2), before);
  }
  {
    // The column takes the typed text's width; without the switches nothing grows.
    for (const bool grow : {true, false}) {
      TEditedGrid g;
      g.Grid->SetWordWrap(false);
      g.Grid->SizeWhileTyping().Width = grow;
      g.Open(2, 1, "");
      g.Type("a rather long text");
      EXPECT_EQ(g.Grid->ColWidths(2) > 60, grow);
      EXPECT_EQ(g.Grid->RowHeights(1), 20);
    }
  }
}

}  // namespace
