// The floating footer's settings and the totals it writes into the grid's last row.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <vector>

#include "GridPixels.h"
#include "GridTestHost.h"
#include "UCanvas.h"
#include "UColorMath.h"
#include "USysColors.h"

namespace {
// One fixed row, the data rows given in column 1, and the footer row last.
void Fill_Column(TQrvStringGrid& grid, const QStringList& values) {
  grid.SetColCount(3);
  grid.SetRowCount(static_cast<int32_t>(values.size()) + 2);
  grid.SetFixedRows(1);
  for (int32_t i = 0; i < values.size(); ++i) grid.SetCells(1, i + 1, values[i]);
  grid.FloatingFooter().SetVisible(true);
}

// A fixed column and three others of 40 pixels, one fixed row; the footer strip painted 200 x 20.
struct TFooterStrip {
  TFooterStrip() {
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetBounds(0, 0, 200, 100);
    grid.FloatingFooter().SetVisible(true);
  }
  QImage Shot() {
    QImage image(200, 20, QImage::Format_RGB32);
    image.fill(qRgb(0xFF, 0x00, 0xFF));
    TCanvas canvas(&image);
    grid.PaintFloatingFooter(canvas, TRect{0, 0, 200, 20});
    canvas.Release();
    return image;
  }
  TQrvStringGrid grid;
};
}  // namespace

TEST(GridFooter, EachCalculationWritesItsTotalIntoTheFooterRow) {
  const std::pair<TColumnCalcType, const char*> cases[] = {{acSUM, "20.00"},   {acAVG, "5.00"},  {acCOUNT, "4"},
                                                           {acMIN, "2.00"},    {acMAX, "10.00"}, {acDISTINCT, "3.00"},
                                                           {acSTDDEV, "3.46"}, {acNONE, "kept"}, {acSPREAD, "kept"}};
  for (const auto& [type, expected] : cases) {
    SCOPED_TRACE(static_cast<int>(type));
    TQrvStringGrid grid;
    Fill_Column(grid, {"2", "4", "4", "10"});
    grid.SetCells(1, 5, QStringLiteral("kept"));
    grid.FloatingFooter().SetColumnCalc(1, type);
    EXPECT_EQ(grid.Cells(1, 5), QString::fromLatin1(expected));
    EXPECT_EQ(grid.FloatingFooter().GetColumnCalc(1), type);
  }
}

TEST(GridFooter, CountOfTenRowsWithTheFooterLastIsNine) {
  TQrvStringGrid grid;
  Fill_Column(grid, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  ASSERT_EQ(grid.RowCount(), 11);
  grid.FloatingFooter().SetColumnCalc(1, acCOUNT);
  EXPECT_EQ(grid.Cells(1, 10), QStringLiteral("9"));
}

TEST(GridFooter, HiddenRowsCountOnlyWhenAskedTo) {
  struct TCase {
    bool calculateHidden;
    const char* sum;
    const char* count;
  };
  // Rows hold 1, 2, 4, 8, 16; the rows with 2 and 4 are hidden.
  const TCase cases[] = {{true, "31.00", "5"}, {false, "25.00", "3"}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.calculateHidden);
    TQrvStringGrid grid;
    Fill_Column(grid, {"1", "2", "4", "8", "16"});
    grid.FloatingFooter().SetCalculateHiddenRows(k.calculateHidden);
    grid.HideRows(2, 3);
    grid.FloatingFooter().SetColumnCalc(1, acSUM);
    grid.FloatingFooter().SetColumnCalc(2, acCOUNT);
    const int32_t footer = grid.RowCount() - 1;
    EXPECT_EQ(grid.Cells(1, footer), QString::fromLatin1(k.sum));
    EXPECT_EQ(grid.Cells(2, footer), QString::fromLatin1(k.count));
  }
}

TEST(GridFooter, CustomTotalsComeFromTheGridsEventFirst) {
  TQrvStringGrid grid;
  Fill_Column(grid, {"1", "2"});
  std::vector<std::pair<int32_t, int32_t>> asked;
  grid.FloatingFooter().OnCalcFooter = [&](TQrvStringGrid*, int32_t c, int32_t r, QString& v) {
    asked.emplace_back(c, r);
    v = QStringLiteral("footer's");
  };
  grid.FloatingFooter().SetColumnCalc(1, acCUSTOM);
  EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("footer's"));
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{1, 3}}));
  grid.OnFooterCalc = [](TQrvStringGrid*, int32_t, int32_t, QString& v) { v = QStringLiteral("grid's"); };
  grid.CalculateFooter(-1);
  EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("grid's"));
}

TEST(GridFooter, ANewFigureInTheFooterRowRepaintsTheStrip) {
  // The strip is painted from the footer row, which the cells never show: a cell repaint there shows nothing.
  struct TCase {
    const char* name;
    std::function<void(TQrvStringGrid&)> change;
    bool repainted;
  };
  const std::vector<TCase> cases = {
      {"a total recalculated",
       [](TQrvStringGrid& g) {
         g.SetCells(1, 2, "5");
         g.CalcFooter(-1);
       },
       true},
      {"a footer cell written", [](TQrvStringGrid& g) { g.SetCells(2, 3, "note"); }, true},
      {"a data cell alone", [](TQrvStringGrid& g) { g.SetCells(1, 1, "9"); }, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TRecordingHost host;
    TQrvStringGrid grid;
    Fill_Column(grid, {"1", "2"});
    grid.FloatingFooter().SetColumnCalc(1, acSUM);
    grid.SetHost(&host);
    host.AllRepaints = 0;
    c.change(grid);
    EXPECT_EQ(host.AllRepaints > 0, c.repainted);
  }
}

TEST(GridFooter, NothingIsCalculatedUnlessTheFixedLastRowShowsWithCalculationOn) {
  struct TCase {
    const char* name;
    bool visible;
    TFooterStyle style;
    bool enabled;
  };
  const TCase cases[] = {{"hidden", false, fsFixedLastRow, true},
                         {"column preview", true, fsColumnPreview, true},
                         {"calculation off", true, fsFixedLastRow, false}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    Fill_Column(grid, {"3", "4"});
    grid.FloatingFooter().SetVisible(k.visible);
    grid.FloatingFooter().SetFooterStyle(k.style);
    grid.FloatingFooter().SetEnableCalculation(k.enabled);
    grid.FloatingFooter().SetColumnCalc(1, acSUM);
    EXPECT_EQ(grid.Cells(1, 3), QString());
  }
}

TEST(GridFooter, VisibilityAndStyleKeepTheFixedFooterAndHiddenLastRowInStep) {
  TQrvStringGrid grid;
  grid.SetRowCount(5);
  TFloatingFooter& footer = grid.FloatingFooter();
  EXPECT_EQ(grid.FixedFooters(), 0);
  footer.SetVisible(true);
  EXPECT_EQ(grid.FixedFooters(), 1);
  EXPECT_TRUE(grid.HideLastRow());
  // The preview style stops hiding the last row but keeps the fixed footer until Visible is set again.
  footer.SetFooterStyle(fsColumnPreview);
  EXPECT_FALSE(grid.HideLastRow());
  EXPECT_EQ(grid.FixedFooters(), 1);
  footer.SetVisible(true);
  EXPECT_EQ(grid.FixedFooters(), 0);
  footer.SetVisible(false);
  footer.SetFooterStyle(fsFixedLastRow);
  EXPECT_FALSE(grid.HideLastRow());
  grid.SetDefaultRowHeight(31);
  EXPECT_EQ(footer.Height(), 31);
}

TEST(GridFooter, TemplatesTakeCellsOfTheRow) {
  TQrvStringGrid grid;
  grid.SetColCount(5);
  grid.SetRowCount(3);
  grid.SetCells(0, 2, QStringLiteral("first"));
  grid.SetCells(3, 2, QStringLiteral("12"));
  const std::pair<const char*, const char*> cases[] = {{"Total: <#3> items", "Total: 12 items"},
                                                       {"<#0>", "first"},
                                                       {"a<#x>b", "ab"},
                                                       {"<#3><#0>", "12first"},
                                                       {"open <#3", "open <#3"},
                                                       {"", ""}};
  for (const auto& [templ, expected] : cases)
    EXPECT_EQ(ExpandFooterTemplate(grid, QString::fromLatin1(templ), 2), QString::fromLatin1(expected)) << templ;
}

TEST(GridFooter, TheFooterRowsLinesFollowTheLook) {
  // Column 1 spans x 40..79: its left edge at 40, its right edge at 79; the fixed column's right edge at 39.
  constexpr QRgb white = qRgb(0xFF, 0xFF, 0xFF), grey = qRgb(0x80, 0x80, 0x80), lines = qRgb(0x00, 0xC0, 0x00);
  struct TCase {
    const char* name;
    TGridLook look;
    bool flat;
    bool leftLit;     // a white line along the column's left edge
    QRgb normalEdge;  // the right edge of a normal column; 0: the cell's own frame covers the edges
  };
  const TCase cases[] = {{"XP", glXP, false, true, grey},
                         {"Vyx", glVyx, false, true, grey},
                         {"Vista", glVista, false, true, lines},
                         {"flat XP", glXP, true, false, grey},
                         {"Standard", glStandard, false, false, grey},
                         {"Soft", glSoft, false, true, 0},
                         {"Classic", glClassic, false, false, 0}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TFooterStrip s;
    s.grid.SetLook(k.look);
    s.grid.Flat = k.flat;
    s.grid.SetGridLineColor(0x00C000);
    s.grid.SetCells(1, 3, QStringLiteral("12.5"));
    const QImage shot = s.Shot();
    EXPECT_EQ(shot.pixel(60, 0), lines) << "the top line in the grid-line colour";
    EXPECT_EQ(shot.pixel(40, 10) == white, k.leftLit);
    EXPECT_EQ(shot.pixel(80, 10) == white, k.leftLit);
    if (k.normalEdge == 0) continue;
    EXPECT_EQ(shot.pixel(39, 10), lines) << "a fixed column's right edge in the grid-line colour";
    EXPECT_EQ(shot.pixel(79, 10), k.normalEdge);
    EXPECT_EQ(shot.pixel(119, 10), k.normalEdge);
  }
}

TEST(GridFooter, WithoutFixedLinesTheFooterRowDrawsNone) {
  TFooterStrip s;
  s.grid.SetGridLineColor(0x00C000);
  s.grid.SetOptions(s.grid.Options() & ~TGridOptions(goFixedVertLine | goFixedHorzLine));
  const QImage shot = s.Shot();
  for (const int x : {39, 40, 60, 79, 80})
    for (const int y : {0, 10}) {
      EXPECT_NE(shot.pixel(x, y), qRgb(0x00, 0xC0, 0x00)) << x << "," << y;
      EXPECT_NE(shot.pixel(x, y), qRgb(0x80, 0x80, 0x80)) << x << "," << y;
    }
}

TEST(GridFooter, ColourTonesColourTheFooter) {
  TFooterStrip s;
  TColorTones tones;
  tones.Foreground = {0x3080E0, 0x204060, 0x101010};
  tones.Background = {0xF8F0E0, 0xC0C0C0, 0x000000};
  tones.Selected = {0x808000, 0x404000, 0xFFFFFF};
  s.grid.SetColorTones(tones);
  EXPECT_EQ(s.grid.FloatingFooter().Color(), 0x3080E0u);
  // The columns span 160 pixels in the footer's colour; past them the strip shows the grid's colour.
  const QImage shot = s.Shot();
  EXPECT_EQ(shot.pixel(100, 10), Rgb(0x3080E0));
  EXPECT_EQ(shot.pixel(190, 10), Rgb(0xF8F0E0));
}

TEST(GridFooter, TheColumnPreviewWritesInBlackWhateverTheSelectionsTextColour) {
  TFooterStrip s;
  s.grid.SetOptions(s.grid.Options() | goRowSelect);
  s.grid.SelectionTextColor = 0x0000FF;
  s.grid.SetRow(1);
  s.grid.SetCells(2, 1, QStringLiteral("WWWW"));
  s.grid.FloatingFooter().SetFooterStyle(fsColumnPreview);
  s.grid.FloatingFooter().SetColumn(2);
  const QImage shot = s.Shot();
  int red = 0, dark = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QRgb p = shot.pixel(x, y);
      red += qRed(p) > 160 && qGreen(p) < 80 && qBlue(p) < 80;
      dark += qGray(p) < 60;
    }
  EXPECT_EQ(red, 0);
  EXPECT_GT(dark, 0) << "the text is there";
  EXPECT_EQ(s.grid.SelectionTextColor, 0x0000FFu) << "and the grid's colour is given back";
}
