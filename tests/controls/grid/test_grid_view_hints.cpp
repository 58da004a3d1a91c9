// Cell and sizing hints of a grid in its view: the hint window's colour, width, font and images come from the
// grid; comments and texts too large for their cell give hints of their own, placed where they belong.
#include <QHelpEvent>
#include <QImage>

#include "GridMouseFixture.h"
#include "UHTMLHintWindow.h"
#include "URenderMarkup.h"

namespace {

class TGridHintTest : public TGridMouseTest {
 protected:
  QString Ask(QPoint at) {
    QHelpEvent help(QEvent::ToolTip, at, View.viewport()->mapToGlobal(at));
    QApplication::sendEvent(View.viewport(), &help);
    return View.ShownHint();
  }
  // The window showing the cell and sizing hints (the scroll hints have their own).
  THTMLHintWindow* Hint_Window() {
    return static_cast<THTMLHintWindow*>(View.findChild<QWidget*>(QStringLiteral("CellHint")));
  }
  TColor Background() {
    EXPECT_NE(Hint_Window(), nullptr);
    const QImage image = Hint_Window()->grab().toImage();
    // Inside the frame, left of where the text starts.
    return QColorToTColor(image.pixelColor(1, image.height() / 2));
  }
};

TEST_F(TGridHintTest, CellAndSizingHintsShowInTheHintColour) {
  Q().HintShowCells = true;
  Q().HintShowSizing = true;
  Q().HintColor = 0x00C0FF;
  Q().SetCells(2, 3, QStringLiteral("x"));
  ASSERT_EQ(Ask(Middle_Of(2, 3)), "x");
  EXPECT_EQ(Background(), 0x00C0FF);

  Q().HintColor = 0xFFC0C0;
  Q().SetOptions(Q().Options() | goColSizing);
  Press({119, 10});
  Drag_To({129, 10});
  ASSERT_EQ(View.ShownHint(), "cw=<b>50</b>");
  EXPECT_EQ(Background(), 0xFFC0C0);
  Release({129, 10});
}

TEST_F(TGridHintTest, HintMaxWidthWrapsTheHintAndTheGridsFontNameIsTheHintsFont) {
  Q().HintShowCells = true;
  TFont font = Q().Font();
  font.Name = QStringLiteral("Courier New");
  Q().SetFont(font);
  const QString text = QStringLiteral("a rather long hint text that takes a good many words to say what it says");
  for (const QString& cell : {text, QStringLiteral("<b>a rather long</b> hint text that takes a good many words")}) {
    Q().SetCells(2, 3, cell);
    Q().HTMLHint = true;
    Q().ControlLook.SetHintMaxWidth(0);
    ASSERT_FALSE(Ask(Middle_Of(2, 3)).isEmpty());
    THTMLHintWindow* w = Hint_Window();
    const int wide = w->width(), oneLine = w->height();
    EXPECT_GT(wide, 200) << cell.toStdString();
    EXPECT_EQ(w->HintFont().Name, "Courier New");
    Q().ControlLook.SetHintMaxWidth(120);
    Ask(Middle_Of(2, 3));
    EXPECT_LE(w->TextWidth(), 120) << cell.toStdString();
    EXPECT_GT(w->height(), oneLine) << cell.toStdString();
  }
}

TEST_F(TGridHintTest, MarkupHintsDrawTheGridsImages) {
  TMarkupImageList images(16, 16);
  QImage green(16, 16, QImage::Format_RGB32);
  green.fill(QColor(0, 128, 0));
  images.Add(green);
  Q().GridImages = &images;
  Q().HintShowCells = true;
  Q().HTMLHint = true;
  Q().SetCells(2, 3, QStringLiteral("<IMG src=\"idx:0\"> picture"));
  ASSERT_FALSE(Ask(Middle_Of(2, 3)).isEmpty());
  const QImage shot = Hint_Window()->grab().toImage();
  bool found = false;
  for (int y = 0; y < shot.height() && !found; ++y)
    for (int x = 0; x < shot.width() && !found; ++x) found = QColorToTColor(shot.pixelColor(x, y)) == RGB(0, 128, 0);
  EXPECT_TRUE(found);
  Hint_Window()->hide();
  Q().GridImages = nullptr;
}

TEST_F(TGridHintTest, WhereTheHintOfACellStandsAndWhatItSays) {
  const TRect cell = Q().CellRect(2, 3);
  const QPoint at = Middle_Of(2, 3);
  const QString longText = QStringLiteral("far too long for forty pixels of cell");
  struct Case {
    const char* name;
    QString text, comment;
    bool showCells, largeText, html;
    THintPos largePos;
    QString hint;
    TPoint pos;
  };
  const Case cases[] = {
      {"a comment shows from the top-right corner",
       "x",
       "note",
       false,
       false,
       false,
       hpCell,
       "note",
       {cell.Right, cell.Top}},
      {"the cell text keeps the comment's corner",
       "x",
       "note",
       true,
       false,
       false,
       hpCell,
       "x",
       {cell.Right, cell.Top}},
      {"the cell text at the cursor over the cell", "x", "", true, false, false, hpCell, "x", {at.x(), cell.Top}},
      {"a text that fits gives no large-text hint", "x", "", false, true, false, hpCell, "", {}},
      {"a large text over its cell", longText, "", false, true, false, hpCell, longText, {cell.Left, cell.Top}},
      {"a large text where the cursor is",
       longText,
       "",
       false,
       true,
       false,
       hpCursor,
       longText,
       {at.x(), cell.Bottom + 6}},
      {"large markup stripped",
       "<b>" + longText + "</b>",
       "",
       false,
       true,
       false,
       hpCell,
       longText,
       {cell.Left, cell.Top}},
      {"large markup kept with HTMLHint",
       "<b>" + longText + "</b>",
       "",
       false,
       true,
       true,
       hpCell,
       "<b>" + longText + "</b>",
       {cell.Left, cell.Top}},
  };
  for (const Case& c : cases) {
    Q().SetCells(2, 3, c.text);
    Q().RemoveComment(2, 3);
    if (!c.comment.isEmpty()) Q().AddComment(2, 3, c.comment);
    Q().HintShowCells = c.showCells;
    Q().HintShowLargeText = c.largeText;
    Q().HintShowLargeTextPos = c.largePos;
    Q().HTMLHint = c.html;
    QString hint;
    TPoint pos{-1, -1};
    EXPECT_EQ(Q().PrepareCellHint(at.x(), at.y(), hint, pos), !c.hint.isEmpty()) << c.name;
    EXPECT_EQ(hint, c.hint) << c.name;
    if (!c.hint.isEmpty()) {
      EXPECT_EQ(pos.X, c.pos.X) << c.name;
      EXPECT_EQ(pos.Y, c.pos.Y) << c.name;
    }
  }
}

}  // namespace
