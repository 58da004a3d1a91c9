// Cell graphics read back from pixels: pictures and file pictures, objects that paint themselves, bit buttons and
// the expand button, themed progress bars, radio groups whose clicks land on the item drawn there, and the
// three-state look of a greyed classic check box.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "../../support/FakeThemeModule.h"
#include "GridPixels.h"
#include "GridTestHost.h"
#include "UFrameControl.h"
#include "USysColors.h"

namespace {

bool IsRed(QRgb p) {
  return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

QByteArray SolidPng(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A 400 x 100 grid whose cell (2, 2) is 120 x 40; the current cell stays away from it.
struct KindsGrid : ::testing::Test {
  KindsGrid() : hosted(5, 5, 400, 100) {
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetColWidths(2, 120);
    grid.SetRowHeights(2, 40);
    grid.SetCol(1);
    grid.SetRow(1);
  }
  QImage Shot() { return PaintedShot(grid, 400, 100); }
  TRect Cell() { return grid.CellRect(2, 2); }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
};

using GridCellKindsPaint = KindsGrid;

TEST_F(GridCellKindsPaint, PicturesAreDrawnInTheirSizeOrStretchedByTheirMode) {
  struct Case {
    const char* name;
    TStretchMode mode;
    bool stretched;
  };
  for (const Case& k : {Case{"natural size", noStretch, false}, Case{"stretched", Stretch, true},
                        Case{"kept aspect", StretchWithAspectRatio, true}}) {
    SCOPED_TRACE(k.name);
    TPicture* picture = grid.CreatePicture(2, 2, false, k.mode, 0, haLeft, vaTop);
    QByteArray png = SolidPng(8, 6, qRgb(255, 0, 0));
    QBuffer in(&png);
    in.open(QIODevice::ReadOnly);
    picture->LoadFromStream(&in);
    const QImage shot = Shot();
    const TRect ink = InkBounds(shot, Cell(), IsRed);
    const TPoint size = grid.GetCellGraphicSize(2, 2);
    EXPECT_EQ(ink.Right - ink.Left, size.X);
    EXPECT_EQ(ink.Bottom - ink.Top, size.Y);
    EXPECT_EQ(size.X > 8, k.stretched);
    EXPECT_FALSE(picture->Stretch()) << "the picture's own setting is left as it was";
  }
}

TEST_F(GridCellKindsPaint, FilePicturesAreStretchedAndAMissingFileLeavesTheCellEmpty) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("red.png"));
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(SolidPng(8, 6, qRgb(255, 0, 0)));
  file.close();
  TFilePicture* picture = grid.CreateFilePicture(2, 2, false, Stretch, 4, haLeft, vaTop);
  picture->SetFilename(name);
  const TRect ink = InkBounds(Shot(), Cell(), IsRed);
  const TPoint size = grid.GetCellGraphicSize(2, 2);
  EXPECT_GT(size.X, 8 * 4);
  EXPECT_EQ(ink.Right - ink.Left, size.X);
  EXPECT_EQ(ink.Bottom - ink.Top, size.Y);

  ASSERT_TRUE(QFile::remove(name));
  QImage shot;
  EXPECT_NO_THROW(shot = Shot());
  EXPECT_EQ(CountPixels(shot, Cell(), IsRed), 0);
}

// Paints its rectangle green and counts its calls.
class TGreenObject : public TObject, public IGridCellObject {
 public:
  explicit TGreenObject(bool first) : FFirst(first) {}
  void Draw(TCanvas& canvas, const TRect& rect, int32_t, int32_t) override {
    ++Draws;
    Last = rect;
    canvas.Brush().Color = 0x00C000;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(rect);
  }
  int32_t GetWidth() override { return 0; }
  int32_t GetHeight() override { return 0; }
  bool DrawBeforeText() override { return FFirst; }
  int Draws = 0;
  TRect Last;

 private:
  bool FFirst;
};

TEST_F(GridCellKindsPaint, AnObjectPaintsItselfBeforeOrAfterTheText) {
  for (const bool first : {false, true}) {
    SCOPED_TRACE(first ? "before the text" : "after the text");
    TGreenObject object(first);
    grid.AddInterfacedCell(2, 2, &object);
    grid.SetCells(2, 2, QStringLiteral("WWWW"));
    const QImage shot = Shot();
    EXPECT_EQ(object.Draws, 1);
    const TRect cell = Cell();
    EXPECT_LE(object.Last.Left, cell.Left);
    EXPECT_LE(object.Last.Top, cell.Top);
    EXPECT_GE(object.Last.Right, cell.Right - 1);
    const int green = CountPixels(shot, cell, [](QRgb p) { return p == qRgb(0, 0xC0, 0); });
    const int text = CountPixels(shot, cell, [](QRgb p) { return qGray(p) < 60; });
    EXPECT_GT(green, cell.Width() * cell.Height() / 2);
    EXPECT_EQ(text > 0, first);
    grid.RemoveInterfacedCell(2, 2);
  }
}

TEST_F(GridCellKindsPaint, ABitButtonDrawsItsGlyphBesideOrInPlaceOfItsCaption) {
  QImage red(6, 6, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  TBitmap glyph(red);
  for (const char* caption : {"Go", ""}) {
    SCOPED_TRACE(caption);
    grid.AddBitButton(2, 2, 60, 24, QString::fromLatin1(caption), &glyph, haLeft, vaTop);
    const QImage shot = Shot();
    const TRect button = grid.GetCellButtonRect(2, 2);
    const TRect ink = InkBounds(shot, Cell(), IsRed);
    ASSERT_EQ(ink.Right - ink.Left, 6);
    if (*caption)
      EXPECT_EQ(ink.Left, button.Left + 3);
    else
      EXPECT_NEAR((ink.Left + ink.Right) / 2, (button.Left + button.Right) / 2, 1);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2, (button.Top + button.Bottom) / 2, 1);
    grid.RemoveButton(2, 2);
  }
}

TEST_F(GridCellKindsPaint, TheExpandButtonPointsUpWhenExpandedAndDownWhenFolded) {
  grid.AddExpand(2, 2, 80);
  for (const bool expanded : {false, true}) {
    SCOPED_TRACE(expanded ? "expanded" : "folded");
    if (grid.GetExpandState(2, 2) != expanded) grid.ToggleExpand(2, 2);
    const QImage shot = Shot();
    const TRect cell = Cell();
    // Inside the button's frame only the mark is dark.
    const TRect inside{cell.Right - 12, cell.Top + 3, cell.Right - 3, cell.Top + 12};
    const auto dark = [](QRgb p) { return qGray(p) < 60; };
    const TRect ink = InkBounds(shot, inside, dark);
    ASSERT_LT(ink.Left, ink.Right) << "no mark drawn";
    const int top = CountPixels(shot, TRect{ink.Left, ink.Top, ink.Right, ink.Top + 1}, dark);
    const int bottom = CountPixels(shot, TRect{ink.Left, ink.Bottom - 1, ink.Right, ink.Bottom}, dark);
    // The chevron's point is its narrow end.
    if (expanded)
      EXPECT_LT(top, bottom);
    else
      EXPECT_GT(top, bottom);
  }
}

struct ThemedCells : KindsGrid {
  ThemedCells() { UseFakeTheme(true); }
  ~ThemedCells() override { DropFakeTheme(); }
  QStringList ProgressCalls() {
    QStringList calls;
    bool open = false;
    for (const QString& call : TFakeTheme::Calls) {
      if (call.startsWith(QStringLiteral("open"))) open = call == QStringLiteral("open Progress");
      if (open && call.startsWith(QStringLiteral("draw"))) calls << call;
    }
    return calls;
  }
};

TEST_F(ThemedCells, TheThemedBarAndItsChunkFollowTheValue) {
  grid.ControlLook.ProgressXP = true;
  grid.AddProgress(2, 2, clRed, clWhite);
  const TRect cell = Cell();
  // The bar sits in the cell inset by the progress margins; the chunk fills its inside as far as the value goes.
  const int32_t left = cell.Left + 2, top = cell.Top + 2, right = cell.Right - 2, bottom = cell.Bottom - 2;
  const QString bar = QStringLiteral("draw 1 1 (%1,%2,%3,%4)").arg(left).arg(top).arg(right).arg(bottom);
  const int32_t inner = right - left - 2;
  auto chunk = [&](int32_t percent) {
    return QStringLiteral("draw 3 1 (%1,%2,%3,%4)")
        .arg(left + 1)
        .arg(top + 1)
        .arg(left + 1 + inner * percent / 100)
        .arg(bottom - 1);
  };
  struct Case {
    const char* value;
    TControlStyle style;
    bool themeActive;
    QStringList calls;
  };
  const Case cases[] = {
      {"50", csTheme, true, {bar, chunk(50)}},
      {"150", csWinXP, true, {bar, chunk(100)}},
      {"-5", csTheme, true, {bar}},
      {"50", csClassic, true, {}},
      {"50", csTheme, false, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(QStringLiteral("%1 style %2 active %3").arg(k.value).arg(k.style).arg(k.themeActive).toStdString());
    grid.ControlLook.ControlStyle = k.style;
    grid.SetCells(2, 2, QString::fromLatin1(k.value));
    TFakeTheme::Calls.clear();
    TFakeTheme::Active = k.themeActive;
    const QImage shot = Shot();
    EXPECT_EQ(ProgressCalls(), k.calls);
    if (k.calls.isEmpty())  // the two-colour bar instead: its red part for 50 %
      EXPECT_GT(CountPixels(shot, cell, IsRed), 0);
  }
  grid.ControlLook.ProgressXP = false;
  grid.ControlLook.ControlStyle = csTheme;
  TFakeTheme::Calls.clear();
  Shot();
  EXPECT_TRUE(ProgressCalls().isEmpty());
}

// Every item of a horizontal radio group is picked by a click on its own radio and on the end of its own text.
TEST_F(ThemedCells, ARadioGroupPicksTheItemDrawnUnderTheClick) {
  grid.SetOptions(grid.Options() | goEditing);
  grid.SetColWidths(2, 280);
  QStringList* items = grid.CreateRadio(2, 2, 1, 0);
  *items << "a"
         << "bbbbbb"
         << "c"
         << "dd"
         << "eeeee"
         << "f"
         << "g"
         << "h";
  grid.ControlLook.ControlStyle = csTheme;
  TFakeTheme::Calls.clear();
  Shot();
  std::vector<int32_t> lefts;
  for (const QString& call : TFakeTheme::Calls)
    if (call.startsWith(QStringLiteral("draw 2 ")))
      lefts.push_back(call.section(QLatin1Char('('), 1).section(QLatin1Char(','), 0, 0).toInt());
  ASSERT_EQ(lefts.size(), size_t(items->size()));
  const TRect cell = Cell();
  EXPECT_EQ(lefts[0], cell.Left + grid.XYOffset.X - 1 + 2);
  const int32_t y = (cell.Top + cell.Bottom) / 2;
  for (size_t i = 0; i < lefts.size(); ++i) {
    const int32_t end = i + 1 < lefts.size() ? lefts[i + 1] - 1 : lefts[i] + 16;
    for (const int32_t x : {lefts[i] + 1, end}) {
      grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, x, y);
      grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, x, y);
      int32_t idx = -1;
      grid.GetRadioIdx(2, 2, idx);
      EXPECT_EQ(idx, static_cast<int32_t>(i)) << "click at " << x;
    }
  }
}

// The classic radios are `RadioSize` apart plus the texts: find each grey ring and click on it.
TEST_F(GridCellKindsPaint, ClassicRadiosAreSpacedByTheirOwnSize) {
  grid.SetOptions(grid.Options() | goEditing);
  grid.SetColWidths(2, 280);
  grid.ControlLook.ControlStyle = csClassic;
  grid.SetFontColors(2, 2, 0xFF0000);
  QStringList* items = grid.CreateRadio(2, 2, 1, 0);
  *items << "ab"
         << "c"
         << "dddd"
         << "e"
         << "ff"
         << "g";
  const QImage shot = Shot();
  const TRect cell = Cell();
  const QRgb ring = Rgb(clBtnShadow);
  std::vector<int32_t> lefts;
  for (int32_t x = cell.Left; x < cell.Right; ++x) {
    bool hit = false;
    for (int32_t y = cell.Top; y < cell.Bottom && !hit; ++y) hit = shot.pixel(x, y) == ring;
    if (hit && (lefts.empty() || x > lefts.back() + grid.ControlLook.RadioSize)) lefts.push_back(x);
  }
  ASSERT_EQ(lefts.size(), size_t(items->size()));
  const int32_t y = (cell.Top + cell.Bottom) / 2;
  for (size_t i = 0; i < lefts.size(); ++i) {
    const int32_t x = lefts[i] + grid.ControlLook.RadioSize / 2;
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, x, y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, x, y);
    int32_t idx = -1;
    grid.GetRadioIdx(2, 2, idx);
    EXPECT_EQ(idx, static_cast<int32_t>(i)) << "ring at " << lefts[i];
  }
}

TEST_F(GridCellKindsPaint, AGreyedClassicCheckBoxShowsTheThreeStateLook) {
  struct TCounts {
    int black, grey, face;
  };
  grid.SetOptions(grid.Options() | goEditing);
  for (const TControlStyle style : {csClassic, csFlat}) {
    SCOPED_TRACE(style == csClassic ? "classic" : "flat");
    grid.ControlLook.ControlStyle = style;
    auto counts = [&](TCheckBoxState state) {
      grid.AddCheckBox(2, 2, state);
      const QImage shot = Shot();
      return TCounts{CountPixels(shot, Cell(), [](QRgb p) { return p == Rgb(clWindowText); }),
                     CountPixels(shot, Cell(), [](QRgb p) { return p == Rgb(clBtnShadow); }),
                     CountPixels(shot, Cell(), [](QRgb p) { return p == Rgb(clBtnFace); })};
    };
    const TCounts unchecked = counts(cbUnchecked), checked = counts(cbChecked), greyed = counts(cbGrayed);
    // The tick is 21 pixels: black when checked, grey on a dotted face when greyed.
    EXPECT_EQ(checked.black - unchecked.black, 21);
    EXPECT_EQ(greyed.black, unchecked.black);
    EXPECT_EQ(greyed.grey - unchecked.grey, 21);
    EXPECT_GT(greyed.face - unchecked.face, 30);
  }
}

TEST(FrameControl, TheThreeStateBoxIsDottedWithAGreyTick) {
  QImage image(15, 15, QImage::Format_RGB32);
  image.fill(Untouched);
  TCanvas canvas(&image);
  EXPECT_TRUE(DrawFrameControl(canvas, TRect{0, 0, 15, 15}, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED));
  canvas.Release();
  // Neighbouring face pixels alternate between button face and highlight.
  EXPECT_NE(image.pixel(3, 3), image.pixel(4, 3));
  EXPECT_EQ(image.pixel(3, 3), image.pixel(4, 4));
  EXPECT_EQ(CountPixels(image, TRect{2, 2, 13, 13}, [](QRgb p) { return p == Rgb(clWindowText); }), 0);
  EXPECT_EQ(CountPixels(image, TRect{2, 2, 13, 13}, [](QRgb p) { return p == Rgb(clBtnShadow); }), 21);
}

}  // namespace
