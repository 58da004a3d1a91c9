// What the mouse does to the look of cells and to what a press means, driven through the model's move, press,
// release and leave with no widget: button cells drawn hot under the mouse, fixed cells pressed in like buttons, and
// the cell-selector mode that hands presses to its hook.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "GridPixels.h"
#include "GridTestHost.h"
#include "USysColors.h"

namespace {

// The small painting grid on a recording window.
struct TLookGrid {
  TLookGrid() {
    SetUpSmallGrid(grid);
    grid.SetHost(&host);
    Fill(grid);
  }
  ~TLookGrid() { grid.SetHost(nullptr); }
  void Move(TPoint p) { grid.GridMouseMove({}, p.X, p.Y); }
  void Press(TPoint p) { grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, p.X, p.Y); }
  void Release(TPoint p) { grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, p.X, p.Y); }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  bool Repainted(int32_t c, int32_t r) { return host.Covered(grid.CellRect(c, r)); }
  QImage Shot() { return PaintedShot(grid, 200, 100); }
  TQrvStringGrid grid;
  TRecordingHost host;
};

// Each state of a toned button has its own face and caption colour.
TColorTones ButtonTones() {
  TColorTones tones;
  tones.Background = {0x00C000, 0x004000, 0x000000};
  tones.Hover = {0xC0C000, 0x404000, 0x0000FF};
  tones.Selected = {0x0000C0, 0x000040, 0xFFFFFF};
  tones.Disabled = {0xA0A0A0, 0x404040, 0x606060};
  tones.Foreground = {0xD08040, 0x804020, 0xFFFFFF};
  return tones;
}

}  // namespace

TEST(ButtonCellLook, TheButtonUnderTheMouseIsDrawnHotAndPressedWinsOverHot) {
  enum TAction { Rest, Over, Beside, OverPressed, OverReadOnly, Leave };
  struct Case {
    const char* name;
    TAction action;
    TColorTone TColorTones::*tone;
  };
  const Case cases[] = {
      {"nothing over it", Rest, &TColorTones::Background},
      {"the mouse over the button", Over, &TColorTones::Hover},
      {"the mouse in the cell beside the button", Beside, &TColorTones::Background},
      {"the button held down", OverPressed, &TColorTones::Selected},
      {"a read-only cell's button stays disabled", OverReadOnly, &TColorTones::Disabled},
      {"the mouse gone from the grid", Leave, &TColorTones::Background},
  };
  const TColorTones tones = ButtonTones();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TLookGrid g;
    g.grid.SetColorTones(tones);
    g.grid.SetOptions(g.grid.Options() | goEditing);
    g.grid.AddButton(2, 2, 30, 14, "Go", haLeft, vaTop);
    if (k.action == OverReadOnly)
      g.grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; };
    g.Shot();  // the first painting places the button in its cell
    const TRect button = g.grid.GetCellButtonRect(2, 2);
    ASSERT_GT(button.Width(), 20);
    const TPoint on{button.Left + 3, button.Top + 3};
    g.host.Rects.clear();
    switch (k.action) {
      case Over:
      case OverReadOnly:
        g.Move(on);
        break;
      case Beside:
        g.Move({button.Right + 3, button.Top + 3});
        break;
      case OverPressed:
        g.Move(on);
        g.Press(on);
        break;
      case Leave:
        g.Move(on);
        g.grid.GridMouseLeave();
        break;
      default:
        break;
    }
    const bool hot = k.action == Over || k.action == OverPressed || k.action == OverReadOnly;
    const TPoint hoverButton = hot ? TPoint{2, 2} : TPoint{-1, -1};
    EXPECT_EQ(g.grid.HoverButton(), hoverButton);
    if (k.action != Rest && k.action != Beside) {
      EXPECT_TRUE(g.Repainted(2, 2)) << "the cell shows its new state";
    }
    const QImage shot = g.Shot();
    const TColorTone tone = tones.*k.tone;
    EXPECT_EQ(shot.pixel(on.X, on.Y), Rgb(tone.BrushColor));
    // The caption takes the text colour of the same tone.
    EXPECT_GT(CountPixels(shot, button, [&](QRgb p) { return p == Rgb(tone.TextColor); }), 0);
  }
}

TEST(ButtonCellLook, HotFollowsTheMouseFromButtonToButtonAndOntoExpandButtons) {
  TLookGrid g;
  g.grid.SetColorTones(ButtonTones());
  g.grid.AddButton(2, 2, 30, 14, "A", haLeft, vaTop);
  g.grid.AddButton(3, 2, 30, 14, "B", haLeft, vaTop);
  g.grid.AddExpand(3, 3, 40);
  g.Shot();
  const TRect a = g.grid.GetCellButtonRect(2, 2), b = g.grid.GetCellButtonRect(3, 2);
  const TRect expand = g.grid.ExpandButtonRect(3, 3);
  g.Move({a.Left + 2, a.Top + 2});
  ASSERT_EQ(g.grid.HoverButton(), (TPoint{2, 2}));
  g.host.Rects.clear();
  g.Move({b.Left + 2, b.Top + 2});
  EXPECT_EQ(g.grid.HoverButton(), (TPoint{3, 2}));
  EXPECT_TRUE(g.Repainted(2, 2)) << "the button left goes back to normal";
  EXPECT_TRUE(g.Repainted(3, 2));
  g.host.Rects.clear();
  g.Move({b.Left + 3, b.Top + 3});
  EXPECT_TRUE(g.host.Rects.empty()) << "moving within one button repaints nothing";
  g.Move({expand.Left + 2, expand.Top + 2});
  EXPECT_EQ(g.grid.HoverButton(), (TPoint{3, 3}));
  const QImage shot = g.Shot();
  EXPECT_EQ(shot.pixel(expand.Left + 3, expand.Top + 3), Rgb(ButtonTones().Hover.BrushColor));
}

TEST(ButtonCellLook, AWheelScrollTakesTheHotStateToTheButtonNowUnderTheMouse) {
  for (const bool everyRow : {false, true}) {
    SCOPED_TRACE(everyRow ? "a button in every row" : "one button");
    TLookGrid g;
    g.grid.SetRowCount(20);
    g.grid.WheelScrollLines = 3;
    g.grid.MouseActions().SetWheelAction(waScroll);
    g.grid.SetColorTones(ButtonTones());
    g.grid.SetOptions(g.grid.Options() | goEditing);  // a read-only cell's button never shows hot
    for (int32_t r = 1; r < (everyRow ? 20 : 3); ++r) g.grid.AddButton(2, r, 30, 14, "Go", haLeft, vaTop);
    g.Shot();
    const TRect button = g.grid.GetCellButtonRect(2, 2);
    const TPoint on{button.Left + 3, button.Top + 3};
    g.Move(on);
    ASSERT_EQ(g.grid.HoverButton(), (TPoint{2, 2}));
    g.grid.MouseWheel(-120, {}, on);  // three rows down: row 5 now lies under the mouse
    ASSERT_EQ(g.grid.TopRow(), 4);
    EXPECT_EQ(g.grid.HoverButton(), (everyRow ? TPoint{2, 5} : TPoint{-1, -1}));
    if (everyRow) EXPECT_EQ(g.Shot().pixel(on.X, on.Y), Rgb(ButtonTones().Hover.BrushColor));
  }
}

namespace {

// True when the cell is drawn pressed in: its top and left edges shadowed, and a lit line along its bottom and its
// right edge (the face ends a little inside the grid lines).
bool DrawnSunken(const QImage& shot, const TRect& cell) {
  const QRgb shadow = Rgb(clBtnShadow), light = Rgb(clBtnHighlight);
  const TRect face{cell.Left + 1, cell.Top + 1, cell.Right - 3, cell.Bottom - 3};
  auto row = [&](int32_t y, QRgb colour) {
    return CountPixels(shot, TRect{face.Left, y, face.Right, y + 1}, [&](QRgb p) { return p == colour; }) ==
           face.Width();
  };
  auto column = [&](int32_t x, QRgb colour) {
    return CountPixels(shot, TRect{x, face.Top, x + 1, face.Bottom}, [&](QRgb p) { return p == colour; }) ==
           face.Height();
  };
  auto litLine = [&](bool across) {
    for (int32_t at = 0; at < 3; ++at)
      if (across ? row(cell.Bottom - 1 - at, light) : column(cell.Right - 1 - at, light)) return true;
    return false;
  };
  return row(cell.Top, shadow) && column(cell.Left, shadow) && litLine(true) && litLine(false);
}

}  // namespace

TEST(FixedAsButtons, APressedFixedCellIsDrawnSunkenUntilTheRelease) {
  struct Case {
    const char* name;
    bool asButtons;
    TGridOptions without;
    bool flat;
    int32_t c, r;
    bool sunken;
  };
  const Case cases[] = {
      {"a header cell", true, {}, false, 2, 0, true},
      {"a row header cell", true, {}, false, 0, 3, true},
      {"the top-left cell", true, {}, false, 0, 0, true},
      {"a normal cell", true, {}, false, 2, 3, false},
      {"the setting off", false, {}, false, 2, 0, false},
      {"no fixed horizontal lines", true, goFixedHorzLine, false, 2, 0, false},
      {"no fixed vertical lines", true, goFixedVertLine, false, 2, 0, false},
      {"a flat grid", true, {}, true, 2, 0, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TLookGrid g;
    g.grid.FixedAsButtons = k.asButtons;
    g.grid.SetOptions(g.grid.Options() & ~k.without);
    g.grid.Flat = k.flat;
    const TRect cell = g.grid.CellRect(k.c, k.r);
    EXPECT_FALSE(DrawnSunken(g.Shot(), cell)) << "at rest";
    g.host.Rects.clear();
    g.Press(g.Mid(k.c, k.r));
    EXPECT_EQ(DrawnSunken(g.Shot(), cell), k.sunken);
    if (k.sunken) {
      EXPECT_TRUE(g.Repainted(k.c, k.r));
    }
    g.host.Rects.clear();
    g.Release(g.Mid(k.c, k.r));
    EXPECT_FALSE(DrawnSunken(g.Shot(), cell)) << "after the release";
    if (k.sunken) {
      EXPECT_TRUE(g.Repainted(k.c, k.r));
    }
  }
}

TEST(FixedAsButtons, APressOnANodeGlyphInTheHeaderIsNoButtonPress) {
  TLookGrid g;
  g.grid.FixedAsButtons = true;
  g.grid.MouseActions().SetNodeAllExpandContract(true);
  g.grid.AddNode(1, 3);
  g.grid.CreateCellGraphic(0, 0)->SetCellType(ctNode);  // a header node stands for all nodes
  const int32_t rows = g.grid.RowCount();
  const TRect cell = g.grid.CellRect(0, 0);
  const TPoint glyph{cell.Left + 8, (cell.Top + cell.Bottom) / 2};
  g.Press(glyph);
  ASSERT_NE(g.grid.RowCount(), rows) << "the press hit the header's node glyph";
  EXPECT_FALSE(DrawnSunken(g.Shot(), cell));
  g.Release(glyph);
  const TPoint beside{cell.Right - 4, (cell.Top + cell.Bottom) / 2};
  g.Press(beside);
  EXPECT_TRUE(DrawnSunken(g.Shot(), cell));
}

TEST(FixedAsButtons, AButtonInAFixedColumnClicksWhereverTheReleaseFalls) {
  for (const bool asButtons : {false, true}) {
    SCOPED_TRACE(asButtons ? "fixed as buttons" : "plain fixed cells");
    TLookGrid g;
    g.grid.FixedAsButtons = asButtons;
    g.grid.AddButton(0, 3, 30, 14, "Go", haLeft, vaTop);
    std::vector<TPoint> clicks;
    g.grid.OnButtonClick = [&](TQrvStringGrid*, int32_t c, int32_t r) { clicks.push_back({c, r}); };
    g.Shot();
    const TRect button = g.grid.GetCellButtonRect(0, 3);
    g.Press({button.Left + 3, button.Top + 3});
    g.Release(g.Mid(3, 4));
    EXPECT_EQ(clicks.size(), asButtons ? 1u : 0u);
  }
}

namespace {

// Records the cells the selector mode hands over.
class TSelectorGrid : public TQrvStringGrid {
 public:
  void CellSelectorClick(int32_t aCol, int32_t aRow) override { Picked.push_back({aCol, aRow}); }
  std::vector<TPoint> Picked;
};

}  // namespace

TEST(CellSelectorMode, APressPicksTheCellAndDoesNothingElse) {
  THostedGrid<TSelectorGrid> hosted(5, 6, 300, 200);
  TSelectorGrid& grid = hosted.grid;
  Fill(grid);
  grid.SetOptions(grid.Options() | goEditing | goColSizing);
  int clicks = 0;
  grid.OnClickCell = [&](TQrvStringGrid*, int32_t, int32_t) { ++clicks; };
  bool allowClick = true;
  grid.OnCanClickCell = [&](TQrvStringGrid*, int32_t, int32_t, bool& allow) { allow = allowClick; };
  const TRect cell = grid.CellRect(3, 4);
  const TPoint mid{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
  const TGridRect before = grid.Selection();
  EXPECT_EQ(grid.CursorAt(mid.X, mid.Y), TQrvStringGrid::gcDefault);

  grid.SetCellSelectorMode(true);
  EXPECT_EQ(grid.CursorAt(mid.X, mid.Y), TQrvStringGrid::gcCellSelector);
  const TRect header = grid.CellRect(2, 0);
  EXPECT_EQ(grid.CursorAt(header.Right - 1, 10), TQrvStringGrid::gcCellSelector) << "even over a sizing edge";
  grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, mid.X, mid.Y);
  grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, mid.X, mid.Y);
  ASSERT_EQ(grid.Picked.size(), 1u);
  EXPECT_EQ(grid.Picked[0], (TPoint{3, 4}));
  EXPECT_EQ(grid.Selection(), before) << "the press selects nothing";
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(grid.EditMode());

  allowClick = false;
  grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, mid.X, mid.Y);
  EXPECT_EQ(grid.Picked.size(), 1u) << "OnCanClickCell refuses before the hook";

  grid.SetCellSelectorMode(false);
  allowClick = true;
  grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, mid.X, mid.Y);
  grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, mid.X, mid.Y);
  EXPECT_EQ(grid.Picked.size(), 1u);
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_EQ(grid.Row(), 4);
}
