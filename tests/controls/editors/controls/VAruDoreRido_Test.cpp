#include "VAruDoreRido.h"

#include "UQrvStringGrid.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

namespace {

// A grid as the rich edit sees it: rows of recorded heights, and a record of what the editor asked of it.
class TFakeGrid : public QWidget, public IRichEditGrid {
 public:
  TFakeGrid() { setFocusPolicy(Qt::StrongFocus); }
  ~TFakeGrid() override {
    delete Inplace;
    delete Shared;
  }

  QWidget* GridWidget() override { return this; }
  VAruDoreRido* RichEdit() override { return Shared; }
  VAruDoreRido* InplaceRichEdit() override { return Inplace; }
  void ShowInplaceEdit() override { ++Shows; }
  void HideInplaceEdit() override { ++Hides; }
  void GridKeyDown(int key, Qt::KeyboardModifiers shift) override { Keys.push_back({key, shift}); }
  int32_t Col() const override { return 1; }
  int32_t Row() const override { return 2; }
  TRect CellRect(int32_t, int32_t) const override { return Rect(50, CellTop, 150, CellTop + Heights[2]); }
  int32_t RowHeights(int32_t row) const override { return Heights[row]; }
  void SetRowHeights(int32_t row, int32_t height) override { Heights[row] = height; }
  int32_t GridHeight() const override { return height(); }
  bool SizeWhileTypingHeight() const override { return SizeWhileTyping; }
  bool WordWrap() const override { return Wrap; }
  bool Multilinecells() const override { return false; }
  bool HasTabsOption() const override { return Tabs; }
  bool InvokedFocusChange() const override { return Invoked; }
  void EndRowSize(int32_t row) override { EndedRows.push_back(row); }

  VAruDoreRido* Shared = nullptr;
  VAruDoreRido* Inplace = nullptr;
  int Shows = 0, Hides = 0;
  std::vector<std::pair<int, Qt::KeyboardModifiers>> Keys;
  std::vector<int32_t> EndedRows;
  int32_t Heights[4] = {20, 20, 20, 20};
  int32_t CellTop = 40;
  bool SizeWhileTyping = true, Wrap = false, Tabs = true, Invoked = false;
};

class RichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Grid.resize(300, 300);
    Grid.show();
    Grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Grid, 2000));
    Grid.Inplace = new VAruDoreRido(&Grid);
    Grid.Inplace->setGeometry(50, Grid.CellTop, 100, 20);
    Grid.Inplace->show();
    Grid.Inplace->setFocus();
  }
  VAruDoreRido* Edit() { return Grid.Inplace; }

  TFakeGrid Grid;
};

TEST(RichEdit, OwnerMustBeAGrid) {
  QWidget plain;
  try {
    VAruDoreRido edit(&plain);
    ADD_FAILURE();
  } catch (const EInvalidCast& e) {
    EXPECT_EQ(e.Message(), "Invalid class typecast");
  }
}

TEST_F(RichEditTest, SelectionOffsetsAndTheirRtf) {
  Edit()->setPlainText("H2O x2");
  QTextCursor c = Edit()->textCursor();
  c.setPosition(1);
  c.setPosition(2, QTextCursor::KeepAnchor);
  Edit()->setTextCursor(c);
  EXPECT_TRUE(Edit()->IsSelNormal());
  Edit()->SelSubscript();
  EXPECT_TRUE(Edit()->IsSelSubscript());
  c.setPosition(5);
  c.setPosition(6, QTextCursor::KeepAnchor);
  Edit()->setTextCursor(c);
  Edit()->SelSuperscript();
  EXPECT_TRUE(Edit()->IsSelSuperscript());
  EXPECT_FALSE(Edit()->IsSelNormal());
  EXPECT_FALSE(Edit()->IsSelSubscript());

  const QByteArray rtf = Edit()->Rtf();
  EXPECT_TRUE(rtf.contains("\\dn4 2")) << rtf.constData();
  EXPECT_TRUE(rtf.contains("\\up4 2")) << rtf.constData();
  // Into the shared instance and back: the offsets survive.
  Grid.Shared = new VAruDoreRido(&Grid);
  Grid.Shared->SetRtf(rtf);
  EXPECT_EQ(Grid.Shared->toPlainText(), "H2O x2");
  EXPECT_EQ(Grid.Shared->Runs(), Edit()->Runs());
  QTextCursor s = Grid.Shared->textCursor();
  s.setPosition(1);
  s.setPosition(2, QTextCursor::KeepAnchor);
  Grid.Shared->setTextCursor(s);
  EXPECT_TRUE(Grid.Shared->IsSelSubscript());
  Grid.Shared->SelNormal();
  EXPECT_TRUE(Grid.Shared->IsSelNormal());
  EXPECT_GT(Grid.Shared->ReqHeight(), 0);
  EXPECT_GT(Grid.Shared->ReqWidth(), 0);
  EXPECT_THROW(Grid.Shared->SetRtf("no rich text"), ERichTextError);
}

TEST_F(RichEditTest, RunsRoundTripThroughTheDocument) {
  TRichFormat bold;
  bold.Bold = true;
  bold.FontName = "DejaVu Sans";
  bold.FontSize = 12;
  TRichFormat red;
  red.Color = 0x0000FF;
  red.Italic = true;
  red.Underline = true;
  TRichFormat low;
  low.Offset = -40;
  const TRichRuns runs = {{"first ", {}}, {"bold", bold}, {"\nsecond\tline", red}, {"2", low}, {"\n\nend", {}}};
  Edit()->SetRuns(runs);
  EXPECT_EQ(Edit()->Runs(), runs);
  EXPECT_EQ(ReadRtf(Edit()->Rtf()), runs);
  Edit()->ReCreate();
  EXPECT_TRUE(Edit()->Runs().empty());
}

TEST_F(RichEditTest, CellsGoIntoTheEditAndBackUnchanged) {
  TRichFormat bold;
  bold.Bold = true;
  const TRichRuns formatted = {{QStringLiteral("caf\u00E9 \u03A9 "), {}}, {QStringLiteral("bold"), bold}};
  struct Case {
    const char* name;
    QString cell;
    TRichRuns shown;
  };
  const QString tooDeep = QStringLiteral("{\\rtf1 ") + QString(RtfMaxGroupDepth + 1, u'{') + QStringLiteral("x");
  const std::vector<Case> cases = {
      {"document", QString::fromLatin1(WriteRtf(formatted)), formatted},
      {"plain text beyond Latin-1", QStringLiteral("\u03A9mega\nline"), {{QStringLiteral("\u03A9mega\nline"), {}}}},
      {"empty cell", QString(), {}},
      {"unreadable document", tooDeep, {{tooDeep, {}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TQrvStringGrid grid;
    Edit()->SetRuns({{QStringLiteral("old"), bold}});
    grid.SetCells(1, 1, c.cell);
    grid.CellToRich(1, 1, *Edit());
    EXPECT_EQ(Edit()->Runs(), c.shown);
    grid.RichToCell(2, 1, *Edit());
    EXPECT_TRUE(IsRtfText(grid.Cells(2, 1).toLatin1()));
    EXPECT_EQ(ReadRtf(grid.Cells(2, 1).toLatin1()), c.shown);
  }
}

TEST_F(RichEditTest, TypingGrowsTheRowUnlessLockedOrAtTheBottom) {
  QTest::keyClicks(Edit(), "one");
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(Edit(), Qt::Key_Return);
    QTest::keyClicks(Edit(), "more");
  }
  ASSERT_FALSE(Grid.EndedRows.empty());
  EXPECT_EQ(Grid.EndedRows.back(), 2);
  EXPECT_GT(Grid.Heights[2], 40);
  EXPECT_EQ(Edit()->height(), Grid.Heights[2] - 1);
  EXPECT_EQ(Grid.Heights[1], 20);

  const int32_t grown = Grid.Heights[2];
  const size_t events = Grid.EndedRows.size();
  Edit()->Lock();
  QTest::keyClick(Edit(), Qt::Key_Return);
  QTest::keyClicks(Edit(), "locked");
  EXPECT_EQ(Grid.Heights[2], grown);
  Edit()->Unlock();

  Grid.CellTop = 250;  // the next line would reach past the grid's bottom
  QTest::keyClick(Edit(), Qt::Key_Return);
  QTest::keyClicks(Edit(), "bottom");
  EXPECT_EQ(Grid.Heights[2], grown);
  EXPECT_EQ(Grid.EndedRows.size(), events);
}

TEST_F(RichEditTest, KeysGoBackToTheGrid) {
  QTest::keyClicks(Edit(), "ab");
  QTest::keyClick(Edit(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Edit()->toPlainText(), "ab");  // the Tab is not typed into the cell
  ASSERT_EQ(Grid.Keys.size(), 1u);
  EXPECT_EQ(Grid.Keys[0].first, int(Qt::Key_Tab));
  EXPECT_EQ(Grid.Keys[0].second, Qt::ShiftModifier);
  EXPECT_EQ(Grid.Shows, 1);
  EXPECT_EQ(Grid.Hides, 1);  // the grid took the focus

  Edit()->setFocus();
  QTest::keyClick(Edit(), Qt::Key_Down);
  ASSERT_EQ(Grid.Keys.size(), 2u);
  EXPECT_EQ(Grid.Keys[1].first, int(Qt::Key_Down));
  EXPECT_TRUE(Grid.hasFocus());
  EXPECT_EQ(Grid.Hides, 2);

  // With word wrap the arrows stay in the editor; without the grid's Tab option a Tab is text.
  Grid.Wrap = true;
  Grid.Tabs = false;
  Edit()->setFocus();
  QTest::keyClick(Edit(), Qt::Key_Up);
  QTest::keyClick(Edit(), Qt::Key_Tab);
  EXPECT_EQ(Grid.Keys.size(), 2u);
  EXPECT_TRUE(Edit()->hasFocus());
  EXPECT_TRUE(Edit()->toPlainText().contains('\t'));

  // While the grid moves the focus itself, losing it closes nothing.
  Grid.Invoked = true;
  Grid.setFocus();
  EXPECT_FALSE(Edit()->hasFocus());
  EXPECT_EQ(Grid.Hides, 2);
}

}  // namespace
