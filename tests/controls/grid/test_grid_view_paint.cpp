// What the grid view paints: grid lines, selection, hover row, selection styles, hidden last row, merged blocks,
// and that a paint visits only the visible cells however many rows there are.
#include <QDir>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <set>

#include "GridViewFixture.h"
#include "UCanvas.h"
#include "UQrvStringGrid.h"

namespace {
constexpr QRgb NormalLine = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb FixedLine = qRgb(0x80, 0x80, 0x80);

bool Grey(QRgb p) {
  return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
}

// The area a widget has really painted since the last Clear.
class TPaintedArea : public QObject {
 public:
  explicit TPaintedArea(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) Area += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
  // Waits until nothing more is painted, then forgets what was.
  void Settle() {
    for (int i = 0; i < 20; ++i) {
      Area = {};
      QTest::qWait(50);
      if (Area.isEmpty()) return;
    }
  }
  bool Covers(const TRect& r) const {
    return QRegion(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top)).subtracted(Area).isEmpty();
  }
  QRegion Area;
};
}  // namespace

TEST_F(TGridViewTest, GridLinesTakeTheirFixedColours) {
  const QImage shot = Shot();
  if (qEnvironmentVariableIsSet("TARN_GRID_SHOT")) shot.save(QDir::temp().filePath("grid_view.png"));
  // Cell (2, 2) lies at x 80..119, y 40..59: right line at x 119, bottom line at y 59.
  EXPECT_EQ(shot.pixel(119, 45), NormalLine);
  EXPECT_EQ(shot.pixel(90, 59), NormalLine);
  // Fixed column 0 (x 0..39) and fixed row 0 (y 0..19).
  EXPECT_EQ(shot.pixel(39, 45), FixedLine);
  EXPECT_EQ(shot.pixel(90, 19), FixedLine);
  EXPECT_EQ(shot.pixel(20, 19), FixedLine);
  // Inside: the window colour for a plain cell, the face colour for a fixed one.
  EXPECT_EQ(shot.pixel(100, 50), Rgb(clWindow));
  EXPECT_EQ(shot.pixel(20, 50), Rgb(clBtnFace));

  // Colours changed by the user are painted; a width of 3 draws a thicker line ending 2 pixels before the edge.
  View.Grid().SetGridLineColor(clRed);
  View.Grid().SetGridLineWidth(3);
  const QImage thick = Shot();
  for (int x : {117, 118, 119}) EXPECT_EQ(thick.pixel(x, 45), qRgb(255, 0, 0)) << x;
  EXPECT_EQ(thick.pixel(116, 45), Rgb(clWindow));
  EXPECT_EQ(thick.pixel(39, 45), FixedLine);
}

TEST_F(TGridViewTest, SelectionColourFollowsTheCurrentCell) {
  EXPECT_EQ(Middle(1, 1), Rgb(clHighlight));
  EXPECT_EQ(Middle(2, 2), Rgb(clWindow));
  View.Grid().SetRow(2);
  View.Grid().SetCol(2);
  EXPECT_EQ(Middle(2, 2), Rgb(clHighlight));
  EXPECT_EQ(Middle(1, 1), Rgb(clWindow));
  // Without the selection shown the current cell paints like the others.
  View.Grid().SetShowSel(false);
  EXPECT_EQ(Middle(2, 2), Rgb(clWindow));
}

TEST_F(TGridViewTest, HoverRowFollowsTheMouse) {
  TBaseGrid& g = View.Grid();
  g.SetHoverRow(true);
  g.SetHoverRowColor(clLime);
  Move_Mouse(100, 65);  // row 3
  EXPECT_EQ(g.HoverRowIdx(), 3);
  EXPECT_EQ(Middle(2, 3), Rgb(clLime));
  EXPECT_EQ(Middle(2, 2), Rgb(clWindow));
  // Fixed cells join the hover row only with hcFixed.
  EXPECT_EQ(Middle(0, 3), Rgb(clBtnFace));
  g.SetHoverRowCells(hcNormal | hcSelected | hcFixed);
  EXPECT_EQ(Middle(0, 3), Rgb(clLime));

  // The selected cell keeps its selection colour when the hover cells leave out hcSelected.
  Move_Mouse(60, 25);  // row 1, the current cell's
  EXPECT_EQ(Middle(1, 1), Rgb(clLime));
  g.SetHoverRowCells(hcNormal);
  View.viewport()->update();
  EXPECT_EQ(Middle(1, 1), Rgb(clHighlight));
  EXPECT_EQ(Middle(2, 1), Rgb(clLime));

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(View.viewport(), &leave);
  EXPECT_EQ(g.HoverRowIdx(), -1);
}

TEST_F(TGridViewTest, ActiveRowColoursTheCurrentRowButTheCurrentCell) {
  TBaseGrid& g = View.Grid();
  g.SetActiveRowShow(true);
  g.SetActiveRowColor(clYellow);
  EXPECT_EQ(Middle(2, 1), Rgb(clYellow));
  EXPECT_EQ(Middle(1, 1), Rgb(clHighlight));
  EXPECT_EQ(Middle(0, 1), Rgb(clBtnFace));
  EXPECT_EQ(Middle(2, 2), Rgb(clWindow));
}

TEST_F(TGridViewTest, SelectionStylesUseTheUnfocusedSetWithoutFocus) {
  TBaseGrid& g = View.Grid();
  g.SetSelectionStyle(ssWin7);
  View.clearFocus();
  ASSERT_FALSE(g.Focused());
  const QRgb unfocused = Middle(1, 1);
  EXPECT_TRUE(Grey(unfocused)) << std::hex << unfocused;
  EXPECT_NE(unfocused, Rgb(clWindow));
  // goDrawFocusSelected draws the style's own colours although the grid has no focus.
  g.SetOptions(g.Options() | goDrawFocusSelected);
  const QRgb focused = Middle(1, 1);
  EXPECT_FALSE(Grey(focused)) << std::hex << focused;
  // Blue above red in the ssWin7 set (colours are blue-green-red).
  EXPECT_GT(qBlue(focused), qRed(focused));
}

TEST_F(TGridViewTest, HiddenLastRowPaintsInTheGridColour) {
  TBaseGrid& g = View.Grid();
  g.SetRowCount(5);  // rows 0..4 all visible (100 pixels)
  g.SetColor(clAqua);
  EXPECT_EQ(Pixel(119, 85), NormalLine);
  g.SetHideLastRow(true);
  View.viewport()->update();
  EXPECT_EQ(Pixel(119, 85), Rgb(clAqua));
  EXPECT_EQ(Pixel(20, 85), Rgb(clAqua));
}

namespace {
// Counts the content steps per cell and keeps which rows were drawn.
class TCountingGrid : public TBaseGrid {
 public:
  void DrawGridCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state) override {
    ++Calls;
    Rows.insert(r);
    Drawn.push_back({c, r});
    LastRect = rect;
    TBaseGrid::DrawGridCell(canvas, c, r, rect, state);
  }
  int Calls = 0;
  std::set<int32_t> Rows;
  std::vector<TPoint> Drawn;
  TRect LastRect;
};
}  // namespace

TEST(TGridViewPaint, MillionRowsPaintOnlyTheVisibleRows) {
  auto owned = std::make_unique<TCountingGrid>();
  TCountingGrid& g = *owned;
  TGridView view(std::move(owned));
  view.setFrameShape(QFrame::NoFrame);
  view.resize(300, 200);
  g.SetColCount(5);
  g.SetRowCount(1000000);
  for (int32_t r = 0; r < 1000000; r += 1000) g.SetCells(1, r, QString::number(r));
  view.show();
  g.SetTopRow(500000);
  g.Calls = 0;
  g.Rows.clear();
  view.viewport()->grab();
  const int32_t rows = g.VisibleRowCount() + 2;  // the fixed row and a partly shown one
  ASSERT_GT(g.Calls, 0);
  EXPECT_LE(g.Calls, rows * g.ColCount());
  EXPECT_EQ(*g.Rows.begin(), 0);
  EXPECT_GE(*std::next(g.Rows.begin()), 500000);
  EXPECT_LE(*g.Rows.rbegin(), 500000 + rows);
  // The vertical bar stands for TopRow and ends where the last rows fill the viewport.
  EXPECT_EQ(view.verticalScrollBar()->value(), 500000);
  EXPECT_EQ(view.verticalScrollBar()->maximum(), g.MaxTopRow());
  EXPECT_GT(g.MaxTopRow(), 999990);
  view.verticalScrollBar()->setValue(g.MaxTopRow());
  EXPECT_EQ(g.TopRow(), g.MaxTopRow());
}

TEST(TGridViewPaint, MergedBlockIsDrawnOnceOverItsWholeRectangle) {
  TCountingGrid g;
  g.SetColCount(6);
  g.SetRowCount(6);
  g.SetDefaultColWidth(40);
  g.SetDefaultRowHeight(20);
  g.SetBounds(0, 0, 240, 120);
  g.MergeCells(2, 2, 3, 2);  // columns 2..4, rows 2..3: x 80..199, y 40..79
  QImage image(240, 120, QImage::Format_RGB32);
  TCanvas canvas(&image);
  // The base cell (2, 2) lies outside the area; the block's five other cells inside it.
  const TRect area{120, 40, 240, 120};
  g.Paint(canvas, area);
  int blockDraws = 0;
  for (const TPoint& p : g.Drawn)
    if (p.X >= 2 && p.X <= 4 && p.Y >= 2 && p.Y <= 3) ++blockDraws;
  EXPECT_EQ(blockDraws, 1);
  // The content rectangle is the block's, shrunk by the line width.
  bool found = false;
  g.Drawn.clear();
  g.Paint(canvas, TRect{0, 0, 240, 120});
  for (const TPoint& p : g.Drawn) found = found || (p.X == 2 && p.Y == 2);
  EXPECT_TRUE(found);
  blockDraws = 0;
  for (const TPoint& p : g.Drawn)
    if (p.X >= 2 && p.X <= 4 && p.Y >= 2 && p.Y <= 3) ++blockDraws;
  EXPECT_EQ(blockDraws, 1);
  EXPECT_EQ(g.CellRect(3, 3).Left, 80);
  EXPECT_EQ(g.CellRect(3, 3).Right, 200);
}

TEST_F(TGridViewTest, SelectionFrameKindsFollowTheSelectedColumns) {
  TBaseGrid& g = View.Grid();
  g.SetSelectionStyle(ssWin7);
  g.SetOptions(g.Options() | goDrawFocusSelected);
  g.SetSelection(TGridRect{1, 1, 3, 1});  // x 40..159, y 20..39
  const QImage shot = Shot();
  if (qEnvironmentVariableIsSet("TARN_GRID_SHOT")) shot.save(QDir::temp().filePath("grid_view_frame.png"));
  const QRgb border = Rgb(0xCEA27D);
  // The first column has only a left end, the last only a right end, the middle one none.
  EXPECT_EQ(shot.pixel(40, 28), border);
  EXPECT_NE(shot.pixel(78, 28), border);
  EXPECT_NE(shot.pixel(80, 28), border);
  EXPECT_NE(shot.pixel(118, 28), border);
  EXPECT_NE(shot.pixel(120, 28), border);
  EXPECT_EQ(shot.pixel(158, 28), border);
  // A one-column selection has both ends.
  g.SetSelection(TGridRect{2, 2, 2, 2});  // x 80..119, y 40..59
  const QImage single = Shot();
  EXPECT_EQ(single.pixel(80, 48), border);
  EXPECT_EQ(single.pixel(118, 48), border);
}

TEST(TGridViewPaint, OffScreenCellPaintsActiveRowColoursWithoutContent) {
  TCountingGrid g;
  g.SetCells(1, 1, QStringLiteral("text"));
  g.SetActiveRowColor(clYellow);
  QImage image(60, 30, QImage::Format_RGB32);
  image.fill(Qt::black);
  TCanvas canvas(&image);
  g.PaintCellExt(canvas, 1, 1, TRect{0, 0, 60, 30}, gdSelected);
  canvas.Release();
  EXPECT_EQ(g.Calls, 0);
  EXPECT_EQ(image.pixel(30, 15), Rgb(clYellow));
  EXPECT_EQ(image.pixel(59, 10), qRgb(0xC0, 0xC0, 0xC0));
  // On screen the same cell gets its content.
  g.PaintCell(canvas, 1, 1, TRect{0, 0, 60, 30}, TGridDrawState());
  EXPECT_EQ(g.Calls, 1);
}

TEST(TGridViewPaint, LineWidthSetsTheContentRectangle) {
  struct TCase {
    int32_t Width;
    TRect Content;
  };
  // Cell (1, 1) of a 64 x 24 grid lies at (64, 24)..(128, 48).
  for (const TCase& k :
       {TCase{1, TRect{65, 25, 127, 47}}, TCase{3, TRect{67, 27, 125, 45}}, TCase{0, TRect{64, 24, 128, 48}}}) {
    TCountingGrid g;
    g.SetGridLineWidth(k.Width);
    QImage image(320, 120, QImage::Format_RGB32);
    TCanvas canvas(&image);
    g.PaintCell(canvas, 1, 1, TRect{}, TGridDrawState());
    EXPECT_EQ(g.LastRect, k.Content) << k.Width;
  }
  // A fixed cell loses one pixel on the right and two at the bottom.
  TCountingGrid g;
  QImage image(320, 120, QImage::Format_RGB32);
  TCanvas canvas(&image);
  g.PaintCell(canvas, 0, 1, TRect{}, gdFixed);
  EXPECT_EQ(g.LastRect, (TRect{0, 24, 63, 46}));
}

TEST(TGridViewPaint, AdvancedGridPaintsItsCellText) {
  auto owned = std::make_unique<TQrvStringGrid>();
  TQrvStringGrid& g = *owned;
  TGridView view(std::move(owned));
  view.setFrameShape(QFrame::NoFrame);
  view.resize(320, 120);
  g.SetCells(1, 1, QStringLiteral("WWW"));
  g.SetCol(2);  // keep the text cell out of the selection colour
  view.show();
  const QImage shot = view.viewport()->grab().toImage();
  if (qEnvironmentVariableIsSet("TARN_GRID_SHOT")) shot.save(QDir::temp().filePath("grid_view_text.png"));
  const TRect rect = g.CellRect(1, 1);
  int dark = 0;
  for (int x = rect.Left + 1; x < rect.Right - 1; ++x)
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y)
      if (qGray(shot.pixel(x, y)) < 128) ++dark;
  EXPECT_GT(dark, 10);
  QTest::keyClick(&view, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 2);
}

TEST(TGridViewPaint, DefaultSelectionStyleUsesTheVisualPropertiesGradient) {
  // A descendant's looks of the selected cell: a vertical gradient from red to blue.
  class TLooksGrid : public TBaseGrid {
   public:
    void GetVisualProperties(int32_t, int32_t, TGridDrawState& state, bool, bool, bool, TBrush& brush,
                             TColor& colorTo, TColor&, TColor&, TFont&, TAlignment&, TVAlignment&, bool&,
                             TCellGradientDirection&) override {
      if (!(state & gdSelected)) return;
      brush.Color = clRed;
      colorTo = clBlue;
    }
  };
  TLooksGrid g;
  QImage image(320, 120, QImage::Format_RGB32);
  TCanvas canvas(&image);
  g.Paint(canvas, TRect{0, 0, 320, 120});
  canvas.Release();
  const TRect cell = g.CellRect(1, 1);
  const QRgb top = image.pixel(cell.Left + 10, cell.Top + 1);
  const QRgb bottom = image.pixel(cell.Left + 10, cell.Bottom - 3);
  EXPECT_GT(qRed(top), qBlue(top));
  EXPECT_GT(qBlue(bottom), qRed(bottom));
  // Cells that are not selected keep the window colour.
  EXPECT_EQ(image.pixel(g.CellRect(2, 2).Left + 10, g.CellRect(2, 2).Top + 10), Rgb(clWindow));
}

TEST(TGridViewPaint, EveryCellWriteRepaintsItsCellWhileAnotherWindowIsInFront) {
  auto owned = std::make_unique<TQrvStringGrid>();
  TQrvStringGrid& g = *owned;
  TGridView view(std::move(owned));
  Show_Small_Grid(view);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  // A question in front, as when a window changes its rows after asking.
  QWidget question;
  question.resize(80, 40);
  question.show();
  question.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&question));
  TPaintedArea painted(*view.viewport());
  struct Case {
    const char* what;
    std::function<void()> before, change;
    TPoint shown;  // the display cell that must be painted again
  };
  const auto nothing = [] {};
  const Case cases[] = {
      {"text into an empty cell", nothing, [&] { g.SetCells(2, 3, QStringLiteral("new")); }, {2, 3}},
      {"text overwritten", nothing, [&] { g.SetCells(2, 3, QStringLiteral("newer")); }, {2, 3}},
      {"text cleared", nothing, [&] { g.SetCells(2, 3, QString()); }, {2, 3}},
      {"a number", nothing, [&] { g.SetInts(3, 6, 42); }, {3, 6}},
      {"a cell with its own colour",
       [&] { g.SetColors(4, 5, clYellow); },
       [&] { g.SetCells(4, 5, QStringLiteral("x")); },
       {4, 5}},
      {"a cell right of a hidden column, by real column",
       [&] { g.HideColumn(1); },
       [&] { g.SetCells(4, 2, QStringLiteral("y")); },
       {3, 2}},
  };
  for (const Case& c : cases) {
    c.before();
    painted.Settle();  // what the preparation repaints is not the write's
    c.change();
    for (int i = 0; i < 50 && !painted.Covers(g.CellRect(c.shown.X, c.shown.Y)); ++i) QTest::qWait(10);
    EXPECT_TRUE(painted.Covers(g.CellRect(c.shown.X, c.shown.Y))) << c.what;
  }
}
