#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "UGridAlphaMask.h"

namespace {

QImage Picture24(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

TEST(GaussianKernel, SizesByRadius) {
  struct Case {
    double radius;
    int size;
  } cases[] = {{1, 2}, {2, 5}, {3, 8}, {4, 9}, {7.5, 9}, {40, 9}};
  for (const Case& c : cases) {
    const TGaussianKernel k = MakeGaussianKernel(c.radius);
    EXPECT_EQ(k.Size, c.size) << c.radius;
    double sum = 0;
    for (int j = -k.Size; j <= k.Size; ++j) sum += k.Weight(j);
    EXPECT_NEAR(sum, 1.0, 1e-5) << c.radius;
    EXPECT_FLOAT_EQ(k.Weight(1), k.Weight(-1));
  }
}

TEST(GaussianBlur, RefusesAnythingButTwentyFourBits) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  try {
    GaussianBlur24(image, 2);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Blur only works for 24-bit bitmaps"));
  }
}

TEST(GaussianBlur, UniformPicturesStayAndEdgesSpread) {
  QImage white = Picture24(30, 30, qRgb(255, 255, 255));
  GaussianBlur24(white, 3);
  EXPECT_EQ(white, Picture24(30, 30, qRgb(255, 255, 255)));
  // A white column on black spreads out symmetrically.
  QImage line = Picture24(15, 15, qRgb(0, 0, 0));
  for (int y = 0; y < 15; ++y) line.setPixel(7, y, qRgb(255, 255, 255));
  GaussianBlur24(line, 1);
  EXPECT_LT(qRed(line.pixel(7, 7)), 255);
  EXPECT_GT(qRed(line.pixel(6, 7)), 0);
  EXPECT_EQ(line.pixel(6, 7), line.pixel(8, 7));
  EXPECT_EQ(qRed(line.pixel(2, 7)), 0);
}

TEST(GaussianBlur, NoRadiusNoBlur) {
  QImage line = Picture24(15, 15, qRgb(0, 0, 0));
  line.setPixel(7, 7, qRgb(255, 255, 255));
  const QImage before = line;
  GaussianBlur24(line, 0);
  GaussianBlur24(line, -3);
  EXPECT_EQ(line, before);
}

TEST(GaussianBlur, MiddleRowsAndColumnsCopyRowAndColumnFifteen) {
  QImage image = Picture24(60, 60, qRgb(0, 0, 0));
  image.setPixel(30, 30, qRgb(255, 255, 255));
  image.setPixel(15, 15, qRgb(255, 0, 0));
  GaussianBlur24(image, 1);
  EXPECT_EQ(image.pixel(30, 30), image.pixel(15, 30));
  EXPECT_EQ(image.pixel(25, 15), image.pixel(15, 15));
  EXPECT_EQ(image.pixel(15, 35), image.pixel(15, 30));
  // The middle is replaced, not blurred: the white dot is gone.
  EXPECT_EQ(qGreen(image.pixel(30, 30)), 0);
  EXPECT_GT(qRed(image.pixel(30, 30)), 0);
}

TEST(AlphaMask, MergeTakesAlphaFromTheRedByteAndPremultiplies) {
  const QImage colour = Picture24(4, 3, qRgb(200, 100, 51));
  const QImage mask = Picture24(4, 3, qRgb(128, 0, 0));
  TGridAlphaMask alpha;
  EXPECT_EQ(alpha.Opacity(), 255);
  alpha.MergeMask(mask, colour, 0x00FF00);
  ASSERT_EQ(alpha.Width(), 4);
  ASSERT_EQ(alpha.Height(), 3);
  const QRgb pixel = reinterpret_cast<const QRgb*>(alpha.Image().constScanLine(2))[3];
  EXPECT_EQ(qAlpha(pixel), 128);
  EXPECT_EQ(qRed(pixel), int(std::lround(200 * 128 / 255.0)));
  EXPECT_EQ(qGreen(pixel), int(std::lround(100 * 128 / 255.0)));
  EXPECT_EQ(qBlue(pixel), int(std::lround(51 * 128 / 255.0)));
}

TEST(AlphaMask, IgnoresPicturesThatAreNotTwentyFourBitsAndResizesAForeignMask) {
  TGridAlphaMask alpha;
  QImage notRgb(4, 4, QImage::Format_RGB32);
  notRgb.fill(Qt::white);
  alpha.MergeMask(Picture24(4, 4, qRgb(255, 0, 0)), notRgb, 0);
  EXPECT_EQ(alpha.Width(), 0);
  // A 2 x 2 mask over a 6 x 6 picture is scaled, never read past its end.
  alpha.MergeMask(Picture24(2, 2, qRgb(255, 0, 0)), Picture24(6, 6, qRgb(10, 20, 30)), 0);
  ASSERT_EQ(alpha.Width(), 6);
  const QRgb pixel = reinterpret_cast<const QRgb*>(alpha.Image().constScanLine(5))[5];
  EXPECT_EQ(qAlpha(pixel), 255);
  EXPECT_EQ(qBlue(pixel), 30);
}

TEST(AlphaMask, AssignCopiesOpacityAndPixels) {
  TGridAlphaMask a, b;
  a.MergeMask(Picture24(3, 3, qRgb(64, 0, 0)), Picture24(3, 3, qRgb(255, 255, 255)), 0);
  a.SetOpacity(90);
  b.Assign(QImage(3, 3, QImage::Format_RGB32));
  b.Assign(a);
  EXPECT_EQ(b.Opacity(), 90);
  EXPECT_EQ(b.Image(), a.Image());
  EXPECT_EQ(b.Image().format(), QImage::Format_ARGB32_Premultiplied);
}

TEST(BlurredRoundRect, OutlineOrFilledShapeOnBlack) {
  QImage outline;
  BlurredRoundRectMask(outline, 40, 30, 2, 8, 0);
  ASSERT_EQ(outline.format(), QImage::Format_RGB888);
  EXPECT_EQ(outline.size(), QSize(40, 30));
  EXPECT_EQ(outline.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(outline.pixel(20, 15), qRgb(0, 0, 0));
  EXPECT_EQ(outline.pixel(20, 3), qRgb(255, 255, 255));
  QImage filled;
  BlurredRoundRectMask(filled, 40, 30, 0, 8, 0);
  EXPECT_EQ(filled.pixel(20, 15), qRgb(255, 255, 255));
  EXPECT_EQ(filled.pixel(1, 1), qRgb(0, 0, 0));
  QImage blurred;
  BlurredRoundRectMask(blurred, 40, 30, 2, 8, 2);
  EXPECT_GT(qRed(blurred.pixel(20, 1)), 0);
  EXPECT_LT(qRed(blurred.pixel(20, 3)), 255);
}

}  // namespace
