// What the grid's text editor tells a grid descendant while the user types: each key-down first, a key the
// descendant takes, the text and caret after each key-up, the formula switch; and the appended row going through
// the grid's own row-count step.
#include "GridEditorFixture.h"
#include "UGridKeys.h"

namespace {

class TListeningGrid : public TQrvStringGrid {
 public:
  void InplaceKeyMessage(uint16_t key, TShiftState shift) override { Messages.push_back({key, shift}); }
  void InplaceKeyDown(uint16_t& key, TShiftState) override {
    Downs.push_back(key);
    if (key == Swallowed) key = 0;
  }
  void EditTextChanged(const QString& text, TPoint caretPoint, int32_t caretIndex) override {
    Texts.push_back({text, caretIndex});
    Points.push_back(caretPoint);
  }
  void FormulaEditMode(bool on) override { Formula.push_back(on); }
  void IncRowCount() override {
    ++Appended;
    TQrvStringGrid::IncRowCount();
  }

  std::vector<std::pair<uint16_t, TShiftState>> Messages;
  std::vector<uint16_t> Downs;
  std::vector<std::pair<QString, int32_t>> Texts;
  std::vector<TPoint> Points;
  std::vector<bool> Formula;
  uint16_t Swallowed = 0;
  int Appended = 0;
};

struct TListened {
  TListened() : Owned(std::make_unique<TListeningGrid>()), Grid(Owned.get()), Window(std::move(Owned)) {}
  std::unique_ptr<TListeningGrid> Owned;
  TListeningGrid* Grid;
  TEditedGrid Window;
};

TEST(InplaceGridHooks, EveryKeyDownIsOfferedFirstAndTextFollowsEachKeyUp) {
  TListened t;
  t.Window.Open(1, 1, "");
  ASSERT_EQ(t.Window.Focused(), t.Window.Edit()->Face());
  t.Window.Type("ab");
  t.Window.Key(Qt::Key_Left, Qt::ShiftModifier);

  // The Shift key's own key-down comes before Left, as the desktop sends it.
  ASSERT_GE(t.Grid->Messages.size(), 3u);
  EXPECT_EQ(t.Grid->Messages[0].first, 'A');
  EXPECT_EQ(t.Grid->Messages[1].first, 'B');
  EXPECT_EQ(t.Grid->Messages.back().first, VK_LEFT);
  EXPECT_TRUE(t.Grid->Messages.back().second.testFlag(ssShift));
  EXPECT_FALSE(t.Grid->Messages[0].second.testFlag(ssShift));

  // After "a" the caret is at 1, after "b" at 2; Shift+Left leaves it at 1 with "b" selected.
  ASSERT_GE(t.Grid->Texts.size(), 3u);
  EXPECT_EQ(t.Grid->Texts[0], std::make_pair(QString("a"), 1));
  EXPECT_EQ(t.Grid->Texts[1], std::make_pair(QString("ab"), 2));
  EXPECT_EQ(t.Grid->Texts.back().second, 1);
  // The point is of the character before the caret: the second character stands right of the first.
  EXPECT_GT(t.Grid->Points[1].X, t.Grid->Points[0].X);
  EXPECT_EQ(t.Grid->Points.back().X, t.Grid->Points[0].X);
}

TEST(InplaceGridHooks, AKeyTheDescendantTakesNeverReachesTheText) {
  TListened t;
  t.Grid->Swallowed = 'X';
  t.Window.Open(1, 1, "");
  t.Window.Type("axb");
  EXPECT_EQ(t.Window.Edit()->text(), "ab");
  EXPECT_EQ(t.Grid->Downs, (std::vector<uint16_t>{'A', 'X', 'B'}));
}

TEST(InplaceGridHooks, FormulaModeFollowsTheLeadingEqualsSignAndEndsWithTheEdit) {
  TListened t;
  t.Window.Open(1, 1, "");
  t.Window.Type("=1");
  t.Window.Key(Qt::Key_Home);
  t.Window.Key(Qt::Key_Delete);
  ASSERT_EQ(t.Grid->Formula, (std::vector<bool>{true, true, true, false}));
  t.Window.Other->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(t.Grid->Formula.back());
  EXPECT_GT(t.Grid->Formula.size(), 4u);
}

TEST(InplaceGridHooks, ARowAppendedByTheDownKeyGoesThroughTheRowCountStep) {
  TListened t;
  t.Grid->Navigation().SetAppendOnArrowDown(true);
  t.Window.Open(1, 5, "x");
  t.Window.Key(Qt::Key_Down);
  EXPECT_EQ(t.Grid->Appended, 1);
  EXPECT_EQ(t.Grid->RowCount(), 7);
}

}  // namespace
