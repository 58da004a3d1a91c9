// The grid's hint window: texts shown as they are, the window sized from the measured text, markup and the grid's
// images rendered, the frame, and the hint kept on its monitor.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <string>

#include "UCanvas.h"
#include "UHTMLHintWindow.h"
#include "URenderMarkup.h"
#include "USysColors.h"
#include "UValueText.h"

namespace {

TColor Pixel(const QImage& image, int x, int y) {
  return QColorToTColor(image.pixelColor(x, y));
}

// Columns (inside the frame) that hold a pixel other than the background.
std::pair<int, int> Inked_Columns(const QImage& image, TColor background) {
  int first = -1, last = -1;
  for (int x = 1; x < image.width() - 1; ++x)
    for (int y = 1; y < image.height() - 1; ++y)
      if (Pixel(image, x, y) != background) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

bool Has_Color(const QImage& image, TColor color) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Pixel(image, x, y) == color) return true;
  return false;
}

QImage Grab(THTMLHintWindow& window, const char* name) {
  const QImage image = window.grab().toImage();
  const QString folder = qEnvironmentVariable("TARN_GRID_HINT_GALLERY");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    image.scaled(image.size() * 3).save(QDir(folder).filePath(QString::fromLatin1(name) + "_x3.png"));
  }
  return image;
}

// The width of a text in a font, measured the way the window paints it.
int Text_Width(const TFont& font, const QString& text, const QWidget& widget) {
  QImage image(1, 1, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(widget.logicalDpiX() / 0.0254));
  image.setDotsPerMeterY(qRound(widget.logicalDpiY() / 0.0254));
  TCanvas canvas(&image);
  canvas.SetFont(font);
  return canvas.TextWidth(text);
}

TRect Screen_Rect() {
  const QRect g = QGuiApplication::primaryScreen()->geometry();
  return Rect(g.left(), g.top(), g.left() + g.width(), g.top() + g.height());
}

}  // namespace

TEST(HintWindow, TextsThatLookLikeTagsAreShownAsTheyAre) {
  int shot = 0;
  for (const QString& text : {QStringLiteral("<5"), QStringLiteral("x < 5"), QStringLiteral("<= 10 & > 2")}) {
    THTMLHintWindow window;
    window.ActivateHint(Rect(10, 10, 10, 10), text);
    const int width = Text_Width(window.HintFont(), text, window);
    EXPECT_EQ(window.TextWidth(), width) << text.toStdString();
    EXPECT_EQ(window.width(), width + 8) << text.toStdString();
    const QImage image = Grab(window, ("literal" + std::to_string(++shot)).c_str());
    const auto [first, last] = Inked_Columns(image, ColorToRGB(clInfoBk));
    ASSERT_GE(first, 0) << text.toStdString();
    // The ink spans the whole text (a glyph may leave a pixel or two blank at its sides).
    EXPECT_GE(last - first + 1, width - 3) << text.toStdString();
  }
}

TEST(HintWindow, SizeComesFromTheMeasuredText) {
  THTMLHintWindow window;
  window.ActivateHint(Rect(20, 30, 20, 30), QStringLiteral("plain"));
  const int plainWidth = window.TextWidth();
  const int lineHeight = window.TextHeight();
  EXPECT_EQ(QRect(20, 30, plainWidth + 8, lineHeight + 4), window.geometry());

  window.ActivateHint(Rect(20, 30, 20, 30), QStringLiteral("<B>plain</B><BR>second line, longer"));
  EXPECT_EQ(window.TextHeight(), 2 * lineHeight);
  EXPECT_GT(window.TextWidth(), plainWidth);
  EXPECT_EQ(window.width(), window.TextWidth() + 16);
  EXPECT_EQ(window.height(), window.TextHeight() + 4);

  // A plain hint keeps its line breaks.
  window.ActivateHint(Rect(20, 30, 20, 30), QStringLiteral("plain\r\n<5 longer line"));
  EXPECT_EQ(window.TextHeight(), 2 * lineHeight);
  EXPECT_EQ(window.TextWidth(), Text_Width(window.HintFont(), QStringLiteral("<5 longer line"), window));

  const TRect calc = window.CalcHintRect(1008, QStringLiteral("<B>plain</B><BR>second line, longer"), nullptr);
  EXPECT_EQ(calc.Left, 0);
  EXPECT_EQ(calc.Top, 0);
  EXPECT_EQ(calc.Bottom, 2 * lineHeight);

  // Wide-pair text: one line in the grid's font.
  THintData data;
  data.Font.Name = QStringLiteral("Arial");
  data.Font.Height = -20;
  const QString wide = QStringLiteral("wide <5> \u00e9");
  window.ActivateHintData(Rect(20, 30, 20, 30), EncodeWidePairs(wide), &data);
  EXPECT_EQ(window.TextWidth(), Text_Width(data.Font, wide, window));
  EXPECT_EQ(window.width(), window.TextWidth() + 8);
  EXPECT_GE(window.TextHeight(), 20);
  EXPECT_EQ(window.height(), window.TextHeight() + 4);
  // The grid's font names the font of every hint it shows after.
  EXPECT_EQ(window.HintFont().Name, "Arial");
}

TEST(HintWindow, MarkupAndTheGridsImagesAreRendered) {
  THTMLHintWindow window;
  window.ActivateHint(Rect(0, 0, 0, 0), QStringLiteral("<FONT color=\"clRed\">red</FONT> text"));
  EXPECT_TRUE(Has_Color(Grab(window, "markup"), clRed));

  TMarkupImageList images(16, 16);
  QImage green(16, 16, QImage::Format_RGB32);
  green.fill(QColor(0, 128, 0));
  images.Add(green);
  THintData data;
  data.Images = &images;
  window.ActivateHintData(Rect(0, 0, 0, 0), QStringLiteral("<IMG src=\"idx:0\"> picture"), &data);
  EXPECT_GE(window.TextHeight(), 16);
  EXPECT_TRUE(Has_Color(Grab(window, "image"), RGB(0, 128, 0)));
}

TEST(HintWindow, FrameAndBackground) {
  THTMLHintWindow window;
  window.ActivateHint(Rect(0, 0, 0, 0), QStringLiteral("frame"));
  const QImage image = Grab(window, "frame");
  const int w = image.width(), h = image.height();
  EXPECT_EQ(Pixel(image, 0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(Pixel(image, 0, h - 3), ColorToRGB(cl3DLight));
  EXPECT_EQ(Pixel(image, w - 2, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(Pixel(image, 0, h - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(image, w - 1, h - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(image, w - 1, 0), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(image, 1, 1), ColorToRGB(clInfoBk));
}

TEST(HintWindow, KeptOnTheMonitor) {
  const TRect monitor = Rect(0, 0, 800, 600);
  struct Case {
    TRect In, Out;
  };
  const Case cases[] = {
      {Rect(10, 10, 110, 30), Rect(10, 10, 110, 30)},
      {Rect(700, 10, 799, 30), Rect(699, 10, 798, 30)},
      {Rect(750, 590, 850, 610), Rect(698, 578, 798, 598)},
      {Rect(10, 580, 110, 599), Rect(10, 579, 110, 598)},
  };
  for (const Case& c : cases) {
    const TRect out = THTMLHintWindow::KeepOnMonitor(c.In, monitor);
    EXPECT_EQ(out, c.Out) << c.In.Left << "," << c.In.Top;
  }

  // Shown for real near the screen's bottom-right corner.
  const TRect screen = Screen_Rect();
  THTMLHintWindow window;
  window.ActivateHint(Rect(screen.Right - 5, screen.Bottom - 5, 0, 0), QStringLiteral("<B>near the corner</B>"));
  EXPECT_EQ(window.geometry().right() + 1, screen.Right - 2);
  EXPECT_EQ(window.geometry().bottom() + 1, screen.Bottom - 2);
}
