// The drop-down button of a hovered header cell: which presses it takes, the menu it opens and where, the event
// that may change the menu or keep the cell hot, the colours it shows while held, and no sort from a click on it.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <vector>

#include "GridPixels.h"
#include "GridTestHost.h"
#include "GridTestMenu.h"
#include "UCanvas.h"

namespace {
constexpr QRgb HoverRgb = qRgb(0x00, 0xFF, 0x00);
constexpr QRgb DownRgb = qRgb(0x00, 0x00, 0xFF);

// Records each menu the grid opens; what it sees of the grid while the menu is open is up to the test.
class TMenuHost : public TRecordingHost {
 public:
  struct TOpened {
    TPopupMenu* Menu;
    int32_t Tag;
    TPoint At;
  };
  void PopupMenu(TPopupMenu* menu, int32_t tag, const TPoint& at) override {
    Opened.push_back({menu, tag, at});
    if (WhileOpen) WhileOpen();
  }
  std::vector<TOpened> Opened;
  std::function<void()> WhileOpen;
};

// Five columns of 40 pixels and five rows of 20, one fixed row and column; every fixed cell hovers, shows the
// drop-down button, and takes plain green when hot and plain red when held.
struct TDropDownGrid {
  TDropDownGrid() {
    SetUpSmallGrid(grid);
    grid.SetHost(&host);
    grid.HoverFixedCells = hfAll;
    grid.ControlLook.SetFixedDropDownButton(true);
    grid.VyxGradientHover = TFixedGradient{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, clNone};
    grid.VyxGradientDown = TFixedGradient{0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, clNone};
    grid.OnClickCell = [this](TQrvStringGrid*, int32_t r, int32_t c) { clicks.push_back({c, r}); };
  }
  ~TDropDownGrid() { grid.SetHost(nullptr); }
  // Moves the mouse over (x, y), then presses there.
  void Press(int32_t x, int32_t y) {
    grid.GridMouseMove(TShiftState(), x, y);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, x, y);
  }
  void Release(int32_t x, int32_t y) { grid.GridMouseUp(TQrvStringGrid::gmbLeft, TShiftState(), x, y); }
  QImage Shot() { return PaintedShot(grid, 200, 100); }
  // The colours of the header cell's main part and of its button.
  std::pair<QRgb, QRgb> HeaderColours(int32_t c) {
    const TRect rect = grid.CellRect(c, 0);
    const QImage shot = Shot();
    return {shot.pixel(rect.Left + 8, 10), shot.pixel(rect.Right - 4, 3)};
  }
  TQrvStringGrid grid;
  TMenuHost host;
  std::vector<TPoint> clicks;
};

TPopupMenu* Menu(TPopupMenu& storage) {
  return &storage;
}
}  // namespace

TEST(FixedDropDown, APressInTheButtonOpensTheMenuUnderIt) {
  struct TCase {
    int32_t fromRight;  // how far left of the cell's right edge the press lies
    bool colSizing;
    bool opens;
  };
  // With column sizing the presses nearest the edge grab it instead.
  const TCase cases[] = {{17, false, false}, {16, false, true}, {8, false, true}, {2, false, true}, {1, false, true},
                         {17, true, false},  {16, true, true},  {4, true, true},  {3, true, false}, {1, true, false}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(testing::Message() << k.fromRight << (k.colSizing ? " sizing" : ""));
    TDropDownGrid g;
    TPopupMenu storage;
    g.grid.FixedDropDownMenu = Menu(storage);
    if (k.colSizing) g.grid.SetOptions(g.grid.Options() | goColSizing);
    const TRect rect = g.grid.CellRect(2, 0);
    g.Press(rect.Right - k.fromRight, 10);
    g.Release(rect.Right - k.fromRight, 10);
    ASSERT_EQ(g.host.Opened.size(), k.opens ? 1u : 0u);
    if (!k.opens) continue;
    EXPECT_EQ(g.host.Opened[0].Menu, Menu(storage));
    EXPECT_EQ(g.host.Opened[0].Tag, 2) << "the menu knows its column";
    EXPECT_EQ(g.host.Opened[0].At.X, rect.Right - 16);
    EXPECT_EQ(g.host.Opened[0].At.Y, rect.Bottom);
    EXPECT_TRUE(g.clicks.empty()) << "the press ends at the button";
  }
}

TEST(FixedDropDown, NoButtonNoMenu) {
  struct TCase {
    const char* name;
    std::function<void(TDropDownGrid&)> setUp;
    TPoint cell;
  };
  const TCase cases[] = {
      {"button off", [](TDropDownGrid& g) { g.grid.ControlLook.SetFixedDropDownButton(false); }, {2, 0}},
      {"no hovering", [](TDropDownGrid& g) { g.grid.HoverFixedCells = hfNone; }, {2, 0}},
      {"fixed columns only hover", [](TDropDownGrid& g) { g.grid.HoverFixedCells = hfFixedColumns; }, {2, 0}},
      {"the column refuses",
       [](TDropDownGrid& g) {
         g.grid.OnCanShowFixedDropDown = [](TQrvStringGrid*, int32_t c, bool& can) { can = c != 2; };
       },
       {2, 0}},
      {"a normal cell", [](TDropDownGrid&) {}, {2, 2}},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TDropDownGrid g;
    TPopupMenu storage;
    g.grid.FixedDropDownMenu = Menu(storage);
    k.setUp(g);
    const TRect rect = g.grid.CellRect(k.cell.X, k.cell.Y);
    g.Press(rect.Right - 8, rect.Top + 10);
    g.Release(rect.Right - 8, rect.Top + 10);
    EXPECT_TRUE(g.host.Opened.empty());
    EXPECT_EQ(g.clicks.size(), 1u) << "the press is an ordinary click";
  }
}

TEST(FixedDropDown, TheEventMayChangeTheMenuAndKeepTheCellHot) {
  TDropDownGrid g;
  TPopupMenu first, second;
  g.grid.FixedDropDownMenu = Menu(first);
  std::vector<TPoint> asked;
  bool keep = true;
  g.grid.OnFixedDropDownClick = [&](TQrvStringGrid*, int32_t c, int32_t r, TPopupMenu*& menu, bool& keepHot) {
    asked.push_back({c, r});
    EXPECT_EQ(menu, Menu(first));
    EXPECT_FALSE(keepHot);
    menu = Menu(second);
    keepHot = keep;
  };
  const TRect rect = g.grid.CellRect(3, 0);
  g.Press(rect.Right - 8, 10);
  ASSERT_EQ(g.host.Opened.size(), 1u);
  EXPECT_EQ(g.host.Opened[0].Menu, Menu(second));
  EXPECT_EQ(asked, (std::vector<TPoint>{{3, 0}}));
  // Kept hot: neither leaving the grid nor moving over another header cell takes the highlight away.
  g.grid.GridMouseLeave();
  g.grid.GridMouseMove(TShiftState(), g.grid.CellRect(1, 0).Left + 5, 10);
  EXPECT_EQ(g.grid.HoverFixedCell, (TPoint{3, 0}));
  // Not kept: the hot cell follows the mouse again.
  keep = false;
  g.Press(rect.Right - 8, 10);
  g.grid.GridMouseLeave();
  EXPECT_EQ(g.grid.HoverFixedCell, (TPoint{-1, -1}));
}

TEST(FixedDropDown, AnEventWithoutAMenuOpensNothing) {
  TDropDownGrid g;
  int calls = 0;
  g.grid.OnFixedDropDownClick = [&](TQrvStringGrid*, int32_t, int32_t, TPopupMenu*&, bool&) { ++calls; };
  const TRect rect = g.grid.CellRect(2, 0);
  g.Press(rect.Right - 8, 10);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(g.host.Opened.empty());
}

TEST(FixedDropDown, TheButtonShowsTheDownColoursWhileHeld) {
  TDropDownGrid g;
  TPopupMenu storage;
  g.grid.FixedDropDownMenu = Menu(storage);
  const TRect rect = g.grid.CellRect(2, 0);
  g.grid.GridMouseMove(TShiftState(), rect.Left + 5, 10);
  EXPECT_EQ(g.HeaderColours(2), std::make_pair(DownRgb, HoverRgb)) << "hot: the rest down, the button hot";
  std::pair<QRgb, QRgb> whileOpen{};
  g.host.WhileOpen = [&] { whileOpen = g.HeaderColours(2); };
  g.Press(rect.Right - 8, 10);
  EXPECT_EQ(whileOpen, std::make_pair(HoverRgb, DownRgb)) << "open: the button down, the rest hot";
  EXPECT_EQ(g.HeaderColours(2), std::make_pair(DownRgb, HoverRgb)) << "closed again";
  // Without a menu the button stays down until the mouse button is let go.
  g.grid.FixedDropDownMenu = nullptr;
  g.Press(rect.Right - 8, 10);
  EXPECT_EQ(g.HeaderColours(2).second, DownRgb);
  g.Release(rect.Right - 8, 10);
  EXPECT_EQ(g.HeaderColours(2).second, HoverRgb);
}

TEST(FixedDropDown, AClickOnTheButtonDoesNotSort) {
  TDropDownGrid g;
  g.grid.SortSettings.Show = true;
  const TRect rect = g.grid.CellRect(2, 0);
  g.Press(rect.Right - 8, 10);
  g.Release(rect.Right - 8, 10);
  EXPECT_EQ(g.grid.SortSettings.Column, -1);
  g.Press(rect.Left + 10, 10);
  g.Release(rect.Left + 10, 10);
  EXPECT_EQ(g.grid.SortSettings.Column, 2) << "a click beside the button sorts";
}

TEST(FixedDropDown, AMenuDestroyedIsForgotten) {
  TDropDownGrid g;
  auto menu = std::make_unique<TPopupMenu>();
  g.grid.FixedDropDownMenu = menu.get();
  menu.reset();
  EXPECT_EQ(static_cast<TPopupMenu*>(g.grid.FixedDropDownMenu), nullptr);
  const TRect rect = g.grid.CellRect(2, 0);
  g.Press(rect.Right - 8, 10);
  EXPECT_TRUE(g.host.Opened.empty()) << "nothing opens from a menu that is gone";
}
