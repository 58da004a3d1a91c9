// The layers of a painted cell read back from pixels: what a markup cell is given (pictures, blink phase, a pressed
// embedded button), the background layers of cells whose graphic hides the text, hovered fixed cells, the disabled
// look, the list-view header states, the row indicator and the tiled area past the last cell.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "../../support/FakeThemeModule.h"
#include "GridPixels.h"
#include "GridTestHost.h"
#include "UCanvas.h"
#include "UColorMath.h"
#include "UPictureContainer.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"
#include "USysColors.h"

namespace {

bool Dark(QRgb p) {
  return qGray(p) < 100;
}

class TLayerHost : public TRecordingHost {
 public:
  bool IsEnabled() const override { return Enabled; }
  bool Enabled = true;
};

// Five columns of 40 pixels and five rows of 20 (one fixed of each) in a 200 x 100 client area.
template <typename TGrid = TQrvStringGrid>
struct TLayerGrid {
  TLayerGrid() {
    SetUpSmallGrid(grid);
    grid.SetHost(&host);
  }
  ~TLayerGrid() { grid.SetHost(nullptr); }
  QImage Shot() { return PaintedShot(grid, 200, 100); }
  int32_t Count(const QImage& shot, int32_t c, int32_t r, QRgb colour) {
    return CountPixels(shot, grid.CellRect(c, r), [&](QRgb p) { return p == colour; });
  }
  TGrid grid;
  TLayerHost host;
};

QImage Filled(int32_t w, int32_t h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// One cell's own image list, the rest the grid's.
class TCellListGrid : public TQrvStringGrid {
 public:
  TMarkupImageList* GetCellImageList(int32_t c, int32_t r) override {
    return c == 2 && r == 1 ? Own : TQrvStringGrid::GetCellImageList(c, r);
  }
  TMarkupImageList* Own = nullptr;
};
}  // namespace

TEST(GridPaintLayers, MarkupCellsShowTheGridsPictures) {
  TLayerGrid<TCellListGrid> g;
  const QRgb red = qRgb(0xE0, 0x10, 0x10), blue = qRgb(0x10, 0x10, 0xE0), green = qRgb(0x10, 0xE0, 0x10);
  TMarkupImageList gridList(8, 6), ownList(8, 6);
  gridList.Add(Filled(8, 6, red));
  ownList.Add(Filled(8, 6, blue));
  g.grid.GridImages = &gridList;
  g.grid.Own = &ownList;
  TPictureContainer container;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  Filled(20, 10, green).save(&buffer, "PNG");
  TPictureItem* item = container.Items().Add();
  item->SetName(QStringLiteral("logo"));
  item->Picture().ReadData(png);
  g.grid.PictureContainer = &container;
  g.grid.EnableHTML = true;
  g.grid.SetCells(1, 1, QStringLiteral("<IMG SRC=\"IDX:0\">"));
  g.grid.SetCells(2, 1, QStringLiteral("<IMG SRC=\"IDX:0\">"));
  g.grid.SetCells(1, 2, QStringLiteral("<IMG SRC=\"logo\">"));
  g.grid.SetCol(4);
  const QImage shot = g.Shot();
  EXPECT_EQ(g.Count(shot, 1, 1, red), 8 * 6);
  EXPECT_EQ(g.Count(shot, 2, 1, blue), 8 * 6);
  EXPECT_EQ(g.Count(shot, 2, 1, red), 0);
  EXPECT_EQ(g.Count(shot, 1, 2, green), 20 * 10);
  // Measured with the same pictures: the widest picture decides the width.
  EXPECT_EQ(g.grid.GetCellTextSize(1, 2, false, false).cx, 20 + 2);
  EXPECT_EQ(g.grid.GetCellTextSize(1, 1, false, false).cx, 8 + 2);
  g.grid.PictureContainer = nullptr;
  g.grid.GridImages = nullptr;
}

TEST(GridPaintLayers, BlinkingTextFollowsThePhaseOnlyWhileBlinking) {
  struct TCase {
    const char* Name;
    bool Blink;
    int32_t Ticks;
    bool Shown;
  };
  for (const TCase& k :
       {TCase{"blinking off", false, 0, true}, TCase{"blinking, hidden phase", true, 0, false},
        TCase{"blinking, shown phase", true, 1, true}, TCase{"blinking, hidden again", true, 2, false}}) {
    TLayerGrid g;
    g.grid.EnableHTML = true;
    g.grid.EnableBlink = k.Blink;
    g.grid.SetCells(1, 1, QStringLiteral("<BLINK>WWW</BLINK>"));
    g.grid.SetCol(4);
    for (int32_t i = 0; i < k.Ticks; ++i) g.grid.TimerTick();
    const QImage shot = g.Shot();
    const int32_t ink = CountPixels(shot, g.grid.CellRect(1, 1), Dark);
    EXPECT_EQ(ink > 0, k.Shown) << k.Name;
  }
}

TEST(GridPaintLayers, EmbeddedButtonDrawnPressedUntilTheRelease) {
  TLayerGrid g;
  g.grid.EnableHTML = true;
  g.grid.SetOptions(g.grid.Options() | goEditing);
  g.grid.SetColWidths(1, 80);
  g.grid.SetRowHeights(1, 34);
  g.grid.SetCells(1, 1, QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"60\">"));
  g.grid.SetCol(3);
  g.grid.SetRow(3);
  const TRect cell = g.grid.CellRect(1, 1);
  auto cellShot = [&] { return g.Shot().copy(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top); };
  const QImage up = cellShot();
  const TRect button = g.grid.CellControlRect(1, 1, QStringLiteral("b"));
  ASSERT_LT(button.Left, button.Right);
  const int32_t x = (button.Left + button.Right) / 2, y = (button.Top + button.Bottom) / 2;
  QString clicked;
  g.grid.OnControlClick = [&](TQrvStringGrid*, int32_t, int32_t, const QString& id, const QString&, const QString&) {
    clicked = id;
  };
  g.grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, x, y);
  EXPECT_EQ(clicked, QStringLiteral("b"));
  const QImage down = cellShot();

  EXPECT_NE(down, up);
  g.grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, x, y);
  EXPECT_EQ(cellShot(), up);
}

TEST(GridPaintLayers, CellsWhoseGraphicHidesTheTextKeepTheBackgroundLayers) {
  TLayerGrid g;
  g.grid.BackGround.Display = bdGradientVert;
  g.grid.BackGround.Color = 0x00C800;  // one green from top to bottom: any part of it is that green
  g.grid.BackGround.ColorTo = 0x00C800;
  g.grid.AddCheckBox(1, 1, true, true);
  g.grid.AddProgress(2, 1, clBlue, clWhite);
  g.grid.SetCells(2, 1, QStringLiteral("40"));
  g.grid.SetCells(3, 1, QStringLiteral("a"));
  g.grid.SetCol(4);
  g.grid.SetRow(4);
  const QRgb green = qRgb(0, 0xC8, 0);
  const QImage shot = g.Shot();
  // Around the check box the gradient shows, as in the plain text cell beside it.
  EXPECT_GT(g.Count(shot, 1, 1, green), 100);
  EXPECT_GT(g.Count(shot, 3, 1, green), 100);

  // The selection outline runs unbroken over a progress cell.
  TLayerGrid s;
  s.grid.SelectionRectangle = true;
  s.grid.SelectionRectangleColor = 0x0000FF;
  s.grid.AddProgress(2, 2, clBlue, clWhite);
  s.grid.SelectCells(1, 1, 3, 2);
  const QImage selected = s.Shot();
  const TRect progress = s.grid.CellRect(2, 2);
  const QRgb red = qRgb(0xFF, 0, 0);
  EXPECT_EQ(selected.pixel((progress.Left + progress.Right) / 2, progress.Bottom - 2), red);
}

TEST(GridPaintLayers, HoverRowColourShowsInFixedCellsThatTakePart) {
  for (bool fixedTakePart : {false, true}) {
    TLayerGrid g;
    g.grid.SetHoverRow(true);
    g.grid.SetHoverRowColor(0x00C800);
    g.grid.SetHoverRowColorTo(0x00C800);
    g.grid.SetHoverRowCells(fixedTakePart ? THoverRowCells(hcNormal | hcFixed) : THoverRowCells(hcNormal));
    g.grid.SetHoverRowIdx(2);
    g.grid.SetCol(4);
    g.grid.SetRow(4);
    const QImage shot = g.Shot();
    const QRgb green = qRgb(0, 0xC8, 0);
    EXPECT_GT(g.Count(shot, 2, 2, green), 300) << fixedTakePart;
    // Not over the whole cell: the frame lines of the fixed look keep their place.
    EXPECT_EQ(g.Count(shot, 0, 2, green) > 300, fixedTakePart) << fixedTakePart;
    EXPECT_EQ(g.Count(shot, 0, 3, green), 0) << fixedTakePart;
  }
}

TEST(GridPaintLayers, ColumnBeingMovedKeepsItsHeaderLit) {
  TLayerGrid g;
  g.grid.HoverFixedCells = hfAll;
  g.grid.VyxGradientHover = TFixedGradient{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, clNone};
  g.grid.VyxGradientDown = TFixedGradient{0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF, clNone};
  g.grid.SetOptions(g.grid.Options() | goColMoving);
  const QRgb red = qRgb(0xFF, 0, 0), green = qRgb(0, 0xFF, 0);
  const TRect from = g.grid.CellRect(2, 0), over = g.grid.CellRect(3, 0);
  const int32_t y = (from.Top + from.Bottom) / 2;
  g.grid.GridMouseMove({}, from.Left + 20, y);
  g.grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, from.Left + 20, y);
  // Pressed, not yet moved: the cell under the mouse in the down colours.
  QImage shot = g.Shot();
  EXPECT_GT(g.Count(shot, 2, 0, red), 200);
  g.grid.GridMouseMove(ssLeft, from.Left + 30, y);
  g.grid.GridMouseMove(ssLeft, over.Left + 5, y);
  ASSERT_EQ(g.grid.Interaction(), TQrvStringGrid::TGridInteraction::Moving);
  shot = g.Shot();
  // The mouse is over the next header; the moved column's header keeps the down colours.
  EXPECT_GT(g.Count(shot, 2, 0, red), 200);
  EXPECT_EQ(g.Count(shot, 3, 0, red) + g.Count(shot, 3, 0, green), 0);
  g.grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, over.Left + 5, y);
}

TEST(GridPaintLayers, DisabledGridDrawsEveryTextInTheDisabledColour) {
  struct TCase {
    const char* Name;
    bool Enabled;
    bool UseDisabledFont;
    bool Disabled;  // the text is drawn in the disabled colour
  };
  for (const TCase& k : {TCase{"enabled", true, true, false}, TCase{"disabled", false, true, true},
                         TCase{"disabled, look off", false, false, false}}) {
    TLayerGrid g;
    g.host.Enabled = k.Enabled;
    g.grid.UseDisabledFont = k.UseDisabledFont;
    g.grid.DisabledFontColor = 0x0000FF;
    g.grid.SelectionTextColor = 0x00FF00;
    for (int32_t c = 1; c < 4; ++c) g.grid.SetCells(c, 1, QStringLiteral("WWW"));
    g.grid.SetCells(1, 0, QStringLiteral("WWW"));
    g.grid.SelectCells(3, 1, 3, 1);
    const QImage shot = g.Shot();
    auto reddish = [](QRgb p) { return qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100; };
    auto greenish = [](QRgb p) { return qGreen(p) > 150 && qRed(p) < 100 && qBlue(p) < 100; };
    // A plain cell, a fixed cell and the selected cell.
    for (TPoint cell : {TPoint{1, 1}, TPoint{1, 0}, TPoint{3, 1}}) {
      const TRect rect = g.grid.CellRect(cell.X, cell.Y);
      EXPECT_EQ(CountPixels(shot, rect, reddish) > 5, k.Disabled) << k.Name << " " << cell.X << "," << cell.Y;
    }
    // The selection's text colour belongs to an enabled grid only.
    EXPECT_EQ(CountPixels(shot, g.grid.CellRect(3, 1), greenish) > 5, k.Enabled) << k.Name;
  }
}

TEST(GridPaintLayers, ListViewHeaderPartFollowsTheMouse) {
  UseFakeTheme(true);
  TLayerGrid g;
  g.grid.SetLook(glListView);
  // The header part states drawn in one paint, in cell order.
  auto states = [&] {
    TFakeTheme::Calls.clear();
    g.Shot();
    QStringList drawn;
    for (const QString& call : TFakeTheme::Calls)
      if (call.startsWith(QStringLiteral("draw 1 "))) drawn << call.section(u' ', 2, 2);
    return drawn.join(QString());
  };
  // Fixed cells in paint order: row 0 (five cells), then column 0 of rows 1..4.
  EXPECT_EQ(states(), QStringLiteral("111111111"));
  const TRect header = g.grid.CellRect(2, 0);
  const int32_t x = header.Left + 10, y = header.Top + 10;
  g.host.Rects.clear();
  g.grid.GridMouseMove({}, x, y);
  EXPECT_FALSE(g.host.Rects.empty()) << "the cell that turned hot is repainted";
  EXPECT_EQ(states(), QStringLiteral("112111111"));
  g.grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, x, y);
  EXPECT_EQ(states(), QStringLiteral("113111111"));
  g.grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, x, y);
  EXPECT_EQ(states(), QStringLiteral("112111111"));
  const TRect normal = g.grid.CellRect(2, 2);
  g.grid.GridMouseMove({}, normal.Left + 5, normal.Top + 5);
  EXPECT_EQ(states(), QStringLiteral("111111111"));
  g.grid.GridMouseMove({}, x, y);
  g.grid.GridMouseLeave();
  EXPECT_EQ(states(), QStringLiteral("111111111"));
  DropFakeTheme();
}
