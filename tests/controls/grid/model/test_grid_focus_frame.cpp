// The glow around the edited cell: when the grid asks its window to show, move and hide it, and the picture it
// hands over.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {

class TGlowHost : public TRecordingHost {
 public:
  void ShowFocusFrame(const QImage& glow, const TRect& frame) override {
    Glow = glow;
    Frame = frame;
    Shown = true;
    ++Shows;
  }
  void HideFocusFrame() override { Shown = false; }
  QImage Glow;
  TRect Frame;
  bool Shown = false;
  int Shows = 0;
};

// 5 columns of 60 pixels, 6 rows of 20, one fixed row and column, focused, editable.
struct FocusFrame : ::testing::Test {
  FocusFrame() {
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetBounds(0, 0, 400, 300);
    for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 6; ++r) grid.SetRowHeights(r, 20);
    grid.SetHost(&host);
    grid.SetEditors(&editors);
    host.Focus = true;
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetCol(2);
    grid.SetRow(3);
  }
  ~FocusFrame() override {
    grid.SetEditors(nullptr);
    grid.SetHost(nullptr);
  }
  TQrvStringGrid grid;
  TGlowHost host;
  TRecordingEditors editors;
};

}  // namespace

TEST_F(FocusFrame, AnEditShowsTheGlowRingAroundTheCellOnlyWithTheHelperOn) {
  grid.ShowInplaceEdit();
  ASSERT_FALSE(editors.Shown.empty()) << "the edit opened";
  EXPECT_EQ(host.Shows, 0) << "helper off: no glow";
  grid.HideInplaceEdit();

  grid.FocusHelper().SetEnabled(true);
  grid.ShowInplaceEdit();
  ASSERT_TRUE(host.Shown);
  const TRect cell = grid.CellRect(2, 3);
  EXPECT_EQ(host.Frame, (TRect{cell.Left - 4, cell.Top - 4, cell.Right + 5, cell.Bottom + 5}));
  EXPECT_EQ(host.Glow.size(), QSize(cell.Right - cell.Left + 9, cell.Bottom - cell.Top + 9));

  // A move of the window puts it over the current cell again.
  grid.SetLeftCol(2);
  grid.PlaceFocusWindow();
  const TRect moved = grid.CellRect(2, 3);
  ASSERT_NE(moved.Left, cell.Left);
  EXPECT_EQ(host.Frame.Left, moved.Left - 4);
}

TEST_F(FocusFrame, TheGlowGoesWithAnAcceptedValueOrAClosedEditAndStaysWhileAValueIsRefused) {
  grid.FocusHelper().SetEnabled(true);
  bool accept = false;
  grid.OnCellValidate = [&](TQrvStringGrid*, int32_t, int32_t, QString&, bool& valid) { valid = accept; };
  grid.ShowInplaceEdit();
  ASSERT_TRUE(host.Shown);
  grid.ValidateCell(QStringLiteral("refused"));
  EXPECT_TRUE(host.Shown) << "the edit goes on";
  accept = true;
  grid.ValidateCell(QStringLiteral("taken"));
  EXPECT_FALSE(host.Shown);
  EXPECT_FALSE(grid.FocusFrameShown());

  grid.ShowInplaceEdit();
  ASSERT_TRUE(host.Shown);
  grid.HideInplaceEdit();
  EXPECT_FALSE(host.Shown) << "an edit closed without a validation leaves no glow";
  const int shows = host.Shows;
  grid.PlaceFocusWindow();
  EXPECT_EQ(host.Shows, shows) << "a hidden glow is not brought back by a window move";
}

TEST(FocusGlowPicture, ALightBlueRingThatFadesOutsideAndLeavesTheCellClear) {
  const QImage glow = TQrvStringGrid::FocusGlowPicture(60, 20);
  ASSERT_EQ(glow.size(), QSize(69, 29));
  // On the ring (the outline runs just outside the cell): the glow colour, mostly opaque but never fully.
  const QColor ring = QColor::fromRgba(glow.pixel(34, 2)).toRgb();
  EXPECT_GT(ring.alpha(), 100);
  EXPECT_LE(ring.alpha(), 230);
  const QColor straight = QColor::fromRgba(qUnpremultiply(glow.pixel(34, 2)));
  EXPECT_NEAR(straight.red(), 0x97, 3);
  EXPECT_NEAR(straight.green(), 0xD3, 3);
  EXPECT_NEAR(straight.blue(), 0xFD, 3);
  // Inside the cell nothing is tinted, and the very corner outside the rounded ring is nearly clear.
  for (const QPoint p : {QPoint(4, 4), QPoint(34, 14), QPoint(63, 23)})
    EXPECT_EQ(qAlpha(glow.pixel(p)), 0) << p.x() << "," << p.y();
  EXPECT_LT(qAlpha(glow.pixel(0, 0)), ring.alpha());
}
