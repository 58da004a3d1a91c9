#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "FakeThemeModule.h"
#include "UPictureContainer.h"
#include "URenderMarkup.h"
#include "USysColors.h"

namespace {
class RenderMarkupTest : public ::testing::Test {
 protected:
  RenderMarkupTest() : Image(300, 200, QImage::Format_RGB32), Canvas(&Image) {
    Image.fill(Qt::white);
    Canvas.Font().Color = clBlack;
  }

  bool Render(const QString& text, TRect rect = Rect(0, 0, 300, 200)) {
    return RenderMarkup(Canvas, text, rect, Params, Out);
  }
  bool Measure(const QString& text, TRect rect = Rect(0, 0, 300, 200)) {
    Params.MeasureOnly = true;
    const bool r = Render(text, rect);
    Params.MeasureOnly = false;
    return r;
  }
  bool HitTest(const QString& text, int32_t x, int32_t y, TRect rect = Rect(0, 0, 300, 200)) {
    Params.HitTestOnly = true;
    Params.PointX = x;
    Params.PointY = y;
    const bool r = Render(text, rect);
    Params.HitTestOnly = false;
    return r;
  }
  int32_t Width(const QString& text, TFontStyles style = {}) {
    const TFont saved = Canvas.Font();
    Canvas.Font().Style = style;
    const int32_t w = Canvas.TextWidth(text);
    Canvas.SetFont(saved);
    return w;
  }
  int32_t Gh() { return Canvas.TextHeight(QStringLiteral("gh")); }
  int32_t Count_Pixels(TColor color, TRect area = Rect(0, 0, 300, 200)) {
    Canvas.Release();
    int32_t n = 0;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
      for (int32_t x = area.Left; x < area.Right; ++x)
        if (Canvas.Pixels(x, y) == color) ++n;
    return n;
  }

  QImage Image;
  TCanvas Canvas;
  TMarkupParams Params;
  TMarkupOutputs Out;
};

TEST_F(RenderMarkupTest, EmptyTextMeasuresOneLineOfNothing) {
  EXPECT_FALSE(Render(QString()));
  EXPECT_EQ(Out.MeasuredWidth, 0);
  EXPECT_EQ(Out.MeasuredHeight, Gh());
  EXPECT_EQ(Out.AnchorCount, 0);
}

TEST_F(RenderMarkupTest, EntitiesAndPlainText) {
  Measure(QStringLiteral("a&amp;b"));
  EXPECT_EQ(Out.PlainText, QStringLiteral("a&&b"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("a&b")));
  Measure(QStringLiteral("x&lt;y&gt;&nbsp;&euro;<BR>z"));
  EXPECT_EQ(Out.PlainText, QStringLiteral("x<y> \u20AC\rz"));
  // The painting call collects each line twice: once measuring, once painting.
  Render(QStringLiteral("ab"));
  EXPECT_EQ(Out.PlainText, QStringLiteral("abab"));
  Measure(QStringLiteral("a<Z>hidden</Z>b"));
  EXPECT_EQ(Out.PlainText, QStringLiteral("ahiddenb"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("a")) + Width(QStringLiteral("b")));
}

TEST_F(RenderMarkupTest, LinesWidthsAndStyles) {
  Measure(QStringLiteral("abc<B>def</B>"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("abc")) + Width(QStringLiteral("def"), fsBold));
  EXPECT_EQ(Out.MeasuredHeight, Gh());
  Measure(QStringLiteral("one<BR>three\r\nx"));
  EXPECT_EQ(Out.MeasuredHeight, 3 * Gh());
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("three")));
  Measure(QStringLiteral("<FONT SIZE=3>x</FONT>"));
  TFont big = Canvas.Font();
  big.SetSize(12);
  const TFont saved = Canvas.Font();
  Canvas.SetFont(big);
  const int32_t height12 = Gh();
  Canvas.SetFont(saved);
  EXPECT_EQ(Out.MeasuredHeight, height12);
  Measure(QStringLiteral("<FONT SIZE=\"20\">x</FONT>"));
  EXPECT_GT(Out.MeasuredHeight, height12);
}

TEST_F(RenderMarkupTest, WordWrap) {
  Params.WordWrap = true;
  const int32_t fitsTwo = 1 + Width(QStringLiteral("aaa bbb ")) + 2;
  Measure(QStringLiteral("aaa bbb ccc"), Rect(0, 0, fitsTwo, 200));
  EXPECT_EQ(Out.MeasuredHeight, 2 * Gh());
  // The blank that ends the first line is not counted.
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("aaa ")) + Width(QStringLiteral("bbb")));
  // No blank between the pieces: never broken there.
  Measure(QStringLiteral("ab<B>cd</B>"), Rect(0, 0, Width(QStringLiteral("ab")) + 2, 200));
  EXPECT_EQ(Out.MeasuredHeight, Gh());
}

TEST_F(RenderMarkupTest, WithoutWordWrapTheOverflowingLineIsTheLast) {
  const TRect narrow = Rect(0, 0, Width(QStringLiteral("xxxx")) + Width(QStringLiteral("yyyy"), fsBold) / 2, 200);
  Measure(QStringLiteral("xxxx<B>yyyy</B>zzzz<BR>wwww"), narrow);
  EXPECT_EQ(Out.PlainText, QStringLiteral("xxxxyyyy"));
  EXPECT_EQ(Out.MeasuredHeight, Gh());
  Render(QStringLiteral("xxxx<B>yyyy</B>zzzz<BR>wwww"), narrow);
  EXPECT_EQ(Count_Pixels(clBlack, Rect(narrow.Right, 0, 300, 200)), 0);  // clipped at the rectangle
}

TEST_F(RenderMarkupTest, PaintingStopsAtTheBottomButMeasuringDoesNot) {
  const QString text = QStringLiteral("a<BR>b<BR>c");
  Measure(text, Rect(0, 0, 100, 5));
  EXPECT_EQ(Out.MeasuredHeight, 3 * Gh());
  Render(text, Rect(0, 0, 100, 5));
  EXPECT_EQ(Out.MeasuredHeight, Gh());
}

TEST_F(RenderMarkupTest, AnchorHitTest) {
  const QString text = QStringLiteral("Go <A HREF=\"target\" TITLE=\"Tip\">here</A> now <A HREF=\"second\">x</A>");
  const int32_t start = 1 + Width(QStringLiteral("Go "));
  const int32_t end = start + Width(QStringLiteral("here"));
  ASSERT_TRUE(HitTest(text, (start + end) / 2, Gh() / 2));
  EXPECT_EQ(Out.HitHref, QStringLiteral("target"));
  EXPECT_EQ(Out.HitTitle, QStringLiteral("Tip"));
  EXPECT_EQ(Out.HitAnchorNumber, 1);
  EXPECT_EQ(Out.HitAnchorRect, Rect(start, 0, end, Gh()));
  EXPECT_EQ(Out.AnchorCount, 2);

  Out.HitHref = QStringLiteral("kept");
  EXPECT_FALSE(HitTest(text, start - 4, Gh() / 2));
  EXPECT_EQ(Out.HitHref, QStringLiteral("kept"));
  EXPECT_EQ(Out.HitAnchorNumber, -1);
  EXPECT_FALSE(HitTest(text, (start + end) / 2, Gh() + 3));  // below the line

  // The second link has no title of its own: the first one's does not carry over to it.
  const int32_t second = end + Width(QStringLiteral(" now ")) + Width(QStringLiteral("x")) / 2;
  ASSERT_TRUE(HitTest(text, second, Gh() / 2));
  EXPECT_EQ(Out.HitHref, QStringLiteral("second"));
  EXPECT_EQ(Out.HitTitle, QString());
}

TEST_F(RenderMarkupTest, RightAlignedParagraphPlacesTheAnchorAtTheRight) {
  const QString text = QStringLiteral("<P ALIGN=\"right\"><A HREF=\"r\">ab</A></P>");
  const int32_t w = Width(QStringLiteral("ab"));
  ASSERT_TRUE(HitTest(text, 300 - w / 2, Gh() / 2));
  EXPECT_EQ(Out.HitAnchorRect.Left, 300 - w);
  EXPECT_FALSE(HitTest(text, 10, Gh() / 2));
}

TEST_F(RenderMarkupTest, FocusAndLinkColours) {
  Params.FocusAnchorIndex = 0;
  Params.LinkColor = clRed;
  Render(QStringLiteral("<A HREF=\"first\">WWW</A> <A HREF=\"second\">M</A>"));
  EXPECT_EQ(Out.FocusHref, QStringLiteral("first"));
  EXPECT_GT(Count_Pixels(clRed), 0);
  Image.fill(Qt::white);
  Params.SelectedMode = true;
  Render(QStringLiteral("<A HREF=\"first\">WWW</A>"));
  EXPECT_EQ(Count_Pixels(clRed), 0);
}

TEST_F(RenderMarkupTest, FontAndHighlightColours) {
  Render(QStringLiteral("<FONT COLOR=\"#ff0000\">WWW</FONT>"));
  EXPECT_GT(Count_Pixels(clRed), 0);  // red, green, blue in the tag; TColor holds blue, green, red
  Image.fill(Qt::white);
  Render(QStringLiteral("<FONT COLOR=\"#0000FF\">WWW</FONT>"));
  EXPECT_GT(Count_Pixels(clBlue), 0);
  EXPECT_EQ(Count_Pixels(clRed), 0);
  Image.fill(Qt::white);
  Render(QStringLiteral("<FONT COLOR=\"red\">WWW</FONT>"));
  EXPECT_EQ(Count_Pixels(clRed), 0);
  EXPECT_GT(Count_Pixels(clBlack), 0);
  Image.fill(Qt::white);
  SetMarkupHighlightColors(clLime, clNavy);
  Render(QStringLiteral("<HI>WWW</HI>"));
  SetMarkupHighlightColors(clHighlight, clHighlightText);
  EXPECT_GT(Count_Pixels(clLime), 0);
  EXPECT_GT(Count_Pixels(clNavy), 0);
  EXPECT_EQ(ColorFromName(QStringLiteral("clbtnface")), clBtnFace);
  EXPECT_EQ(ColorFromName(QStringLiteral("clteal")), clTeal);
  EXPECT_EQ(ColorFromName(QStringLiteral("red")), clBlack);
}

TEST_F(RenderMarkupTest, HoverStyleShadowErrorRuleAndParagraphBackground) {
  Params.HoverOnlyStyle = true;
  Params.HoverAnchorNumber = 2;
  Params.HoverTextColor = clRed;
  Params.LinkColor = clBlue;
  Render(QStringLiteral("<A HREF=\"a\">WW</A> <A HREF=\"b\">WW</A>"));
  const int32_t split = 1 + Width(QStringLiteral("WW "));
  EXPECT_GT(Count_Pixels(clBlue, Rect(0, 0, split, 50)), 0);
  EXPECT_EQ(Count_Pixels(clRed, Rect(0, 0, split, 50)), 0);
  EXPECT_GT(Count_Pixels(clRed, Rect(split, 0, 300, 50)), 0);
  Params = TMarkupParams();

  Image.fill(Qt::white);
  Params.ShadowColor = clLime;
  Params.ShadowOffset = 2;
  Render(QStringLiteral("<SHAD>WW</SHAD>"));
  EXPECT_GT(Count_Pixels(clLime), 0);

  Image.fill(Qt::white);
  Render(QStringLiteral("<E>word</E> plain"));
  EXPECT_GT(Count_Pixels(clRed, Rect(0, 0, 1 + Width(QStringLiteral("word")) + 1, 50)), 0);
  EXPECT_EQ(Count_Pixels(clRed, Rect(2 + Width(QStringLiteral("word ")), 0, 300, 50)), 0);

  Image.fill(Qt::white);
  Render(QStringLiteral("a<HR>b"));
  EXPECT_EQ(Canvas.Pixels(200, Gh() + 1), clBlack);

  Image.fill(Qt::white);
  Render(QStringLiteral("<P BGCOLOR=\"clyellow\">a<BR>b</P>c"));
  const int32_t gh = Gh();
  EXPECT_EQ(Canvas.Pixels(290, gh / 2), clYellow);
  EXPECT_EQ(Canvas.Pixels(290, gh + gh / 2), clYellow);
  EXPECT_EQ(Canvas.Pixels(290, 2 * gh + gh / 2), clWhite);
}

TEST_F(RenderMarkupTest, SubscriptAndSuperscriptAddToTheLine) {
  const int32_t gh = Gh();
  Measure(QStringLiteral("a<SUB>2</SUB>"));
  EXPECT_EQ(Out.MeasuredHeight, gh + gh / 4);
  Measure(QStringLiteral("a<SUP>2</SUP><SUB>3</SUB>"));
  EXPECT_EQ(Out.MeasuredHeight, gh + 2 * (gh / 4));
  Measure(QStringLiteral("a<SUBX>2"));  // only <SUB> exactly: this is strikeout
  EXPECT_EQ(Out.MeasuredHeight, gh);
}

TEST_F(RenderMarkupTest, ClassicArgumentListMatchesTheRecordForm) {
  QString hitHref = QStringLiteral("kept"), plain, focus, title, id, value, type;
  int32_t width = -1, height = -1, anchors = -1, number = 0;
  TRect anchorRect = Rect(1, 2, 3, 4), controlRect = Rect(1, 2, 3, 4);
  const QString text = QStringLiteral("<A HREF=\"h\" TITLE=\"t\">link</A>");
  const int32_t x = 1 + Width(QStringLiteral("link")) / 2;
  const bool hit =
      RenderMarkup(Canvas, text, Rect(0, 0, 300, 200), nullptr, x, 5, -1, -1, 1, true, false, false, false, true,
                   false, false, false, 1.0, clBlue, clNone, clNone, clGray, hitHref, plain, focus, title, width,
                   height, anchors, number, anchorRect, controlRect, id, value, type, nullptr, nullptr, nullptr, 0);
  EXPECT_TRUE(hit);
  EXPECT_EQ(hitHref, QStringLiteral("h"));
  EXPECT_EQ(title, QStringLiteral("t"));
  EXPECT_EQ(plain, QStringLiteral("linklink"));
  EXPECT_EQ(width, Width(QStringLiteral("link")));
  EXPECT_EQ(height, Gh());
  EXPECT_EQ(anchors, 1);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(anchorRect, Rect(1, 0, 1 + Width(QStringLiteral("link")), Gh()));
  EXPECT_EQ(controlRect, TRect());

  hitHref = QStringLiteral("kept");
  anchorRect = Rect(1, 2, 3, 4);
  EXPECT_FALSE(RenderMarkup(Canvas, text, Rect(0, 0, 300, 200), nullptr, 250, 5, -1, -1, 1, true, false, false, false,
                            true, false, false, false, 1.0, clBlue, clNone, clNone, clGray, hitHref, plain, focus,
                            title, width, height, anchors, number, anchorRect, controlRect, id, value, type, nullptr,
                            nullptr, nullptr, 0));
  EXPECT_EQ(hitHref, QStringLiteral("kept"));
  EXPECT_EQ(anchorRect, Rect(1, 2, 3, 4));
  EXPECT_EQ(number, -1);
}

TEST_F(RenderMarkupTest, CanvasLeavesAsItEntered) {
  Canvas.Brush().Color = clYellow;
  Canvas.Pen().Color = clGreen;
  Canvas.Pen().Width = 3;
  const TFont font = Canvas.Font();
  const TBrush brush = Canvas.Brush();
  const TPen pen = Canvas.Pen();
  const TBkMode mode = Canvas.BkMode();
  Render(
      QStringLiteral("<B><I><FONT FACE=\"Arial\" SIZE=\"5\" COLOR=\"clred\" BGCOLOR=\"clblue\">x<HI>y<E>z"
                     "<P BGCOLOR=\"#00ff00\">w<R a=\"90\">r<HR>"));
  EXPECT_EQ(Canvas.Font(), font);
  EXPECT_EQ(Canvas.Brush(), brush);
  EXPECT_EQ(Canvas.Pen(), pen);
  EXPECT_EQ(Canvas.BkMode(), mode);
}

TEST_F(RenderMarkupTest, Lists) {
  Measure(QStringLiteral("<UL><LI>one<LI>two</UL>"));
  EXPECT_EQ(Out.MeasuredHeight, 3 * Gh());  // UL breaks the line first
  EXPECT_EQ(Out.PlainText, QStringLiteral("onetwo"));
  Measure(QStringLiteral("<UL><LI>one</UL>"));
  EXPECT_EQ(Out.MeasuredWidth, 12 + Width(QStringLiteral("one")));
  Measure(QStringLiteral("<UL><UL><LI>one</UL></UL>"));
  EXPECT_EQ(Out.MeasuredWidth, 24 + Width(QStringLiteral("one")));
  // The item text starts 12 pixels right of the bullet.
  Render(QStringLiteral("<UL><LI>I</UL>"));
  const TRect secondLine = Rect(0, Gh(), 300, 2 * Gh());
  int32_t first = 300;
  Canvas.Release();
  for (int32_t x = 0; x < 300 && first == 300; ++x)
    for (int32_t y = secondLine.Top; y < secondLine.Bottom; ++y)
      if (Canvas.Pixels(x, y) == clBlack) first = x;
  EXPECT_LT(first, 13);
  EXPECT_GT(Count_Pixels(clBlack, Rect(13, secondLine.Top, 300, secondLine.Bottom)), 0);
}

class MarkupPictureTest : public RenderMarkupTest {
 protected:
  MarkupPictureTest() {
    QImage logo(20, 10, QImage::Format_RGB32);
    logo.fill(QColor(0, 255, 0));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "PNG");
    TPictureItem* item = Container.Items().Add();
    item->SetName(QStringLiteral("Logo"));
    item->Picture().ReadData(png);
    Params.PictureContainer = &Container;
    Params.PictureCache = &Cache;
    PngBytes = png;
  }
  TPictureContainer Container;
  THTMLPictureCache Cache;
  QByteArray PngBytes;
};

TEST_F(MarkupPictureTest, SizesAndPlacement) {
  Measure(QStringLiteral("<IMG SRC=\"logo\">"));
  EXPECT_EQ(Out.MeasuredWidth, 20);
  EXPECT_EQ(Out.MeasuredHeight, std::max(10, Gh()));
  Measure(QStringLiteral("<IMG SRC=\"LOGO\" WIDTH=\"40\">"));
  EXPECT_EQ(Out.MeasuredWidth, 40);
  Measure(QStringLiteral("<IMG SRC=\"logo\" HEIGHT=\"40\">"));
  EXPECT_EQ(Out.MeasuredWidth, 80);
  EXPECT_EQ(Out.MeasuredHeight, 40);
  Measure(QStringLiteral("<IMG SRC=\"missing\">"));
  EXPECT_EQ(Out.MeasuredWidth, 0);
  // Wider than the space left but narrower than the line: the next line; wider than the line: this line.
  const int32_t a = Width(QStringLiteral("abc"));
  Measure(QStringLiteral("abc<IMG SRC=\"logo\" WIDTH=\"40\" HEIGHT=\"30\">"), Rect(0, 0, a + 30, 200));
  EXPECT_EQ(Out.MeasuredHeight, Gh() + 30);
  Measure(QStringLiteral("abc<IMG SRC=\"logo\" WIDTH=\"200\" HEIGHT=\"30\">"), Rect(0, 0, a + 30, 200));
  EXPECT_EQ(Out.MeasuredHeight, 30);

  Render(QStringLiteral("<IMG SRC=\"logo\">"));
  EXPECT_EQ(Canvas.Pixels(2, 2), clLime);
  EXPECT_EQ(Canvas.Pixels(20, 2), clLime);
  EXPECT_EQ(Canvas.Pixels(22, 2), clWhite);
}

TEST_F(MarkupPictureTest, AnchoredPictureIsHitByAPaintingCall) {
  EXPECT_FALSE(Render(QStringLiteral("<A HREF=\"pic\"><IMG SRC=\"logo\"></A>")));  // point -1,-1: nothing
  Params.PointX = 5;
  Params.PointY = 5;
  Out.HitHref.clear();
  EXPECT_TRUE(Render(QStringLiteral("<A HREF=\"pic\"><IMG SRC=\"logo\"></A>")));
  EXPECT_EQ(Out.HitHref, QStringLiteral("pic"));
}

TEST_F(MarkupPictureTest, CachedSourcesLoadFilesAndNeverTheNetwork) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("p.png"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(PngBytes);
  file.close();
  const QString source = QStringLiteral("file://") + path;
  Measure(QStringLiteral("<IMG SRC=\"") + source + QStringLiteral("\">"));
  EXPECT_EQ(Out.MeasuredWidth, 20);
  ASSERT_NE(Cache.FindPicture(source), nullptr);

  const QString remote = QStringLiteral("http://192.0.2.1/x.png");
  Render(QStringLiteral("<IMG SRC=\"") + remote + QStringLiteral("\">x"));
  Render(QStringLiteral("<IMG SRC=\"") + remote + QStringLiteral("\">x"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("x")));
  EXPECT_EQ(Cache.Count(), 2);
  ASSERT_NE(Cache.FindPicture(remote), nullptr);
  EXPECT_TRUE(Cache.FindPicture(remote)->Empty());
  EXPECT_FALSE(Cache.FindPicture(remote)->Busy());

  // Undecodable bytes behind a source paint as nothing.
  const QString garbage = dir.filePath(QStringLiteral("g.png"));
  QFile bad(garbage);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  Render(QStringLiteral("<IMG SRC=\"file://") + garbage + QStringLiteral("\">x"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("x")));
}

TEST_F(MarkupPictureTest, BodyBackgroundAndColour) {
  Render(QStringLiteral("<BODY BGCOLOR=\"clred\">x"), Rect(50, 50, 100, 100));
  EXPECT_EQ(Canvas.Pixels(99, 99), clRed);
  EXPECT_EQ(Canvas.Pixels(100, 100), clWhite);
  Image.fill(Qt::white);
  Render(QStringLiteral("<BODY BACKGROUND=\"logo\">"), Rect(0, 0, 50, 25));
  EXPECT_EQ(Canvas.Pixels(45, 22), clLime);  // tiled
  EXPECT_EQ(Canvas.Pixels(50, 22), clWhite);
}

TEST_F(MarkupPictureTest, ImageList) {
  TMarkupImageList images(8, 6);
  QImage red(8, 6, QImage::Format_RGB32);
  red.fill(Qt::red);
  images.Add(red);
  Params.Images = &images;
  Measure(QStringLiteral("<IMG SRC=\"IDX:0\"><IMG SRC=\"idx:1\">"));
  EXPECT_EQ(Out.MeasuredWidth, 8);
  Render(QStringLiteral("<IMG SRC=\"IDX:0\">"));
  EXPECT_EQ(Canvas.Pixels(3, 3), clRed);
}

TEST_F(RenderMarkupTest, EmbeddedControls) {
  const QString check = QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"true\" WIDTH=\"20\">");
  // The control sets its line's height: taller text before it does not count, text after it does.
  Measure(QStringLiteral("<FONT SIZE=\"30\">a</FONT>") + check);
  EXPECT_EQ(Out.MeasuredHeight, 16);
  Measure(check + QStringLiteral("<FONT SIZE=\"30\">a</FONT>"));
  EXPECT_GT(Out.MeasuredHeight, 30);
  Measure(QStringLiteral("a") + check + QStringLiteral("b"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("a")) + 16 + Width(QStringLiteral("b")));
  Measure(QStringLiteral("a<CONTROL TYPE=\"EDIT\" ID=\"x\">b"));
  EXPECT_EQ(Out.MeasuredWidth, Width(QStringLiteral("a")) + Width(QStringLiteral("b")));

  // Ticked and unticked boxes differ inside the box.
  Render(check);
  const int32_t ticked = Count_Pixels(clBlack, Rect(3, 0, 16, 16));
  Image.fill(Qt::white);
  Render(QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"no\" WIDTH=\"20\">"));
  EXPECT_GT(ticked, 0);
  EXPECT_EQ(Count_Pixels(clBlack, Rect(3, 0, 16, 16)), 0);

  const QString form = QStringLiteral("x <CONTROL TYPE=\"edit\" ID=\"e1\" VALUE=\"v&lt;1\" WIDTH=\"60\"> ") + check;
  Out.HitControlID = QStringLiteral("c1");
  ASSERT_TRUE(HitTest(form, -50, -50));
  EXPECT_EQ(Out.HitControlID, QStringLiteral("c1"));
  EXPECT_EQ(Out.HitControlType, QStringLiteral("CHECK"));
  EXPECT_EQ(Out.HitControlValue, QStringLiteral("true"));
  EXPECT_EQ(Out.HitHref, QStringLiteral("ctrl"));
  const int32_t left = 1 + Width(QStringLiteral("x ")) + 60 + Width(QStringLiteral(" "));
  EXPECT_EQ(Out.HitControlRect.Left, left);
  EXPECT_EQ(Out.HitControlRect.Width(), 16);

  Out.HitControlID.clear();
  const int32_t editLeft = 1 + Width(QStringLiteral("x "));
  ASSERT_TRUE(HitTest(form, editLeft + 10, 5));
  EXPECT_EQ(Out.HitControlID, QStringLiteral("e1"));
  EXPECT_EQ(Out.HitControlValue, QStringLiteral("v<1"));
  EXPECT_EQ(Out.HitControlRect.Left, editLeft);
  EXPECT_EQ(Out.HitControlRect.Right, editLeft + 60);
}

// The classic look of the embedded controls, at the places the layout puts them: on the first line of a layout at
// (0, 0) the line starts at x = 1; combo boxes and push buttons make the line 25 pixels high.
class ClassicControlsTest : public RenderMarkupTest {
 protected:
  TColor Pixel(int32_t x, int32_t y) {
    Canvas.Release();
    return Canvas.Pixels(x, y);
  }
  // The smallest rectangle holding every pixel of the colour inside the area; empty when there is none.
  TRect Bounds(TColor color, TRect area) {
    Canvas.Release();
    TRect r = Rect(area.Right, area.Bottom, area.Left, area.Top);
    for (int32_t y = area.Top; y < area.Bottom; ++y)
      for (int32_t x = area.Left; x < area.Right; ++x)
        if (Canvas.Pixels(x, y) == color)
          r = Rect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
    return r;
  }
  QImage Painted(const QString& markup) {
    Image.fill(Qt::white);
    Render(markup);
    Canvas.Release();
    return Image.copy();
  }
};

TEST_F(ClassicControlsTest, ComboBoxDrawsItsBoxTextAndDropButton) {
  Render(QStringLiteral("<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"WWWWWWWWWWWWWWWWWWWW\" WIDTH=\"80\">"));
  // The box (1, 6, 81, 27) in the classic frame colour, white inside.
  EXPECT_EQ(Pixel(1, 6), TColor(0x808080));
  EXPECT_EQ(Pixel(80, 26), TColor(0x808080));
  EXPECT_EQ(Pixel(1, 5), clWhite);
  EXPECT_EQ(Pixel(81, 26), clWhite);
  // The drop button (63, 7, 80, 26): raised edges, face, and the arrow at its centre.
  EXPECT_EQ(Pixel(63, 7), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(79, 25), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(66, 10), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(71, 16), ColorToRGB(clBtnText));
  // The value is drawn left of the button (5, 6, 63, 25); the button covers the end of a long one.
  EXPECT_GT(Count_Pixels(clBlack, Rect(5, 6, 63, 25)), 0);
  EXPECT_EQ(Count_Pixels(clBlack, Rect(64, 8, 79, 14)), 0);
}

TEST_F(ClassicControlsTest, RadioButtonShowsItsDotOnlyWhenTicked) {
  const TColor shadow = ColorToRGB(clBtnShadow);
  Render(QStringLiteral("<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"true\" WIDTH=\"40\">"));
  EXPECT_EQ(Out.MeasuredWidth, 16);
  EXPECT_EQ(Pixel(9, 9), clBlack);
  // The circle lies in its box (3, 2, 15, 16).
  const TRect ring = Bounds(shadow, Rect(0, 0, 40, 20));
  EXPECT_EQ(ring.Left, 3);
  EXPECT_EQ(ring.Top, 2);
  EXPECT_EQ(ring.Right, 15);
  EXPECT_EQ(ring.Bottom, 16);

  Image.fill(Qt::white);
  Render(QStringLiteral("<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"FALSE\" WIDTH=\"40\">"));
  EXPECT_EQ(Pixel(9, 9), ColorToRGB(clWindow));
  EXPECT_EQ(Count_Pixels(clBlack, Rect(0, 0, 40, 20)), 0);
  EXPECT_GT(Count_Pixels(shadow, Rect(3, 2, 15, 16)), 0);
}

TEST_F(ClassicControlsTest, PushButtonRaisedPushedAndCaptionCentred) {
  const QString button = QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"60\">");
  // Box (3, 0, 59, 25): raised while the mouse is not down on it.
  Params.PointX = 30;
  Params.PointY = 12;
  Render(button);
  EXPECT_EQ(Pixel(3, 12), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(58, 12), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(30, 24), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(2, 12), clWhite);
  EXPECT_EQ(Pixel(59, 12), clWhite);
  // The caption is centred both ways in the box shrunk by 2 pixels (5, 2, 57, 23).
  const TRect caption = Bounds(clBlack, Rect(5, 2, 57, 23));
  ASSERT_LT(caption.Left, caption.Right);
  EXPECT_NEAR((caption.Left + caption.Right) / 2.0, 31.0, 1.0);
  EXPECT_NEAR((caption.Top + caption.Bottom) / 2.0, 12.5, 1.5);

  // Pressed: the mouse down over the button sinks it; down elsewhere leaves it raised.
  Params.MouseDown = true;
  Image.fill(Qt::white);
  Render(button);
  EXPECT_EQ(Pixel(3, 12), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(58, 12), ColorToRGB(clBtnHighlight));
  Params.PointX = 100;
  Image.fill(Qt::white);
  Render(button);
  EXPECT_EQ(Pixel(3, 12), ColorToRGB(clBtnHighlight));
}

TEST_F(ClassicControlsTest, ATallerButtonSetsItsLineHeight) {
  Measure(QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"60\" HEIGHT=\"20\">"));
  EXPECT_EQ(Out.MeasuredHeight, 25);
  Measure(QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"60\" HEIGHT=\"x\">"));
  EXPECT_EQ(Out.MeasuredHeight, 25);
  const QString tall = QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"60\" HEIGHT=\"40\">");
  Measure(tall + QStringLiteral("<BR>next"));
  EXPECT_EQ(Out.MeasuredHeight, 38 + Gh());
  // The button stands on its line's bottom (38) and reaches t = 40 up, above the line top.
  Render(tall);
  EXPECT_EQ(Pixel(3, 2), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(3, 30), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(30, 37), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(10, 2), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(10, 34), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(10, 38), clWhite);
}

TEST_F(ClassicControlsTest, PasswordShowsAStarForEachCharacter) {
  const QImage password = Painted(QStringLiteral("<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\">"));
  EXPECT_EQ(password, Painted(QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"p\" VALUE=\"***\" WIDTH=\"60\">")));
  EXPECT_NE(password, Painted(QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\">")));
  EXPECT_NE(password, Painted(QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"p\" VALUE=\"**\" WIDTH=\"60\">")));
  EXPECT_GT(Count_Pixels(clBlack, Rect(3, 0, 61, 30)), 0);
}

// Embedded controls with a visual style: the fake library paints each part as a marker rectangle and records it.
class ThemedMarkupTest : public RenderMarkupTest {
 protected:
  void SetUp() override { UseFakeTheme(true); }
  void TearDown() override {
    SetMarkupThemePainter(&BindingMarkupThemePainter());
    DropFakeTheme();
  }
  TColor Pixel(int32_t x, int32_t y) {
    Canvas.Release();
    return Canvas.Pixels(x, y);
  }
  // The frame of an edit box alone on the first line, on its left edge above the bottom.
  TColor Edit_Frame() {
    const QString edit = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"60\">");
    Image.fill(Qt::white);
    Render(edit);
    return Pixel(1, Out.MeasuredHeight - 5);
  }
};

TEST_F(ThemedMarkupTest, ControlsDrawTheirThemePartsForTheOwnerWindow) {
  QObject owner;
  Params.OwnerWindow = &owner;
  struct {
    const char* markup;
    int32_t x, y;
    bool mouseDown;
    const char* themeClass;
    const char* draw;
  } cases[] = {
      {R"(<CONTROL TYPE="CHECK" ID="c" VALUE="True" WIDTH="20">)", -50, -50, false, "button", "draw 3 5 (3,1,16,16)"},
      {R"(<CONTROL TYPE="CHECK" ID="c" VALUE="no" WIDTH="20">)", -50, -50, false, "button", "draw 3 1 (3,1,16,16)"},
      // Check boxes and radio buttons stay in their normal states under a pressed mouse.
      {R"(<CONTROL TYPE="RADIO" ID="r" VALUE="TRUE" WIDTH="20">)", 8, 8, true, "button", "draw 2 5 (3,2,15,16)"},
      {R"(<CONTROL TYPE="RADIO" ID="r" VALUE="" WIDTH="20">)", -50, -50, false, "button", "draw 2 1 (3,2,15,16)"},
      {R"(<CONTROL TYPE="COMBO" ID="k" VALUE="x" WIDTH="80">)", -50, -50, false, "combobox", "draw 1 1 (63,7,80,26)"},
      {R"(<CONTROL TYPE="COMBO" ID="k" VALUE="x" WIDTH="80">)", 40, 15, false, "combobox", "draw 1 2 (63,7,80,26)"},
      {R"(<CONTROL TYPE="BUTTON" ID="b" VALUE="Go" WIDTH="60">)", -50, -50, false, "button", "draw 1 1 (3,0,59,25)"},
      {R"(<CONTROL TYPE="BUTTON" ID="b" VALUE="Go" WIDTH="60">)", 30, 15, false, "button", "draw 1 2 (3,0,59,25)"},
      {R"(<CONTROL TYPE="BUTTON" ID="b" VALUE="Go" WIDTH="60">)", -50, -50, true, "button", "draw 1 3 (3,0,59,25)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    TFakeTheme::Calls.clear();
    TFakeTheme::LastWindow = nullptr;
    Image.fill(Qt::white);
    Params.PointX = c.x;
    Params.PointY = c.y;
    Params.MouseDown = c.mouseDown;
    Render(QString::fromUtf8(c.markup));
    EXPECT_EQ(TFakeTheme::Calls, QStringList({QStringLiteral("open ") + QLatin1String(c.themeClass),
                                              QString::fromUtf8(c.draw), QStringLiteral("close")}));
    EXPECT_EQ(TFakeTheme::LastWindow, static_cast<TWindowHandle>(&owner));
  }
  // The part covers its rectangle: the last case's push button.
  EXPECT_EQ(Pixel(3, 0), TFakeTheme::Marker);
  EXPECT_EQ(Pixel(58, 24), TFakeTheme::Marker);
  EXPECT_NE(Pixel(59, 12), TFakeTheme::Marker);
  EXPECT_NE(Pixel(2, 12), TFakeTheme::Marker);
}

TEST_F(ThemedMarkupTest, FrameColourAndPartsFollowTheActiveTheme) {
  EXPECT_EQ(Edit_Frame(), TColor(0xB99D7F));
  const QString check = QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\">");

  // Library loaded, but no visual style active.
  TFakeTheme::Active = false;
  EXPECT_EQ(Edit_Frame(), TColor(0x808080));
  TFakeTheme::Calls.clear();
  Render(check);
  EXPECT_TRUE(TFakeTheme::Calls.isEmpty());
  EXPECT_NE(Pixel(8, 8), TFakeTheme::Marker);

  // No library at all.
  UseFakeTheme(false);
  EXPECT_EQ(Edit_Frame(), TColor(0x808080));

  // No painter installed: classic even with a style active.
  UseFakeTheme(true);
  SetMarkupThemePainter(nullptr);
  EXPECT_EQ(Edit_Frame(), TColor(0x808080));
  Render(check);
  EXPECT_TRUE(TFakeTheme::Calls.isEmpty());
}

TEST_F(ThemedMarkupTest, APartTheThemeCannotDrawFallsBackToTheClassicLook) {
  class TRefusingPainter : public IMarkupThemePainter {
   public:
    bool IsThemeActive() const override { return true; }
    bool DrawThemePart(TCanvas&, QObject*, const QString&, int32_t, int32_t, const TRect&) override { return false; }
  } refusing;
  SetMarkupThemePainter(&refusing);
  EXPECT_EQ(Edit_Frame(), TColor(0xB99D7F));
  Image.fill(Qt::white);
  Render(QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\">"));
  // The classic box: its shadow-coloured frame and a tick.
  EXPECT_EQ(Pixel(3, 8), ColorToRGB(clBtnShadow));
  EXPECT_GT(Count_Pixels(clBlack, Rect(4, 2, 15, 15)), 0);
}
}  // namespace
