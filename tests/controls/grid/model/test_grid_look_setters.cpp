// What the grid's look settings do when they are written: repaint, act only where what they change is shown,
// or turn on other settings.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "GridTestHost.h"
#include "UQrvColumnGrid.h"
#include "URenderMarkup.h"

namespace {

struct TLookHostedGrid {
  TQrvColumnGrid grid;
  TRecordingHost host;
  TLookHostedGrid() { grid.SetHost(&host); }
  ~TLookHostedGrid() { grid.SetHost(nullptr); }
  // The repaints a write asks for.
  int Repaints(const std::function<void(TQrvStringGrid&)>& write) {
    const int before = host.AllRepaints;
    write(grid);
    return host.AllRepaints - before;
  }
};

}  // namespace

TEST(GridLookSetters, AChangedSettingRepaintsAndTheSameValueDoesNot) {
  struct TCase {
    const char* Name;
    std::function<void(TQrvStringGrid&)> Change, Same;
  } cases[] = {
      {"SelectionColor", [](auto& g) { g.SelectionColor = 0x123456; }, [](auto& g) { g.SelectionColor = 0xEACAB6; }},
      {"SelectionColorTo", [](auto& g) { g.SelectionColorTo = 0x1; }, [](auto& g) { g.SelectionColorTo = clNone; }},
      {"SelectionMirrorColor", [](auto& g) { g.SelectionMirrorColor = 0x2; },
       [](auto& g) { g.SelectionMirrorColor = clNone; }},
      {"SelectionMirrorColorTo", [](auto& g) { g.SelectionMirrorColorTo = 0x3; },
       [](auto& g) { g.SelectionMirrorColorTo = clNone; }},
      {"SelectionTextColor", [](auto& g) { g.SelectionTextColor = 0x4; }, [](auto& g) { g.SelectionTextColor = 0; }},
      {"SelectionColorMixer", [](auto& g) { g.SelectionColorMixer = true; },
       [](auto& g) { g.SelectionColorMixer = false; }},
      {"SelectionRectangle", [](auto& g) { g.SelectionRectangle = true; },
       [](auto& g) { g.SelectionRectangle = false; }},
      {"SelectionResizer", [](auto& g) { g.SelectionResizer = true; }, [](auto& g) { g.SelectionResizer = false; }},
      {"URLShow", [](auto& g) { g.URLShow = true; }, [](auto& g) { g.URLShow = false; }},
      {"URLShowInText", [](auto& g) { g.URLShowInText = true; }, [](auto& g) { g.URLShowInText = false; }},
      {"Flat", [](auto& g) { g.Flat = true; }, [](auto& g) { g.Flat = false; }},
      {"VAlignment", [](auto& g) { g.VAlignment = vtaCenter; }, [](auto& g) { g.VAlignment = vtaTop; }},
      {"BorderColor", [](auto& g) { g.BorderColor = 0x5; }, [](auto& g) { g.BorderColor = 0xB99D7F; }},
      {"BackGround.Color", [](auto& g) { g.BackGround.Color = 0x6; }, [](auto& g) { g.BackGround.Color = clWindow; }},
      {"BackGround.ColorTo", [](auto& g) { g.BackGround.ColorTo = 0x7; },
       [](auto& g) { g.BackGround.ColorTo = clBtnFace; }},
      {"BackGround.Display", [](auto& g) { g.BackGround.Display = bdGradientVert; },
       [](auto& g) { g.BackGround.Display = bdTile; }},
      {"BackGround.Cells", [](auto& g) { g.BackGround.Cells = bcAll; },
       [](auto& g) { g.BackGround.Cells = bcNormal; }},
      {"BackGround.Left", [](auto& g) { g.BackGround.Left = 8; }, [](auto& g) { g.BackGround.Left = 0; }},
      {"BackGround.Top", [](auto& g) { g.BackGround.Top = 9; }, [](auto& g) { g.BackGround.Top = 0; }},
  };
  for (const TCase& k : cases) {
    TLookHostedGrid g;
    EXPECT_EQ(g.Repaints(k.Same), 0) << k.Name << " written unchanged";
    EXPECT_EQ(g.Repaints(k.Change), 1) << k.Name << " changed";
  }
}

TEST(GridLookSetters, BackgroundPictureAndWholeBackgroundRepaint) {
  TLookHostedGrid g;
  TBitmap picture;
  picture.SetSize(4, 4);
  EXPECT_GE(g.Repaints([&](auto& grid) { grid.BackGround.Bitmap = picture; }), 1);
  EXPECT_EQ(g.grid.BackGround.Bitmap.Value().Width(), 4);
  TBackGround other;
  other.Color = 0x010203;
  EXPECT_GE(g.Repaints([&](auto& grid) { grid.BackGround = other; }), 1);
  EXPECT_EQ(g.grid.BackGround.Color, 0x010203u);
}

TEST(GridLookSetters, LinkColourAndFullLinksRepaintOnlyWhileLinksAreShown) {
  TLookHostedGrid g;
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.URLColor = 0x00FF00; }), 0);
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.URLFull = true; }), 0);
  EXPECT_EQ(g.grid.URLColor, 0x00FF00u) << "stored all the same";
  g.grid.URLShow = true;
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.URLColor = 0x0000FF; }), 1);
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.URLFull = false; }), 1);
}

TEST(GridLookSetters, FlatWaitsForLoadingAndVerticalAlignmentForTheUpdateLock) {
  TLookHostedGrid g;
  g.grid.SetLoading(true);
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.Flat = true; }), 0);
  g.grid.SetLoading(false);
  EXPECT_TRUE(g.grid.Flat);

  g.grid.BeginUpdate();
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.VAlignment = vtaBottom; }), 0);
  g.grid.EndUpdate();
  EXPECT_EQ(g.grid.VAlignment, vtaBottom);
}

TEST(GridLookSetters, HighlightColoursReachTheMarkupRenderer) {
  TLookHostedGrid g;
  EXPECT_EQ(g.Repaints([](auto& grid) { grid.HighlightColor = clLime; }), 1);
  EXPECT_EQ(MarkupHighlightBackColor(), clLime);
  EXPECT_EQ(MarkupHighlightTextColor(), clHighlightText);
  g.grid.HighlightTextColor = clNavy;
  EXPECT_EQ(MarkupHighlightBackColor(), clLime);
  EXPECT_EQ(MarkupHighlightTextColor(), clNavy);
  g.grid.HighlightColor = clHighlight;
  g.grid.HighlightTextColor = clHighlightText;
  EXPECT_EQ(MarkupHighlightBackColor(), clHighlight);
  EXPECT_EQ(MarkupHighlightTextColor(), clHighlightText);
}

TEST(GridLookSetters, SettingsPrintTheirValuesAndCopiesCarryNoReaction) {
  TLookHostedGrid g;
  g.grid.SelectionColor = 0xABCDEF;
  std::ostringstream text;
  text << g.grid.SelectionColor;
  EXPECT_EQ(text.str(), std::to_string(0xABCDEF));
  EXPECT_EQ(::testing::PrintToString(g.grid.VAlignment), std::to_string(int(vtaTop)));
  // A copy is a value: writing it repaints nothing.
  auto copy = g.grid.SelectionColor;
  EXPECT_EQ(g.Repaints([&](auto&) { copy = 0x1; }), 0);
  EXPECT_EQ(g.grid.SelectionColor, 0xABCDEFu);
}

TEST(GridLookSetters, SpreadSheetTurnsOnRangeSelectionAndEditing) {
  for (const bool value : {false, true}) {
    TQrvStringGrid grid;
    grid.SetOptions(grid.Options() & ~TGridOptions(goRangeSelect | goEditing));
    grid.SpreadSheet = value;
    EXPECT_EQ(grid.SpreadSheet, value);
    EXPECT_TRUE(grid.SelectionRectangle) << value;
    EXPECT_TRUE(grid.SelectionResizer) << value;
    EXPECT_TRUE(grid.Navigation().AllowSmartClipboard()) << value;
    EXPECT_TRUE(grid.Options() & goRangeSelect) << value;
    EXPECT_TRUE(grid.Options() & goEditing) << value;
    EXPECT_TRUE(grid.MouseActions().RangeSelectAndEdit()) << value;
  }
}

TEST(GridLookSetters, SwitchingAutoSizeOnSizesTheNormalColumnsWithRoomToSpare) {
  TQrvStringGrid sized, measured;
  for (TQrvStringGrid* g : {&sized, &measured}) {
    g->SetColCount(3);
    g->SetFixedCols(1);
    g->SetCells(0, 1, QStringLiteral("a fixed column's long text"));
    g->SetCells(1, 1, QStringLiteral("some text"));
    g->SetCells(2, 2, QStringLiteral("wider text in column two"));
  }
  const int32_t fixedWidth = sized.ColWidths(0);
  measured.AutoSizeColumns(false, 0);
  sized.AutoSize = true;
  EXPECT_EQ(sized.ColWidths(0), fixedWidth);
  EXPECT_EQ(sized.ColWidths(1), measured.ColWidths(1) + 10);
  EXPECT_EQ(sized.ColWidths(2), measured.ColWidths(2) + 10);

  // Switching it off, or switching it on while loading, sizes nothing.
  sized.SetColWidths(1, 30);
  sized.AutoSize = false;
  EXPECT_EQ(sized.ColWidths(1), 30);
  TQrvColumnGrid loading;
  loading.SetCells(1, 1, QStringLiteral("some long text to measure"));
  const int32_t before = loading.ColWidths(1);
  loading.SetLoading(true);
  loading.AutoSize = true;
  EXPECT_EQ(loading.ColWidths(1), before);
}
