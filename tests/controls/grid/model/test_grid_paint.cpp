// The advanced grid's painting, read back from pixels: selection colours and their mixing, fixed-cell looks and
// lines, data check boxes, number alignment, rotated text, the focus rectangle, progress cells, the update lock.
#include <gtest/gtest.h>

#include <QImage>

#include "GridPixels.h"
#include "GridTestHost.h"
#include "UCanvas.h"
#include "UColorMath.h"
#include "UQrvColumnGrid.h"
#include "URenderMarkup.h"
#include "USysColors.h"

namespace {

class TFocusHost : public TRecordingHost {
 public:
  bool HasFocus() const override { return Focus; }
  bool Focus = false;
};

// Five columns of 40 pixels and five rows of 20 (one fixed of each) in a 200 x 100 client area.
template <typename TGrid = TQrvStringGrid>
struct TPaintedGrid {
  TPaintedGrid() {
    SetUpSmallGrid(grid);
    grid.SetHost(&host);
  }
  ~TPaintedGrid() { grid.SetHost(nullptr); }
  QImage Shot() { return PaintedShot(grid, 200, 100); }
  QRgb Middle(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return Shot().pixel((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
  }
  TGrid grid;
  TFocusHost host;
};

bool Dark(QRgb p) {
  return qGray(p) < 100;
}
}  // namespace

TEST(GridPaint, SelectedCellsTakeTheSelectionOrTheMixedColour) {
  struct TCase {
    const char* Name;
    bool Banded;
    bool Mixer;
    TColor Expected;
  };
  // Selection 0x0000C8 (red 200) over a band colour 0xC80000 (blue 200): the mix at 50 % is (100, 0, 100).
  for (const TCase& k : {TCase{"plain cell", false, true, 0x0000C8}, TCase{"band, mixer off", true, false, 0x0000C8},
                         TCase{"band, mixer on", true, true, 0x640064}}) {
    TPaintedGrid g;
    g.grid.SelectionColor = 0x0000C8;
    g.grid.SelectionColorMixer = k.Mixer;
    g.grid.Bands().SetPrimaryColor(0xC80000);
    g.grid.Bands().SetSecondaryColor(0xC80000);
    g.grid.Bands().SetActive(k.Banded);
    g.grid.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.Middle(2, 2), Rgb(k.Expected)) << k.Name;
    EXPECT_EQ(g.Middle(3, 3), Rgb(k.Banded ? 0xC80000 : clWindow)) << k.Name;
  }
}

TEST(GridPaint, MixedSelectionColourByFactor) {
  TQrvStringGrid g;
  struct TCase {
    int32_t Factor;
    TColor Selection, Cell, Expected;
  };
  for (const TCase& k : {TCase{50, 0x0000FF, 0xFF0000, 0x800080}, TCase{100, 0x0000FF, 0xFF0000, 0x0000FF},
                         TCase{0, 0x0000FF, 0xFF0000, 0xFF0000}, TCase{25, 0x000000, 0xFFFFFF, 0xBFBFBF},
                         TCase{50, clNone, 0x123456, 0x123456}, TCase{50, 0x123456, clNone, 0x123456},
                         TCase{50, clWhite, clBtnFace, 0xF8F8F8}}) {
    g.SetSelectionColorMixerFactor(k.Factor);
    EXPECT_EQ(g.MixSelectionColor(k.Selection, k.Cell), k.Expected) << k.Factor << " " << std::hex << k.Cell;
  }
  // The factor is held within 0..100.
  g.SetSelectionColorMixerFactor(150);
  EXPECT_EQ(g.SelectionColorMixerFactor, 100);
  g.SetSelectionColorMixerFactor(-5);
  EXPECT_EQ(g.SelectionColorMixerFactor, 0);
}

TEST(GridPaint, UnfocusedSelectionWithoutColourUsesTheHighlight) {
  TPaintedGrid g;
  g.grid.SelectionColor = clNone;
  EXPECT_EQ(g.Middle(1, 1), Rgb(clHighlight));
}

TEST(GridPaint, DefaultLookDrawsHeaderGradientAndItsLines) {
  TPaintedGrid g;
  ASSERT_EQ(g.grid.Look(), glXP);
  const QImage shot = g.Shot();
  // Header cell (2, 0) at x 80..119, y 0..19: white at the top, the button face at the bottom of the fill.
  const QRgb top = shot.pixel(100, 2), bottom = shot.pixel(100, 17);
  EXPECT_GE(qGray(top), 250);
  EXPECT_LT(qGray(bottom), qGray(top));
  EXPECT_EQ(bottom, Rgb(clBtnFace));
  // The white highlight along the header's top and left, the shadow line in half the fixed colour at its bottom,
  // the fixed line colour on its right.
  EXPECT_EQ(shot.pixel(100, 0), qRgb(255, 255, 255));
  EXPECT_EQ(shot.pixel(80, 10), qRgb(255, 255, 255));
  EXPECT_EQ(shot.pixel(100, 19), Rgb(HalveColor(ColorToRGB(clBtnFace))));
  EXPECT_EQ(shot.pixel(119, 10), Rgb(0x808080));
  // Normal cells: the grid line colour on the right and at the bottom.
  EXPECT_EQ(shot.pixel(119, 50), Rgb(0xC0C0C0));
  EXPECT_EQ(shot.pixel(100, 59), Rgb(0xC0C0C0));
  EXPECT_EQ(shot.pixel(100, 50), Rgb(clWindow));

  // Changed line colours are what is painted.
  g.grid.SetGridLineColor(0x00FF00);
  g.grid.SetGridFixedLineColor(0x0000FF);
  const QImage changed = g.Shot();
  EXPECT_EQ(changed.pixel(119, 50), qRgb(0, 255, 0));
  EXPECT_EQ(changed.pixel(119, 10), qRgb(255, 0, 0));
}

TEST(GridPaint, HoveredHeaderTakesHoverAndDownColours) {
  TPaintedGrid g;
  g.grid.HoverFixedCells = hfAll;
  g.grid.HoverFixedCell = TPoint{2, 0};
  g.grid.VyxGradientHover = TFixedGradient{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, clNone};
  g.grid.VyxGradientDown = TFixedGradient{0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, clNone};
  EXPECT_EQ(g.Middle(2, 0), qRgb(0, 255, 0));
  EXPECT_NE(g.Middle(3, 0), qRgb(0, 255, 0));
  g.grid.MouseDown = true;
  EXPECT_EQ(g.Middle(2, 0), qRgb(0, 0, 255));
}

TEST(GridPaint, HoveredHeaderShowsTheDropDownButtonWhenTheColumnAllowsIt) {
  TPaintedGrid g;
  g.grid.HoverFixedCells = hfAll;
  g.grid.HoverFixedCell = TPoint{2, 0};
  g.grid.VyxGradientHover = TFixedGradient{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, 0x0000FF};
  g.grid.VyxGradientDown = TFixedGradient{0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0x00FFFF};
  g.grid.ControlLook.SetFixedDropDownButton(true);
  bool allowed = true;
  g.grid.OnCanShowFixedDropDown = [&](TQrvStringGrid*, int32_t, bool& can) { can = allowed; };
  // Header cell (2, 0) spans x 80..118 (its grid line at 119), y 0..19; the button is its right 16 pixels.
  QImage shot = g.Shot();
  EXPECT_EQ(shot.pixel(92, 10), qRgb(0, 0, 255)) << "the rest takes the down colours";
  EXPECT_EQ(shot.pixel(117, 3), qRgb(0, 255, 0)) << "the button takes the hover colours";
  EXPECT_EQ(shot.pixel(103, 14), qRgb(255, 0, 0)) << "the dividing line in the hover border colour";
  EXPECT_TRUE(Dark(shot.pixel(111, 9))) << "the down triangle";
  g.grid.MouseDown = true;
  EXPECT_EQ(g.Shot().pixel(103, 14), qRgb(255, 255, 0)) << "with a button down the line takes the down border";
  g.grid.MouseDown = false;
  allowed = false;
  shot = g.Shot();
  EXPECT_EQ(shot.pixel(117, 10), qRgb(0, 255, 0)) << "a column without a drop-down is one hovered cell";
  EXPECT_FALSE(Dark(shot.pixel(111, 9)));
}

TEST(GridPaint, DataCheckBoxIsCheckedOnlyByTheCheckTrueText) {
  struct TStyleCase {
    TControlStyle Style;
    QRgb Tick;
  };
  for (const TStyleCase& s :
       {TStyleCase{csWinXP, qRgb(0x21, 0xA1, 0x21)}, TStyleCase{csVyx, qRgb(0x22, 0x8B, 0x2E)}}) {
    TPaintedGrid<TQrvColumnGrid> g;
    g.grid.Columns().Items(1)->SetEditor(edDataCheckBox);
    g.grid.ControlLook.ControlStyle = s.Style;
    g.grid.SetRowCount(6);
    g.grid.SetBounds(0, 0, 200, 120);
    const QStringList texts{QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("y"), QString()};
    for (int32_t i = 0; i < texts.size(); ++i) g.grid.SetCells(1, i + 1, texts[i]);
    g.grid.SetCol(3);  // keep the check boxes out of the selection
    QImage image(200, 120, QImage::Format_RGB32);
    TCanvas canvas(&image);
    g.grid.Paint(canvas, TRect{0, 0, 200, 120});
    canvas.Release();
    for (int32_t i = 0; i < texts.size(); ++i) {
      const TRect cell = g.grid.CellRect(1, i + 1);
      const int ticks = CountPixels(image, cell, [&](QRgb p) { return p == s.Tick; });
      EXPECT_EQ(ticks > 0, i == 0) << s.Style << " '" << texts[i].toStdString() << "'";
      // The box itself is there for every text, and the text is not.
      EXPECT_GT(CountPixels(image, cell, [](QRgb p) { return qGray(p) < 200 && qRed(p) != qGreen(p); }), 0);
    }
  }
}

TEST(GridPaint, ImageCellsDrawFromTheGridsImageList) {
  TPaintedGrid<> g;
  const QRgb colours[] = {qRgb(0xE0, 0x10, 0x10), qRgb(0x10, 0x10, 0xE0)};
  TMarkupImageList list(8, 6);
  for (QRgb colour : colours) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    list.Add(image);
  }
  g.grid.GridImages = &list;
  g.grid.AddImageIdx(1, 1, 1, haLeft, vaTop);
  g.grid.AddImageIdx(2, 1, 7, haLeft, vaTop);  // an index the list does not hold
  g.grid.SetCells(1, 2, "1");
  g.grid.AddDataImage(1, 2, 0, haLeft, vaTop);  // the text chooses the image
  TIntList* both = g.grid.AddMultiImage(2, 2, 0, haLeft, vaTop);
  both->Add(0);
  both->Add(1);
  g.grid.SetCol(4);  // keep the cells out of the selection
  const QImage shot = g.Shot();
  auto count = [&](int32_t c, int32_t r, QRgb colour) {
    return CountPixels(shot, g.grid.CellRect(c, r), [&](QRgb p) { return p == colour; });
  };
  EXPECT_EQ(count(1, 1, colours[1]), 8 * 6);
  EXPECT_EQ(count(1, 1, colours[0]), 0);
  EXPECT_EQ(count(2, 1, colours[0]) + count(2, 1, colours[1]), 0);
  EXPECT_EQ(count(1, 2, colours[1]), 8 * 6);
  EXPECT_EQ(count(2, 2, colours[0]), 8 * 6);
  EXPECT_EQ(count(2, 2, colours[1]), 8 * 6);
  // Side by side: the second image starts where the first ends.
  const TRect cell = g.grid.CellRect(2, 2);
  int32_t firstRed = -1, firstBlue = -1;
  for (int32_t x = cell.Left; x < cell.Right; ++x) {
    for (int32_t y = cell.Top; y < cell.Bottom; ++y) {
      if (firstRed < 0 && shot.pixel(x, y) == colours[0]) firstRed = x;
      if (firstBlue < 0 && shot.pixel(x, y) == colours[1]) firstBlue = x;
    }
  }
  EXPECT_EQ(firstBlue - firstRed, 8);
  g.grid.GridImages = nullptr;
}

TEST(GridPaint, CheckBoxFollowsTheColumnAlignment) {
  TPaintedGrid<TQrvColumnGrid> g;
  g.grid.Columns().Items(2)->SetEditor(edDataCheckBox);
  g.grid.ControlLook.ControlStyle = csWinXP;
  g.grid.SetColWidths(2, 60);
  g.grid.SetCells(2, 2, QStringLiteral("Y"));
  g.grid.SetCol(4);
  const QRgb tick = qRgb(0x21, 0xA1, 0x21);
  struct TCase {
    TAlignment Align;
    int Expected;  // x of the box's centre from the cell's left
  };
  const TRect cell = g.grid.CellRect(2, 2);
  for (const TCase& k : {TCase{taCenter, 30}, TCase{taLeftJustify, 10}}) {
    g.grid.Columns().Items(2)->SetAlignment(k.Align);
    const TRect b = [&] {
      const QImage shot = g.Shot();
      TRect r{cell.Right, 0, cell.Left, 0};
      for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x)
          if (shot.pixel(x, y) == tick) {
            r.Left = std::min(r.Left, x);
            r.Right = std::max(r.Right, x + 1);
          }
      return r;
    }();
    ASSERT_LT(b.Left, b.Right) << k.Align;
    EXPECT_NEAR((b.Left + b.Right) / 2 - cell.Left, k.Expected, 4) << k.Align;
  }
}

TEST(GridPaint, NumbersAlignRightWithAutoNumAlign) {
  TQrvStringGrid g;
  g.SetColCount(3);
  g.SetRowCount(3);
  struct TCase {
    QString Text;
    TAlignment Expected;
  };
  g.AutoNumAlign = true;
  for (const TCase& k : {TCase{QStringLiteral("12"), taRightJustify}, TCase{QStringLiteral("1.5"), taRightJustify},
                         TCase{QStringLiteral("1E3"), taRightJustify}, TCase{QStringLiteral(" 7 "), taRightJustify},
                         TCase{QStringLiteral("abc"), taLeftJustify}, TCase{QString(), taLeftJustify}}) {
    g.SetCells(1, 1, k.Text);
    EXPECT_EQ(g.GetCellAlignment(1, 1).first, k.Expected) << k.Text.toStdString();
  }
  // A cell's own alignment wins over the number rule, but not for a formula.
  g.SetCells(1, 1, QStringLiteral("12"));
  g.SetAlignments(1, 1, taCenter);
  EXPECT_EQ(g.GetCellAlignment(1, 1).first, taCenter);
  g.SetCells(1, 1, QStringLiteral("=12"));
  g.OnGetDisplText = nullptr;
  EXPECT_NE(g.GetCellAlignment(1, 1).first, taCenter);
  g.AutoNumAlign = false;
  g.SetCells(1, 2, QStringLiteral("12"));
  EXPECT_EQ(g.GetCellAlignment(1, 2).first, taLeftJustify);
}

TEST(GridPaint, NumberTextIsDrawnAtTheRightEdge) {
  for (bool autoAlign : {false, true}) {
    TPaintedGrid g;
    g.grid.SetColWidths(2, 80);
    g.grid.SetCells(2, 2, QStringLiteral("7"));
    g.grid.SetCol(4);
    g.grid.AutoNumAlign = autoAlign;
    const QImage shot = g.Shot();
    const TRect cell = g.grid.CellRect(2, 2);
    const TRect b = InkBounds(shot, TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}, Dark);
    ASSERT_LT(b.Left, b.Right) << autoAlign;
    const int middle = (cell.Left + cell.Right) / 2;
    EXPECT_EQ(b.Left > middle, autoAlign);
  }
}

TEST(GridPaint, RotatedSizeIsTheBoundingBoxOfTheTurnedText) {
  struct TCase {
    int32_t Angle;
    TSize Expected;
  };
  // 60 x 20 of text: at 45 degrees both sides are (60 + 20) / sqrt(2), about 57.
  for (const TCase& k : {TCase{0, TSize{72, 32}}, TCase{90, TSize{32, 72}}, TCase{180, TSize{72, 32}},
                         TCase{270, TSize{32, 72}}, TCase{45, TSize{69, 69}}}) {
    const TSize s = TQrvStringGrid::RotatedTextSize(TSize{60, 20}, k.Angle);
    EXPECT_EQ(s.cx, k.Expected.cx) << k.Angle;
    EXPECT_EQ(s.cy, k.Expected.cy) << k.Angle;
  }
  // A grid cell measures the same way, and a cell without a rotated graphic leaves the angle alone.
  TQrvStringGrid g;
  g.SetCells(1, 1, QStringLiteral("Rotate"));
  const TSize flat = g.GetCellTextSize(1, 1, false, false);
  g.AddRotated(1, 1, 90, QStringLiteral("Rotate"));
  const TSize turned = g.GetCellTextSize(1, 1, false, false);
  EXPECT_EQ(turned.cx, flat.cy + 12);
  EXPECT_EQ(turned.cy, flat.cx + 12);
  int32_t angle = 7;
  EXPECT_TRUE(g.IsRotated(1, 1, angle));
  EXPECT_EQ(angle, 90);
  angle = 7;
  EXPECT_FALSE(g.IsRotated(2, 1, angle));
  EXPECT_EQ(angle, 7);
}

TEST(GridPaint, ZoomGrowsTheMeasuredFontOnce) {
  TQrvStringGrid g;
  g.SetCells(1, 1, QStringLiteral("Zoom"));
  const TSize plain = g.GetCellTextSize(1, 1, false, false);
  g.ZoomFactor = 6;
  const TSize zoomed = g.GetCellTextSize(1, 1, false, false);
  // What the font six points larger measures.
  QImage image(1, 1, QImage::Format_RGB32);
  TCanvas canvas(&image);
  TFont font = g.Font();
  font.SetSize(font.Size() + 6);
  canvas.SetFont(font);
  EXPECT_EQ(zoomed.cx, canvas.TextWidth(QStringLiteral("Zoom")));
  EXPECT_EQ(zoomed.cy, canvas.TextHeight(QStringLiteral("gh")));
  EXPECT_GT(zoomed.cx, plain.cx);
}

TEST(GridPaint, RotatedHeaderStandsUpright) {
  struct TCase {
    int16_t Angle;
    bool Tall;
  };
  for (const TCase& k : {TCase{90, true}, TCase{0, false}}) {
    TPaintedGrid g;
    g.grid.SetRowHeights(0, 80);
    g.grid.SetColWidths(1, 60);
    g.grid.AddRotated(1, 0, k.Angle, QStringLiteral("Header"));
    const QImage shot = g.Shot();
    const TRect cell = g.grid.CellRect(1, 0);
    const TRect b = InkBounds(shot, TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}, Dark);
    ASSERT_LT(b.Left, b.Right) << k.Angle;
    EXPECT_EQ(b.Bottom - b.Top > b.Right - b.Left, k.Tall) << k.Angle;
    EXPECT_GE(b.Top, cell.Top);
  }
}

TEST(GridPaint, FocusRectangleOnlyOnTheFocusedCurrentCell) {
  struct TCase {
    const char* Name;
    bool Focus, RowSelect, Hide;
    bool Expected;
  };
  for (const TCase& k : {TCase{"focused", true, false, false, true}, TCase{"not focused", false, false, false, false},
                         TCase{"row select", true, true, false, false}, TCase{"hidden", true, false, true, false}}) {
    TPaintedGrid g;
    g.host.Focus = k.Focus;
    g.grid.HideFocusRect = k.Hide;
    if (k.RowSelect) g.grid.SetOptions(g.grid.Options() | goRowSelect);
    g.grid.SetCol(2);
    g.grid.SetRow(2);
    const QImage shot = g.Shot();
    // Cell (2, 2) at x 80..119, y 40..59: the dotted frame alternates along the cell's top edge.
    int changes = 0;
    for (int x = 82; x < 116; ++x) changes += shot.pixel(x, 40) != shot.pixel(x + 1, 40);
    EXPECT_EQ(changes > 10, k.Expected) << k.Name;
  }
}

TEST(GridPaint, LockedGridPaintsNothingAndRepaintsOnUnlock) {
  TPaintedGrid g;
  g.grid.BeginUpdate();
  const QImage locked = g.Shot();
  EXPECT_EQ(CountPixels(locked, TRect{0, 0, 200, 100}, [](QRgb p) { return p != Untouched; }), 0);
  const int before = g.host.AllRepaints;
  g.grid.EndUpdate();
  EXPECT_EQ(g.host.AllRepaints, before + 1);
  EXPECT_TRUE(g.host.RedrawOn);
  EXPECT_EQ(g.Shot().pixel(100, 50), Rgb(clWindow));
}

TEST(GridPaint, ProgressLevelsFollowTheRangeAndAnEmptyRangeShowsNothing) {
  struct TCase {
    int32_t Min, Max;
    const char* Value;
    bool Filled;
  };
  for (const TCase& k : {TCase{0, 100, "50", true}, TCase{50, 50, "80", false}, TCase{0, 100, "0", false}}) {
    TPaintedGrid g;
    g.grid.SetColWidths(2, 80);
    g.grid.ProgressAppearance.ShowPercentage = false;
    g.grid.AddQrvProgress(2, 2, k.Min, k.Max);
    g.grid.SetCells(2, 2, QString::fromLatin1(k.Value));
    g.grid.SetCol(4);
    const QImage shot = g.Shot();
    const int green = CountPixels(shot, g.grid.CellRect(2, 2),
                                  [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 120 && qBlue(p) < 120; });
    EXPECT_EQ(green > 0, k.Filled) << k.Min << ".." << k.Max << " " << k.Value;
  }
}

TEST(GridPaint, LevelProgressTakesTheAppearancesEmptyColourAndFontColour) {
  struct TCase {
    TColor UnComplete;
    TColor Expected;  // inside the empty bar
  };
  // The cells are yellow; an empty part without a colour of its own shows the cell.
  for (const TCase& k : {TCase{clNone, 0x00FFFF}, TCase{0xFF0000, 0xFF0000}}) {
    SCOPED_TRACE(k.UnComplete);
    TPaintedGrid g;
    g.grid.SetColor(0x00FFFF);
    g.grid.SetColWidths(2, 80);
    g.grid.ProgressAppearance.SetShowPercentage(false);
    g.grid.ProgressAppearance.SetUnCompleteColor(k.UnComplete);
    g.grid.AddQrvProgress(2, 2, 0, 100);
    g.grid.SetCells(2, 2, QStringLiteral("0"));
    g.grid.SetCol(4);
    EXPECT_EQ(g.Middle(2, 2), Rgb(k.Expected));
  }
  TPaintedGrid g;
  g.grid.SetColWidths(2, 80);
  g.grid.ProgressAppearance.SetCompleteFontColor(0x00FF00);
  g.grid.AddQrvProgress(2, 2, 0, 100);
  g.grid.SetCells(2, 2, QStringLiteral("0"));
  g.grid.SetCol(4);
  // "0%" in the complete font colour on the empty bar.
  const int green = CountPixels(g.Shot(), g.grid.CellRect(2, 2),
                                [](QRgb p) { return qGreen(p) > 150 && qRed(p) < 100 && qBlue(p) < 100; });
  EXPECT_GT(green, 3);
}

TEST(GridPaint, EmptyAreaTakesTheBackgroundGradient) {
  TPaintedGrid g;
  g.grid.SetColCount(3);
  g.grid.SetRowCount(3);
  g.grid.BackGround.Display = bdGradientHorz;
  g.grid.BackGround.Color = 0x0000FF;
  g.grid.BackGround.ColorTo = 0xFF0000;
  const QImage shot = g.Shot();
  // Right of the last column (x >= 120) the gradient runs from red at the left edge to blue at the right.
  const QRgb near = shot.pixel(125, 30), far = shot.pixel(198, 30);
  EXPECT_GT(qBlue(far), qBlue(near));
  EXPECT_GT(qRed(near), qRed(far));
  // Below the last row too.
  EXPECT_NE(shot.pixel(50, 80), Untouched);
}

TEST(GridPaint, EmptyAreaTilesTheBackgroundPictureFromTheFirstNormalCell) {
  // A green picture whose top-left pixel is red, so each tile's origin can be found.
  TBitmap picture(16, 16);
  picture.Canvas().Brush().Color = 0x00FF00;
  picture.Canvas().FillRect(TRect{0, 0, 16, 16});
  picture.Canvas().SetPixels(0, 0, 0x0000FF);
  auto picturePixel = [](QRgb p) { return p == qRgb(0, 255, 0) || p == qRgb(255, 0, 0); };
  for (const TBackGroundCells cells : {bcNormal, bcAll}) {
    SCOPED_TRACE(static_cast<int>(cells));
    TPaintedGrid g;
    g.grid.SetColCount(3);
    g.grid.SetRowCount(3);
    g.grid.BackGround.Cells = cells;
    g.grid.BackGround.Bitmap = picture;
    const QImage shot = g.Shot();
    // The cells end at x 120 and y 60; tiles start at the first normal cell (or the client's corner), moved by
    // the text offset.
    const TRect first = g.grid.CellRect(1, 1);
    const int x0 = (cells == bcNormal ? first.Left : 0) + g.grid.XYOffset.X;
    const int y0 = (cells == bcNormal ? first.Top : 0) + g.grid.XYOffset.Y;
    auto firstTileFrom = [](int origin, int from) { return origin + (from - origin + 15) / 16 * 16; };
    EXPECT_EQ(shot.pixel(firstTileFrom(x0, 120), y0), qRgb(255, 0, 0)) << "a tile origin right of the last column";
    EXPECT_EQ(shot.pixel(x0 + 16, firstTileFrom(y0, 60)), qRgb(255, 0, 0)) << "a tile origin below the last row";
    // Nothing is tiled before the origin: not beside the fixed row, not below the fixed column.
    EXPECT_EQ(CountPixels(shot, TRect{120, 0, 200, y0}, picturePixel), 0);
    EXPECT_EQ(CountPixels(shot, TRect{0, 60, x0, 100}, picturePixel), 0);
    EXPECT_EQ(CountPixels(shot, TRect{120, y0, 200, 100}, picturePixel), 80 * (100 - y0));
  }
}

TEST(GridPaint, FilterGlyphInTheFilterRowOfFilteredColumns) {
  for (bool offered : {false, true}) {
    TPaintedGrid g;
    g.grid.SetCells(2, 1, QStringLiteral("a"));
    g.grid.FilterDropDownAuto = offered;
    const QImage shot = g.Shot();
    // Header cell (2, 0) at x 80..119: the glyph takes the 16 pixels at its right.
    const int dark = CountPixels(shot, TRect{100, 0, 118, 18}, Dark);
    EXPECT_EQ(dark > 5, offered);
    // The fixed column is offered no filter.
    EXPECT_EQ(CountPixels(shot, TRect{20, 0, 38, 18}, Dark), 0);
  }
}

namespace {
// An 8 x 8 indicator, pure blue but for its key-colour corner.
TBitmap BlueRowIndicator() {
  TBitmap arrow(8, 8);
  arrow.Canvas().Brush().Color = 0xFF0000;
  arrow.Canvas().FillRect(TRect{0, 0, 8, 8});
  arrow.Canvas().SetPixels(0, 0, clWhite);  // the key colour
  return arrow;
}
}  // namespace

TEST(GridPaint, RowIndicatorMarksTheCurrentRow) {
  TPaintedGrid g;
  g.grid.RowIndicator = BlueRowIndicator();
  g.grid.SetRow(3);
  const QImage shot = g.Shot();
  auto blue = [](QRgb p) { return p == qRgb(0, 0, 255); };
  EXPECT_GT(CountPixels(shot, g.grid.CellRect(0, 3), blue), 40);
  EXPECT_EQ(CountPixels(shot, g.grid.CellRect(0, 2), blue), 0);
}

TEST(GridPaint, TheRowIndicatorFollowsTheGridsAlignmentNotTheCells) {
  for (const TVAlignment grid : {vtaTop, vtaCenter, vtaBottom}) {
    SCOPED_TRACE(static_cast<int>(grid));
    TPaintedGrid g;
    g.grid.RowIndicator = BlueRowIndicator();
    g.grid.SetRowHeights(3, 40);
    g.grid.SetRow(3);
    g.grid.VAlignment = grid;
    // Each cell asks for the opposite place; the indicator keeps to the grid's.
    g.grid.OnGetAlignment = [&](TQrvStringGrid*, int32_t, int32_t, TAlignment&, TVAlignment& v) {
      v = grid == vtaBottom ? vtaTop : vtaBottom;
    };
    const QImage shot = g.Shot();
    const TRect cell = g.grid.CellRect(0, 3);
    const TRect ink = InkBounds(shot, cell, [](QRgb p) { return p == qRgb(0, 0, 255); });
    ASSERT_LT(ink.Left, ink.Right);
    const int32_t middle = (ink.Top + ink.Bottom) / 2 - cell.Top;
    if (grid == vtaTop) {
      EXPECT_LT(middle, 10);
    } else if (grid == vtaBottom) {
      EXPECT_GT(middle, cell.Height() - 10);
    } else {
      EXPECT_NEAR(middle, cell.Height() / 2, 3);
    }
  }
}

TEST(GridPaint, TreeLinesJoinTheRowsOfANode) {
  TPaintedGrid g;
  g.grid.SetFixedCols(0);
  g.grid.SetLeftCol(0);
  g.grid.SetRowCount(6);
  g.grid.SetBounds(0, 0, 200, 120);
  g.grid.AddNode(1, 3);  // row 1 holds rows 2 and 3
  g.grid.CellNode().SetTreeColor(0x0000FF);
  g.grid.CellNode().SetNodeType(cnFlat);
  QImage image(200, 120, QImage::Format_RGB32);
  TCanvas canvas(&image);
  g.grid.Paint(canvas, TRect{0, 0, 200, 120});
  canvas.Release();
  auto red = [](QRgb p) { return p == qRgb(255, 0, 0); };
  EXPECT_GT(CountPixels(image, g.grid.CellRect(0, 2), red), 0);
  EXPECT_GT(CountPixels(image, g.grid.CellRect(0, 3), red), 0);
  EXPECT_EQ(CountPixels(image, g.grid.CellRect(0, 4), red), 0);
  EXPECT_EQ(CountPixels(image, g.grid.CellRect(1, 2), red), 0);
  // The node row shows its button: a box with a minus while expanded.
  EXPECT_GT(CountPixels(image, g.grid.CellRect(0, 1), [](QRgb p) { return qGray(p) < 60; }), 4);
}

TEST(GridPaint, TimerRepaintsOnlyBlinkingCellsAndEndsTheIncrementalSearch) {
  TPaintedGrid g;
  g.grid.SetCells(2, 2, QStringLiteral("<BLINK>on</BLINK>"));
  g.grid.SetCells(3, 0, QStringLiteral("<blink>head</blink>"));
  g.grid.SetCells(1, 1, QStringLiteral("plain"));
  EXPECT_TRUE(g.grid.TimerTick().empty()) << "no blinking without EnableBlink";
  g.grid.EnableBlink = true;
  const bool phase = g.grid.BlinkPhase();
  const std::vector<TPoint> repainted = g.grid.TimerTick();
  EXPECT_EQ(repainted, (std::vector<TPoint>{{3, 0}, {2, 2}}));
  EXPECT_NE(g.grid.BlinkPhase(), phase);

  g.grid.Navigation().SetAutoGotoIncremental(true);
  g.grid.IncrSearchText = QStringLiteral("ab");
  g.grid.ResetIncrementalTicks();
  for (int i = 0; i < 3; ++i) g.grid.TimerTick();
  EXPECT_EQ(g.grid.IncrSearchText, QStringLiteral("ab"));
  g.grid.TimerTick();
  EXPECT_TRUE(g.grid.IncrSearchText.isEmpty());
}

TEST(GridPaint, ProgressBarIsHeldWithinItsRange) {
  struct TCase {
    const char* Value;
    int MinRed, MaxRed;  // red pixels on the middle line of the bar
  };
  // Cell (2, 2) is 80 pixels wide; the bar spans about 70 of them.
  for (const TCase& k : {TCase{"150", 60, 80}, TCase{"100", 60, 80}, TCase{"50", 25, 45}, TCase{"-5", 0, 0}}) {
    TPaintedGrid g;
    g.grid.SetColWidths(2, 80);
    g.grid.AddProgress(2, 2, 0x0000FF, clWhite);
    g.grid.SetCells(2, 2, QString::fromLatin1(k.Value));
    g.grid.SetCol(4);
    const QImage shot = g.Shot();
    const TRect cell = g.grid.CellRect(2, 2);
    const int y = (cell.Top + cell.Bottom) / 2;
    const int red = CountPixels(shot, TRect{cell.Left, y, cell.Right, y + 1},
                                [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; });
    EXPECT_GE(red, k.MinRed) << k.Value;
    EXPECT_LE(red, k.MaxRed) << k.Value;
  }
}

TEST(GridPaint, FlatBorderOnlyForTheLooksThatHaveOne) {
  struct TCase {
    TGridLook Look;
    bool Flat;
    bool Fit;
    bool Drawn;
  };
  for (const TCase& k :
       {TCase{glXP, false, true, true}, TCase{glVista, false, false, true}, TCase{glStandard, false, true, false},
        TCase{glClassic, false, true, false}, TCase{glXP, true, true, false}}) {
    TQrvStringGrid g;
    g.SetLook(k.Look);
    g.Flat = k.Flat;
    g.FitCellsInGrid = k.Fit;
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(Untouched);
    TCanvas canvas(&image);
    g.PaintBorder(canvas, 50, 40);
    canvas.Release();
    const int inset = k.Fit ? 1 : 0;
    EXPECT_EQ(image.pixel(20, inset) == Rgb(0xB99D7F), k.Drawn) << k.Look << " flat " << k.Flat;
    EXPECT_EQ(image.pixel(inset, 20) == Rgb(0xB99D7F), k.Drawn) << k.Look << " flat " << k.Flat;
  }
}

TEST(GridPaint, SizingLineDrawnTwiceLeavesTheGridAsItWas) {
  TPaintedGrid g;
  const QImage before = g.Shot();
  QImage image = before;
  TCanvas canvas(&image);
  g.grid.DrawColSizingLine(canvas, 65);
  g.grid.DrawRowSizingLine(canvas, 47);
  canvas.Release();
  EXPECT_NE(image, before);
  TCanvas again(&image);
  g.grid.DrawRowSizingLine(again, 47);
  g.grid.DrawColSizingLine(again, 65);
  again.Release();
  EXPECT_EQ(image, before);
}

TEST(GridPaint, CellEventsInTheirOrderAndNoDefaultDrawKeepsOnlyTheText) {
  for (bool noDefault : {false, true}) {
    TPaintedGrid g;
    g.host.Focus = true;
    g.grid.SetCells(2, 2, QStringLiteral("WWW"));
    g.grid.SetCol(2);
    g.grid.SetRow(2);
    g.grid.SelectionColor = 0x00FFFF;
    g.grid.NoDefaultDraw = noDefault;
    std::vector<std::string> calls;
    g.grid.OnCustomCellBkgDraw = [&](TQrvStringGrid*, TCanvas&, int32_t c, int32_t r, TGridDrawState, const TRect&,
                                     bool printing) {
      if (c == 2 && r == 2 && !printing) calls.push_back("background");
    };
    g.grid.OnDrawCell = [&](TQrvStringGrid*, int32_t c, int32_t r, const TRect&, TGridDrawState) {
      if (c == 2 && r == 2) calls.push_back("draw");
    };
    g.grid.OnCustomCellDraw = [&](TQrvStringGrid*, TCanvas&, int32_t c, int32_t r, TGridDrawState, const TRect&,
                                  bool) {
      if (c == 2 && r == 2) calls.push_back("custom");
    };
    const QImage shot = g.Shot();
    EXPECT_EQ(calls, (std::vector<std::string>{"background", "draw", "custom"}));
    const TRect cell = g.grid.CellRect(2, 2);
    EXPECT_EQ(CountPixels(shot, TRect{cell.Left + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 2}, Dark) > 0,
              !noDefault);
    // The background, the grid line and the focus rectangle stay.
    EXPECT_EQ(shot.pixel(cell.Left + 20, cell.Top + 10), qRgb(255, 255, 0));
    EXPECT_EQ(shot.pixel(cell.Right - 1, cell.Top + 10), Rgb(0xC0C0C0));
    int changes = 0;
    for (int x = cell.Left + 2; x < cell.Right - 4; ++x)
      changes += shot.pixel(x, cell.Top) != shot.pixel(x + 1, cell.Top);
    EXPECT_GT(changes, 10);
  }
}

TEST(GridPaint, TextWithALineBreakShowsItsFirstLineWithoutWrapping) {
  struct TCase {
    bool WordWrap, MultiLine, SecondLine;
  };
  for (const TCase& k : {TCase{false, false, false}, TCase{false, true, true}, TCase{true, false, true}}) {
    TPaintedGrid g;
    g.grid.SetRowHeights(2, 60);
    g.grid.SetColWidths(2, 80);
    g.grid.SetWordWrap(k.WordWrap);
    g.grid.Multilinecells = k.MultiLine;
    g.grid.SetCells(2, 2, QStringLiteral("One\r\nTwo"));
    g.grid.SetCol(4);
    const QImage shot = g.Shot();
    const TRect cell = g.grid.CellRect(2, 2);
    const TRect lower{cell.Left, cell.Top + 22, cell.Right - 1, cell.Bottom - 1};
    EXPECT_EQ(CountPixels(shot, lower, Dark) > 0, k.SecondLine) << k.WordWrap << k.MultiLine;
    EXPECT_GT(CountPixels(shot, TRect{cell.Left, cell.Top, cell.Right - 1, cell.Top + 20}, Dark), 0);
  }
}

TEST(GridPaint, PermanentDropDownButtonsAndSelectionRectangle) {
  TPaintedGrid g;
  g.grid.ControlLook.DropDownAlwaysVisible = true;
  g.grid.OnHasComboBox = [](TQrvStringGrid*, int32_t c, int32_t, bool& has) { has = c == 3; };
  g.grid.SetCol(1);
  g.grid.SelectionRectangle = true;
  g.grid.SelectionRectangleColor = 0x0000FF;
  g.grid.SelectCells(1, 1, 2, 2);
  const QImage shot = g.Shot();
  // The drop-down button takes the right of every combo cell: no plain window colour there.
  for (int32_t r = 1; r < 5; ++r) {
    const TRect cell = g.grid.CellRect(3, r);
    EXPECT_NE(shot.pixel(cell.Right - 8, (cell.Top + cell.Bottom) / 2), Rgb(clWindow)) << r;
    EXPECT_EQ(shot.pixel(cell.Left + 8, (cell.Top + cell.Bottom) / 2), Rgb(clWindow)) << r;
  }
  // The selection's outline in its colour: on the outer edges only.
  auto red = [](QRgb p) { return p == qRgb(255, 0, 0); };
  const TRect first = g.grid.CellRect(1, 1), last = g.grid.CellRect(2, 2);
  EXPECT_TRUE(red(shot.pixel(first.Left + 1, first.Top + 10)));
  EXPECT_TRUE(red(shot.pixel(first.Left + 10, first.Top + 1)));
  EXPECT_TRUE(red(shot.pixel(last.Right - 2, last.Top + 10)));
  EXPECT_TRUE(red(shot.pixel(last.Left + 10, last.Bottom - 2)));
  EXPECT_FALSE(red(shot.pixel(first.Right - 2, first.Top + 10)));
  EXPECT_FALSE(red(shot.pixel(last.Left + 1, last.Top + 10)));
}

TEST(GridPaint, ModifiedRowsAreMarkedInTheFirstColumn) {
  TPaintedGrid g;
  g.grid.SetShowModifiedEnabled(true);
  g.grid.SetRowModified(2, true);
  auto yellow = [](QRgb p) { return p == qRgb(255, 255, 0); };
  EXPECT_GT(CountPixels(g.Shot(), g.grid.CellRect(0, 2), yellow), 20) << "yellow unless told otherwise";
  g.host.Rects.clear();
  g.grid.ShowModified.SetColor(0x00FF00);
  // The new colour repaints the first column, every row of it.
  for (int32_t r = 0; r < g.grid.RowCount(); ++r) {
    const TRect cell = g.grid.CellRect(0, r);
    EXPECT_TRUE(std::any_of(g.host.Rects.begin(), g.host.Rects.end(), [&](const TRect& rect) {
      return rect.Left <= cell.Left && rect.Top <= cell.Top && rect.Right >= cell.Right && rect.Bottom >= cell.Bottom;
    })) << r;
  }
  const QImage shot = g.Shot();
  auto green = [](QRgb p) { return p == qRgb(0, 255, 0); };
  EXPECT_GT(CountPixels(shot, g.grid.CellRect(0, 2), green), 20);
  EXPECT_EQ(CountPixels(shot, g.grid.CellRect(0, 3), green), 0);

  TShowModified other;
  other.Enabled = false;
  other.SetColor(0x0000FF);
  g.grid.SetShowModified(other);
  EXPECT_EQ(g.grid.ShowModified.Color(), TColor(0x0000FF));
  EXPECT_FALSE(g.grid.ShowModifiedEnabled());
  EXPECT_EQ(CountPixels(g.Shot(), g.grid.CellRect(0, 2), [](QRgb p) { return p == qRgb(255, 0, 0); }), 0);
}

TEST(GridPaint, VisualPropertiesOfFixedAndOwnColouredCells) {
  TQrvStringGrid g;
  g.SetColCount(4);
  g.SetRowCount(6);
  g.Bands().SetPrimaryColor(0x00FFFF);
  g.Bands().SetSecondaryColor(0x00FFFF);
  g.Bands().SetActive(true);
  auto props = [&](int32_t c, int32_t r, TGridDrawState& state) {
    TBrush brush;
    TFont font;
    TColor to = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    bool wrap = true;
    TCellGradientDirection dir = GradientVertical;
    g.GetVisualProperties(c, r, state, false, false, true, brush, to, mirror, mirrorTo, font, h, v, wrap, dir);
    return std::pair{brush.Color, to};
  };
  // A fixed cell of the XP look: the fixed gradient and the fixed state.
  TGridDrawState state;
  EXPECT_EQ(props(2, 0, state), (std::pair{g.VyxGradient.From, g.VyxGradient.To}));
  EXPECT_TRUE(state & gdFixed);
  // An own colour wins over the bands; in a fixed row only for a cell without a control.
  g.SetColors(2, 3, 0x123456);
  state = {};
  EXPECT_EQ(props(2, 3, state).first, 0x123456);
  state = {};
  EXPECT_EQ(props(1, 4, state).first, 0x00FFFF);
  g.SetColors(2, 0, 0x123456);
  state = {};
  EXPECT_EQ(props(2, 0, state).first, 0x123456);
  g.SetColors(3, 0, 0x123456);
  g.AddCheckBox(3, 0, true, false);
  state = {};
  EXPECT_EQ(props(3, 0, state).first, g.VyxGradient.From);
}

TEST(GridPaint, HoveringMakesTheNormalCellUnderTheMouseCurrent) {
  struct TCase {
    TPoint Mouse;
    TPoint Current;
  };
  // Cells are 40 x 20; (0, y) and (x, 0) are fixed.
  for (const TCase& k :
       {TCase{{100, 50}, {2, 2}}, TCase{{20, 50}, {1, 1}}, TCase{{100, 10}, {1, 1}}, TCase{{250, 50}, {1, 1}}}) {
    TPaintedGrid g;
    g.grid.Hovering = true;
    g.grid.TimerTick(&k.Mouse);
    EXPECT_EQ((TPoint{g.grid.Col(), g.grid.Row()}), k.Current) << k.Mouse.X << "," << k.Mouse.Y;
  }
  TPaintedGrid g;
  const TPoint over{100, 50};
  g.grid.TimerTick(&over);
  EXPECT_EQ(g.grid.Col(), 1) << "only with Hovering";
}

TEST(GridPaint, CellScrollBarTakesTheRightEdgeAndScrollsTheContent) {
  struct TCase {
    int32_t Page, Position;
    bool Bar, TextShown;
  };
  for (const TCase& k : {TCase{2, 0, true, true}, TCase{2, 30, true, false}, TCase{5, 0, false, true}}) {
    TPaintedGrid g;
    g.grid.SetColWidths(2, 80);
    g.grid.SetRowHeights(2, 40);
    g.grid.SetCells(2, 2, QStringLiteral("Top"));
    g.grid.AddScrollBar(2, 2, false);
    g.grid.SetScrollProp(2, 2, TScrollProp{k.Page, 5});
    g.grid.SetScrollPosition(2, 2, k.Position);
    g.grid.SetCol(4);
    const QImage shot = g.Shot();
    const TRect cell = g.grid.CellRect(2, 2);
    const TRect bar{cell.Right - 17, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
    EXPECT_EQ(CountPixels(shot, bar, [](QRgb p) { return p != Rgb(clWindow); }) > 100, k.Bar) << k.Page;
    const TRect text{cell.Left + 1, cell.Top + 1, cell.Right - 18, cell.Bottom - 1};
    EXPECT_EQ(CountPixels(shot, text, Dark) > 0, k.TextShown) << k.Position;
  }
}

namespace {
QImage Solid(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// Black header text on white in 50-pixel columns, without gradients.
void PlainHeaders(TQrvStringGrid& grid) {
  grid.SetDefaultColWidth(50);
  grid.SetLook(glClassic);
  grid.FixedColor = clWhite;
  grid.FixedFont.Color = clBlack;
}

// The rows of the cell's inside holding pixels of the colour, from top to bottom, with their counts.
std::vector<std::pair<int, int>> RowsOf(const QImage& image, const TRect& cell, QRgb color) {
  std::vector<std::pair<int, int>> rows;
  for (int y = cell.Top + 1; y < cell.Bottom - 2; ++y) {
    const int n =
        CountPixels(image, TRect{cell.Left + 1, y, cell.Right - 3, y + 1}, [&](QRgb p) { return p == color; });
    if (n > 0) rows.emplace_back(y, n);
  }
  return rows;
}
}  // namespace

TEST(GridPaint, TheSortColumnsHeaderTakesTheSortHeaderColoursInTheGradientLooks) {
  TPaintedGrid<> g;
  g.grid.SetLook(glXP);
  TQrvStringGrid::TSortSettings& sort = g.grid.SortSettings;
  sort.SetHeaderColors({0x0000FF, 0x0000FF, 0x00FF00, 0x00FF00});  // red over green
  const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
  auto upper = [&](const QImage& image, int32_t c) {
    const TRect r = g.grid.CellRect(c, 0);
    return image.pixel((r.Left + r.Right) / 2, r.Top + 4);
  };
  auto lower = [&](const QImage& image, int32_t c) {
    const TRect r = g.grid.CellRect(c, 0);
    return image.pixel((r.Left + r.Right) / 2, r.Bottom - 5);
  };
  QImage shot = g.Shot();
  EXPECT_NE(upper(shot, 2), red) << "no sort column, no fill";

  sort.Column = 2;
  shot = g.Shot();
  EXPECT_EQ(upper(shot, 2), red);
  EXPECT_EQ(lower(shot, 2), green);
  EXPECT_NE(upper(shot, 3), red);
  EXPECT_NE(g.Middle(2, 1), red) << "only the last fixed row";

  sort.Column = 0;  // a fixed column takes the fill only when asked to
  EXPECT_NE(upper(g.Shot(), 0), red);
  sort.FixedCols = true;
  EXPECT_EQ(upper(g.Shot(), 0), red);

  sort.Column = 2;
  g.grid.SetLook(glClassic);
  sort.SetHeaderColors({0x0000FF, 0x0000FF, 0x00FF00, 0x00FF00});
  EXPECT_NE(upper(g.Shot(), 2), red) << "the classic look has no gradient header";
}

TEST(GridPaint, TheSortIndicatorPointsTheSortDirectionBesideTheHeaderText) {
  TPaintedGrid<> g;
  PlainHeaders(g.grid);
  TQrvStringGrid::TSortSettings& sort = g.grid.SortSettings;
  sort.Column = 2;
  sort.Row = 0;
  const QRgb grey = Rgb(clGray);
  const TRect cell = g.grid.CellRect(2, 0);
  EXPECT_TRUE(RowsOf(g.Shot(), cell, grey).empty()) << "no indicator until Show";

  sort.Show = true;
  sort.Direction = sdAscending;
  auto rows = RowsOf(g.Shot(), cell, grey);
  ASSERT_GE(rows.size(), 5u);
  // Up: the tip on top, the shaded flat side at the bottom (its last pixel is the lit edge's start).
  EXPECT_EQ(rows.back().second, 8);
  EXPECT_LT(rows.front().second, 3);
  EXPECT_TRUE(RowsOf(g.Shot(), g.grid.CellRect(3, 0), grey).empty()) << "only in the sort column";

  sort.Direction = sdDescending;
  rows = RowsOf(g.Shot(), cell, grey);
  ASSERT_GE(rows.size(), 5u);
  EXPECT_EQ(rows.front().second, 8);
  EXPECT_LT(rows.back().second, 3);

  // Beside the end of left-aligned text.
  auto greyColumns = [&](const QImage& image) {
    std::pair<int, int> span{cell.Right, cell.Left};
    for (int y = cell.Top + 1; y < cell.Bottom - 2; ++y)
      for (int x = cell.Left + 1; x < cell.Right; ++x)
        if (image.pixel(x, y) == grey) span = {std::min(span.first, x), std::max(span.second, x)};
    return span;
  };
  g.grid.SetCells(2, 0, QStringLiteral("Ab"));
  QImage shot = g.Shot();
  const TRect text = InkBounds(shot, TRect{cell.Left + 1, cell.Top + 1, cell.Right - 3, cell.Bottom - 3}, Dark);
  EXPECT_GT(greyColumns(shot).first, text.Right);
  EXPECT_LT(greyColumns(shot).first, text.Right + 12);
  // A text wider than the cell leaves the indicator inside it.
  g.grid.SetCells(2, 0, QStringLiteral("A much longer header"));
  const auto inside = greyColumns(g.Shot());
  EXPECT_GT(inside.second, inside.first);
  EXPECT_LT(inside.second, cell.Right - 1);

  // Both glyphs set: the glyph of the direction instead of the arrow.
  sort.UpGlyph = TBitmap(Solid(8, 8, qRgb(255, 0, 0)));
  sort.DownGlyph = TBitmap(Solid(8, 8, qRgb(0, 0, 255)));
  shot = g.Shot();
  EXPECT_EQ(CountPixels(shot, cell, [](QRgb p) { return p == qRgb(0, 0, 255); }), 64);
  EXPECT_EQ(CountPixels(shot, cell, [](QRgb p) { return p == qRgb(255, 0, 0); }), 0);
  EXPECT_TRUE(RowsOf(shot, cell, grey).empty());
  sort.Direction = sdAscending;
  EXPECT_EQ(CountPixels(g.Shot(), cell, [](QRgb p) { return p == qRgb(255, 0, 0); }), 64);
}

TEST(GridPaint, SortIndexesShowTheirDirectionAndPlaceInTheHeader) {
  TPaintedGrid<> g;
  PlainHeaders(g.grid);
  TQrvStringGrid::TSortSettings& sort = g.grid.SortSettings;
  sort.Show = true;
  sort.Column = 2;
  sort.Indexes.LoadFromString("u2;d3");
  const QRgb yellow = Rgb(sort.IndexColor), grey = Rgb(clGray);
  const TRect two = g.grid.CellRect(2, 0), three = g.grid.CellRect(3, 0);
  QImage shot = g.Shot();
  for (const TRect& cell : {two, three}) {
    EXPECT_TRUE(RowsOf(shot, cell, grey).empty()) << "indexes are shown only with IndexShow";
    EXPECT_TRUE(RowsOf(shot, cell, yellow).empty());
  }

  sort.IndexShow = true;
  shot = g.Shot();
  // Ascending points down (widest row on top), descending up; no bevelled arrow beside them.
  const auto down = RowsOf(shot, two, yellow), up = RowsOf(shot, three, yellow);
  ASSERT_GE(down.size(), 5u);
  ASSERT_GE(up.size(), 5u);
  EXPECT_GT(down.front().second, down.back().second);
  EXPECT_LT(up.front().second, up.back().second);
  EXPECT_TRUE(RowsOf(shot, two, grey).empty());
  EXPECT_TRUE(RowsOf(g.Shot(), g.grid.CellRect(4, 0), yellow).empty()) << "only the index columns";

  // The place among the indexes, in black left of the triangle: it follows the column when the order changes.
  auto number = [&](const QImage& image, const TRect& cell) {
    int left = cell.Right;
    for (const auto& [y, n] : RowsOf(image, cell, yellow))
      for (int x = cell.Left; x < cell.Right; ++x)
        if (image.pixel(x, y) == yellow) left = std::min(left, x);
    const QImage area = image.copy(left - 10, cell.Top + 1, 10, cell.Bottom - cell.Top - 3);
    QImage mask(area.size(), QImage::Format_Mono);
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x) mask.setPixel(x, y, Dark(area.pixel(x, y)) ? 1 : 0);
    return mask;
  };
  const QImage first = number(shot, two), second = number(shot, three);
  auto inked = [](const QImage& mask) {
    int n = 0;
    for (int y = 0; y < mask.height(); ++y)
      for (int x = 0; x < mask.width(); ++x) n += mask.pixelIndex(x, y);
    return n;
  };
  EXPECT_GT(inked(first), 3);
  EXPECT_GT(inked(second), 3);
  EXPECT_NE(first, second);
  sort.Indexes.LoadFromString("u3;d2");
  shot = g.Shot();
  EXPECT_EQ(number(shot, three), first);
  EXPECT_EQ(number(shot, two), second);

  // Both index glyphs set: the one named after the triangle it replaces.
  sort.IndexUpGlyph = TBitmap(Solid(8, 8, qRgb(255, 0, 0)));
  sort.IndexDownGlyph = TBitmap(Solid(8, 8, qRgb(0, 0, 255)));
  shot = g.Shot();
  EXPECT_EQ(CountPixels(shot, two, [](QRgb p) { return p == qRgb(255, 0, 0); }), 64) << "descending";
  EXPECT_EQ(CountPixels(shot, three, [](QRgb p) { return p == qRgb(0, 0, 255); }), 64) << "ascending";
  EXPECT_TRUE(RowsOf(shot, two, yellow).empty());
}

TEST(GridPaint, SortIndexesMakeRoomForTheirIndicatorInHeaderText) {
  TPaintedGrid<> g;
  g.grid.SetDefaultColWidth(60);
  g.grid.SetColWidths(0, 10);
  g.grid.SetLook(glClassic);
  g.grid.FixedColor = clWhite;
  g.grid.FixedFont.Color = clBlue;
  TQrvStringGrid::TSortSettings& sort = g.grid.SortSettings;
  sort.Show = true;
  sort.Indexes.LoadFromString("u1;u2");
  auto blue = [](QRgb p) { return qBlue(p) > 128 && qRed(p) < 100 && qGreen(p) < 100; };
  auto inkSpan = [&](const QImage& image, int32_t c) {
    const TRect cell = g.grid.CellRect(c, 0);
    std::pair<int, int> span{cell.Right, cell.Left};
    for (int y = cell.Top + 1; y < cell.Bottom - 2; ++y)
      for (int x = cell.Left + 1; x < cell.Right - 2; ++x)
        if (blue(image.pixel(x, y))) span = {std::min(span.first, x), std::max(span.second, x)};
    return span;
  };
  // Plain text of a shown index starts 10 pixels further right.
  g.grid.SetCells(1, 0, QStringLiteral("Ab"));
  const int hidden = inkSpan(g.Shot(), 1).first;
  sort.IndexShow = true;
  EXPECT_EQ(inkSpan(g.Shot(), 1).first, hidden + 10);
  sort.IndexShow = false;

  // Markup text leaves 10 pixels at the right for an index column, shown or not, as for the sort column.
  const QString wide = QStringLiteral("<b>WWWWWWWWWWWW</b>");
  g.grid.SetCells(2, 0, wide);
  g.grid.SetCells(3, 0, wide);
  const QImage shot = g.Shot();
  const int indexEnd = inkSpan(shot, 2).second - g.grid.CellRect(2, 0).Left;
  const int plainEnd = inkSpan(shot, 3).second - g.grid.CellRect(3, 0).Left;
  EXPECT_GE(plainEnd - indexEnd, 9);
}
