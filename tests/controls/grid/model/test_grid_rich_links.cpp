// Rich-text cells painted in their formats and measured by their characters, links of markup cells underlined
// while the mouse is over them, and the hints of links: read back from pixels, repaint requests and the hint
// preparation.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "GridPixels.h"
#include "GridTestHost.h"
#include "UCanvas.h"
#include "URichText.h"

namespace {

// Three columns (the middle one 300 pixels wide) and four rows of 24 pixels, one fixed row and column; the current
// cell stays at (1, 1), so rows 2 and 3 are painted unselected.
struct TLinkGrid {
  TLinkGrid() : hosted(3, 4, 400, 96) {
    grid.SetColWidths(0, 40);
    grid.SetColWidths(1, 300);
    grid.SetColWidths(2, 40);
    for (int32_t r = 0; r < 4; ++r) grid.SetRowHeights(r, 24);
  }
  QImage Shot() { return PaintedShot(grid, 400, 96); }
  // The inside of cell (1, r), without its grid lines.
  TRect Inside(int32_t r) {
    const TRect rect = grid.CellRect(1, r);
    return TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
};

bool Red(QRgb p) {
  return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80;
}
bool Dark(QRgb p) {
  return qGray(p) < 100 && !Red(p);
}
bool White(QRgb p) {
  return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230;
}
bool Blue(QRgb p) {
  return qBlue(p) > 180 && qRed(p) < 80 && qGreen(p) < 80;
}

int32_t PlainTextWidth(const QString& text) {
  QImage image(1, 1, QImage::Format_RGB32);
  TCanvas canvas(&image);
  return canvas.TextWidth(text);
}

const QString RedAndPlain = QStringLiteral("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 RED\\cf0  plain}");

TEST(RichTextCells, RunsShowInTheirFormatsAndControlWordsNever) {
  TLinkGrid g;
  g.grid.SetCells(1, 2, RedAndPlain);
  g.grid.SetCells(1, 3, QStringLiteral("{\\rtf1\\b WIDE\\b0}"));
  g.grid.SetCells(1, 1, QStringLiteral("{\\rtf1 WIDE}"));
  const QImage shot = g.Shot();
  const TRect red = InkBounds(shot, g.Inside(2), Red);
  const TRect dark = InkBounds(shot, g.Inside(2), Dark);
  ASSERT_GT(red.Right, red.Left) << "the coloured run shows in its colour";
  ASSERT_GT(dark.Right, dark.Left) << "the other run shows in the cell's font colour";
  EXPECT_LT(red.Right, dark.Left) << "the red run comes first";
  // "RED plain" is drawn, never the document's control words, which would be far wider.
  EXPECT_LT(dark.Right - red.Left, PlainTextWidth(RedAndPlain) / 3);
  // The same word takes more ink bold than plain.
  EXPECT_GT(CountPixels(shot, g.Inside(3), Dark) * 5, CountPixels(shot, g.Inside(1), Dark) * 6);
}

TEST(RichTextCells, TextThatIsNotARichDocumentIsDrawnAsItStands) {
  // Plain text, and a document the reader refuses (its number is too long), both go the plain text's way: one line
  // of their characters from the cell's text offset.
  const QString cases[] = {QStringLiteral("plain text"), QStringLiteral("{\\rtf1\\fs99999999999 x}")};
  for (const QString& text : cases) {
    TLinkGrid g;
    g.grid.SetCells(1, 2, text);
    const QImage shot = g.Shot();
    const TRect ink = InkBounds(shot, g.Inside(2), Dark);
    const TRect cell = g.grid.CellRect(1, 2);
    EXPECT_NEAR(ink.Left, cell.Left + g.grid.XYOffset.X, 2) << text.toStdString();
    EXPECT_NEAR(ink.Right - ink.Left, PlainTextWidth(text), 3) << text.toStdString();
  }
}

TEST(RichTextCells, APasswordCellShowsItsMaskNeverItsRuns) {
  TLinkGrid g;
  g.grid.SetCells(1, 2, RedAndPlain);
  g.grid.OnIsPasswordCell = [](TQrvStringGrid*, int32_t r, int32_t c, bool& password) {
    password = c == 1 && r == 2;
  };
  const QImage shot = g.Shot();
  EXPECT_EQ(CountPixels(shot, g.Inside(2), Red), 0);
  EXPECT_GT(CountPixels(shot, g.Inside(2), Dark), 0);
}

TEST(RichTextCells, ASelectedCellTakesTheSelectionTextColourUnlessItKeepsItsOwn) {
  struct Case {
    bool keep;
    bool redShown, whiteShown;
  } cases[] = {{false, false, true}, {true, true, false}};
  for (const Case& c : cases) {
    TLinkGrid g;
    g.grid.SelectionColor = 0x000000;  // black behind the text, so white text shows
    g.grid.SelectionTextColor = 0xFFFFFF;
    g.grid.SelectionRTFKeep = c.keep;
    g.grid.SetCells(1, 2, QStringLiteral("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 RED RED}"));
    g.grid.SelectCells(1, 2, 2, 2);
    const QImage shot = g.Shot();
    EXPECT_EQ(CountPixels(shot, g.Inside(2), Red) > 0, c.redShown) << c.keep;
    EXPECT_EQ(CountPixels(shot, g.Inside(2), White) > 0, c.whiteShown) << c.keep;
  }
}

TEST(RichTextCells, AreMeasuredByTheirCharactersAndFonts) {
  TLinkGrid g;
  g.grid.SetCells(1, 1, QStringLiteral("{\\rtf1 x}"));
  g.grid.SetCells(1, 2, QStringLiteral("{\\rtf1\\fs48 x}"));
  g.grid.SetCells(1, 3, QStringLiteral("{\\rtf1 one\\par two\\par three}"));
  const TSize one = g.grid.GetCellTextSize(1, 1, false, false);
  const TSize large = g.grid.GetCellTextSize(1, 2, false, false);
  const TSize lines = g.grid.GetCellTextSize(1, 3, false, false);
  EXPECT_LT(one.cx, PlainTextWidth(QStringLiteral("{\\rtf1 x}")) / 2);
  EXPECT_GT(large.cy, one.cy * 3 / 2);
  EXPECT_GT(large.cx, one.cx);
  EXPECT_GT(lines.cy, one.cy * 5 / 2);
}

// Two links in the cell (1, 3), the first with a title; "and" between them is plain text.
const QString TwoLinks = QStringLiteral(
    "<a href=\"http://first.example\" title=\"First title\">first link</a> and "
    "<a href=\"http://second.example\">second link</a>");

// Column spans of the cell's link-coloured ink, one per link.
std::vector<std::pair<int, int>> LinkSpans(const QImage& image, const TRect& area) {
  std::vector<std::pair<int, int>> spans;
  for (int x = area.Left; x < area.Right; ++x) {
    bool blue = false;
    for (int y = area.Top; y < area.Bottom && !blue; ++y) blue = Blue(image.pixel(x, y));
    if (!blue) continue;
    if (!spans.empty() && x - spans.back().second < 8)
      spans.back().second = x + 1;
    else
      spans.push_back({x, x + 1});
  }
  return spans;
}

// A link is underlined when one row of link colour runs under nearly all of it; letters leave gaps.
bool Underlined(const QImage& image, const TRect& area, std::pair<int, int> span) {
  for (int y = area.Top; y < area.Bottom; ++y) {
    int run = 0;
    for (int x = span.first; x < span.second; ++x) run += Blue(image.pixel(x, y)) ? 1 : 0;
    if (run * 10 >= (span.second - span.first) * 9) return true;
  }
  return false;
}

struct HoveredLinks : ::testing::Test {
  HoveredLinks() {
    g.grid.URLUnderlineOnHover = true;
    g.grid.SetCells(1, 3, TwoLinks);
    spans = LinkSpans(g.Shot(), g.Inside(3));
  }
  TPoint On(size_t link) {
    const TRect cell = g.grid.CellRect(1, 3);
    return {(spans[link].first + spans[link].second) / 2, (cell.Top + cell.Bottom) / 2};
  }
  void Move(TPoint p) { g.grid.GridMouseMove({}, p.X, p.Y); }
  std::vector<bool> UnderlinedLinks() {
    const QImage shot = g.Shot();
    std::vector<bool> result;
    for (const auto& span : spans) result.push_back(Underlined(shot, g.Inside(3), span));
    return result;
  }
  TLinkGrid g;
  std::vector<std::pair<int, int>> spans;
};

TEST_F(HoveredLinks, OnlyTheLinkUnderTheMouseIsUnderlinedAndEachChangeRepaintsTheCell) {
  ASSERT_EQ(spans.size(), 2u);
  const TRect cell = g.grid.CellRect(1, 3);
  const TPoint pastLinks{cell.Right - 6, (cell.Top + cell.Bottom) / 2};
  const struct Step {
    const char* name;
    TPoint at;
    std::vector<bool> underlined;
    bool repainted;
  } steps[] = {
      {"first link", On(0), {true, false}, true},
      {"elsewhere on the first link", TPoint{On(0).X + 3, On(0).Y}, {true, false}, false},
      {"second link", On(1), {false, true}, true},
      {"past the links", pastLinks, {false, false}, true},
      {"past them again", TPoint{pastLinks.X - 2, pastLinks.Y}, {false, false}, false},
      {"another cell", TPoint{(cell.Right + 380) / 2, On(0).Y}, {false, false}, false},
      {"second link again", On(1), {false, true}, true},
  };
  EXPECT_EQ(UnderlinedLinks(), (std::vector<bool>{false, false})) << "nothing under the mouse yet";
  for (const Step& step : steps) {
    g.hosted.host.Rects.clear();
    Move(step.at);
    EXPECT_EQ(UnderlinedLinks(), step.underlined) << step.name;
    const bool repainted = std::any_of(g.hosted.host.Rects.begin(), g.hosted.host.Rects.end(),
                                       [&](const TRect& r) { return r == cell; });
    EXPECT_EQ(repainted, step.repainted) << step.name;
  }
  // Leaving the grid takes the underline away.
  g.hosted.host.Rects.clear();
  g.grid.GridMouseLeave();
  EXPECT_EQ(UnderlinedLinks(), (std::vector<bool>{false, false}));
  EXPECT_FALSE(g.hosted.host.Rects.empty());
}

TEST_F(HoveredLinks, WithoutUnderlineOnHoverEveryLinkIsUnderlinedAlways) {
  g.grid.URLUnderlineOnHover = false;
  EXPECT_EQ(UnderlinedLinks(), (std::vector<bool>{true, true}));
  Move(On(0));
  EXPECT_EQ(UnderlinedLinks(), (std::vector<bool>{true, true}));
}

TEST_F(HoveredLinks, ALinksHintIsItsTitleOrTheLinkAsOnAnchorHintLeavesIt) {
  ASSERT_EQ(spans.size(), 2u);
  g.grid.SetCells(1, 2, QStringLiteral("http://plain.example"));
  g.grid.URLShow = true;
  const TRect cell = g.grid.CellRect(1, 3);
  const TPoint pastLinks{cell.Right - 6, (cell.Top + cell.Bottom) / 2};
  const TRect plainCell = g.grid.CellRect(1, 2);
  const TPoint onPlainUrl{plainCell.Left + 10, (plainCell.Top + plainCell.Bottom) / 2};
  struct Case {
    const char* name;
    bool anchorHint, showCells, event;
    TPoint at;
    QString hint;
    TPoint pos;
    QStringList events;
  };
  const Case cases[] = {
      {"title", true, false, false, On(0), "First title", {On(0).X + 8, On(0).Y - 16}, {}},
      {"no title: the link", true, false, false, On(1), "http://second.example", {On(1).X + 8, On(1).Y - 16}, {}},
      {"the event has its say",
       true,
       false,
       true,
       On(1),
       "http://second.example (opens)",
       {On(1).X + 8, On(1).Y - 16},
       {"3,1 http://second.example"}},
      {"off the links", true, false, true, pastLinks, "", {}, {}},
      {"anchor hints off", false, false, true, On(0), "", {}, {}},
      {"cell text shown over it",
       true,
       true,
       true,
       On(0),
       "first link and second link",
       {On(0).X, cell.Top},
       {"3,1 First title"}},
      {"a plain link has no link hint", true, false, true, onPlainUrl, "", {}, {}},
  };
  for (const Case& c : cases) {
    g.grid.AnchorHint = c.anchorHint;
    g.grid.HintShowCells = c.showCells;
    QStringList events;
    g.grid.OnAnchorHint = nullptr;
    if (c.event)
      g.grid.OnAnchorHint = [&](TQrvStringGrid*, int32_t r, int32_t col, QString& anchor) {
        events << QStringLiteral("%1,%2 %3").arg(r).arg(col).arg(anchor);
        if (!anchor.contains(QStringLiteral("title"))) anchor += QStringLiteral(" (opens)");
      };
    QString hint;
    TPoint pos{-1, -1};
    const bool shown = g.grid.PrepareCellHint(c.at.X, c.at.Y, hint, pos);
    EXPECT_EQ(shown, !c.hint.isEmpty()) << c.name;
    EXPECT_EQ(hint, c.hint) << c.name;
    if (shown) {
      EXPECT_EQ(pos.X, c.pos.X) << c.name;
      EXPECT_EQ(pos.Y, c.pos.Y) << c.name;
    }
    EXPECT_EQ(events, c.events) << c.name;
  }
}

TEST_F(HoveredLinks, AnotherLinksHintEndsTheHintShownButTheSameLinkKeepsIt) {
  ASSERT_EQ(spans.size(), 2u);
  g.grid.AnchorHint = true;
  QString hint;
  TPoint pos;
  ASSERT_TRUE(g.grid.PrepareCellHint(On(0).X, On(0).Y, hint, pos));
  Move(TPoint{On(0).X + 2, On(0).Y});
  EXPECT_EQ(g.grid.LastHintPos().X, 1) << "the same link keeps its hint";
  Move(On(1));
  EXPECT_EQ(g.grid.LastHintPos().X, -1) << "another link's hint ends it";
  // A cell hint (no link hints) stays while the mouse moves from link to link in its cell.
  g.grid.AnchorHint = false;
  g.grid.HintShowCells = true;
  ASSERT_TRUE(g.grid.PrepareCellHint(On(0).X, On(0).Y, hint, pos));
  Move(On(1));
  Move(On(0));
  EXPECT_EQ(g.grid.LastHintPos().X, 1);
}

}  // namespace
