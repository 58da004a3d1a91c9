#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include "Exception.h"
#include "UJpegCodec.h"
#include "UPictureContainer.h"
#include "URenderMarkup.h"

namespace {
QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  EXPECT_TRUE(writer.write(image)) << format;
  return bytes;
}

QImage Solid(int w, int h, QColor color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// A GIF made here, byte by byte: a four-colour palette (white, red, green, blue) and one solid frame per entry,
// each at its own offset with its own delay. Every pixel code is preceded by a clear code, so the LZW code size
// never grows.
struct TGifFrame {
  uint16_t X, Y, W, H, Delay;
  uint8_t Color;
};

void Put16(QByteArray& out, uint16_t v) {
  out += char(v & 0xFF);
  out += char(v >> 8);
}

QByteArray Make_Gif(uint16_t width, uint16_t height, const std::vector<TGifFrame>& frames) {
  QByteArray out("GIF89a");
  Put16(out, width);
  Put16(out, height);
  out += char(0x81);  // global palette of 4 entries
  out += char(0);
  out += char(0);
  const uint8_t palette[] = {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255};
  out.append(reinterpret_cast<const char*>(palette), sizeof palette);
  for (const TGifFrame& f : frames) {
    out += char(0x21);
    out += char(0xF9);
    out += char(4);
    out += char(0x04);  // disposal: leave in place
    Put16(out, f.Delay);
    out += char(0);
    out += char(0);
    out += char(0x2C);
    Put16(out, f.X);
    Put16(out, f.Y);
    Put16(out, f.W);
    Put16(out, f.H);
    out += char(0);
    out += char(2);  // minimum code size
    QByteArray bits;
    uint32_t acc = 0;
    int n = 0;
    auto Put_Code = [&](uint32_t code) {
      acc |= code << n;
      n += 3;
      while (n >= 8) {
        bits += char(acc & 0xFF);
        acc >>= 8;
        n -= 8;
      }
    };
    for (int i = 0; i < f.W * f.H; ++i) {
      Put_Code(4);
      Put_Code(f.Color);
    }
    Put_Code(5);
    if (n > 0) bits += char(acc & 0xFF);
    for (qsizetype at = 0; at < bits.size(); at += 255) {
      const QByteArray block = bits.mid(at, 255);
      out += char(block.size());
      out += block;
    }
    out += char(0);
  }
  out += char(0x3B);
  return out;
}

const std::vector<TGifFrame> Three_Frames = {{0, 0, 4, 4, 50, 1}, {2, 1, 3, 2, 30, 2}, {1, 3, 2, 2, 20, 3}};

TEST(HTMLPicture, DecodesEveryFormatFromItsBytes) {
  const QImage source = Solid(5, 3, QColor(255, 0, 0));
  for (const char* format : {"png", "bmp", "ppm", "xpm"}) {
    THTMLPicture picture;
    picture.ReadData(Encode(source, format));
    EXPECT_FALSE(picture.Empty()) << format;
    EXPECT_EQ(picture.Width(), 5) << format;
    EXPECT_EQ(picture.Height(), 3) << format;
    EXPECT_EQ(picture.Image().pixelColor(2, 1), QColor(255, 0, 0)) << format;
    EXPECT_EQ(picture.FrameCount(), -1) << format;
    EXPECT_FALSE(picture.IsGIF());
  }
  // Every other format this machine's image plugins can write and read: left half black, right half white.
  QImage halves = Solid(8, 8, Qt::white);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 4; ++x) halves.setPixelColor(x, y, Qt::black);
  const QList<QByteArray> readable = QImageReader::supportedImageFormats();
  for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
    if (!readable.contains(format)) continue;
    THTMLPicture picture;
    try {
      picture.ReadData(Encode(halves, format.constData()));
    } catch (const Exception& e) {
      ADD_FAILURE() << format.constData() << ": " << e.Message().toStdString();
      continue;
    }
    ASSERT_EQ(picture.Image().size(), QSize(8, 8)) << format.constData();
    EXPECT_LT(qGray(picture.Image().pixel(1, 4)), 60) << format.constData();
    EXPECT_GT(qGray(picture.Image().pixel(6, 4)), 195) << format.constData();
  }
}

TEST(HTMLPicture, JpegRoundTripThroughLibjpeg) {
  const QImage source = Solid(16, 8, QColor(200, 40, 40));
  const QByteArray jpeg = Jpeg_Encode(source, 90);
  ASSERT_TRUE(Is_Jpeg_Data(jpeg));
  const QImage back = Jpeg_Decode(jpeg);
  ASSERT_EQ(back.size(), QSize(16, 8));
  const QColor c = back.pixelColor(8, 4);
  EXPECT_NEAR(c.red(), 200, 6);
  EXPECT_NEAR(c.green(), 40, 6);
  EXPECT_NEAR(c.blue(), 40, 6);
  THTMLPicture picture;
  picture.ReadData(jpeg);
  EXPECT_EQ(picture.Width(), 16);
  // Qt's own reader reads what libjpeg wrote.
  QImage viaQt;
  EXPECT_TRUE(viaQt.loadFromData(jpeg, "JPEG"));
  EXPECT_EQ(viaQt.size(), QSize(16, 8));
}

TEST(HTMLPicture, UndecodableBytesRaiseWhereLoadingRaises) {
  THTMLPicture picture;
  try {
    picture.ReadData(QByteArray("definitely not a picture"));
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Could not load image. Invalid format"));
  }
  try {
    Jpeg_Decode(QByteArray("\xFF\xD8\xFF\x01garbage", 11));
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("JPEG error #"))) << e.Message().toStdString();
  }

  // Cut-off JPEG data either decodes what it has or raises a JPEG error; never more.
  const QByteArray whole = Jpeg_Encode(Solid(64, 64, Qt::blue), 80);
  for (qsizetype cut : {qsizetype(4), qsizetype(20), whole.size() / 2, whole.size() - 2}) {
    try {
      const QImage partial = Jpeg_Decode(whole.left(cut));
      EXPECT_EQ(partial.size(), QSize(64, 64)) << cut;
    } catch (const Exception& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("JPEG error #"))) << cut;
    }
  }

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bad.png"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("garbage");
  file.close();
  THTMLPicture fromFile;
  EXPECT_NO_THROW(fromFile.LoadFromFile(path));
  EXPECT_TRUE(fromFile.Empty());
  EXPECT_NO_THROW(fromFile.LoadFromFile(dir.filePath(QStringLiteral("missing.png"))));
  EXPECT_TRUE(fromFile.Empty());
}

TEST(HTMLPicture, AnimatedGifFrames) {
  THTMLPicture picture;
  picture.ReadData(Make_Gif(6, 5, Three_Frames));
  EXPECT_TRUE(picture.IsGIF());
  EXPECT_EQ(picture.FrameCount(), 3);
  EXPECT_EQ(picture.MaxWidth(), 6);
  EXPECT_EQ(picture.MaxHeight(), 5);
  EXPECT_EQ(picture.GetFrameTime(1), 50);
  EXPECT_EQ(picture.GetFrameTime(3), 20);
  EXPECT_EQ(picture.GetFrameTime(4), -1);
  EXPECT_EQ(picture.Image().size(), QSize(4, 4));
  EXPECT_EQ(picture.Image().pixelColor(0, 0), QColor(255, 0, 0));

  int changes = 0;
  picture.OnFrameChange = [&](THTMLPicture*) { ++changes; };
  picture.SetFrame(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.FrameXPos(), 2);
  EXPECT_EQ(picture.FrameYPos(), 1);
  EXPECT_EQ(picture.Image().size(), QSize(3, 2));
  EXPECT_EQ(picture.Image().pixelColor(1, 1), QColor(0, 255, 0));
  picture.FrameNext();
  EXPECT_EQ(picture.Frame(), 3);
  EXPECT_EQ(picture.Image().pixelColor(0, 0), QColor(0, 0, 255));
  picture.FrameNext();
  EXPECT_EQ(picture.Frame(), 1);
  picture.FramePrev();
  EXPECT_EQ(picture.Frame(), 3);
}

TEST(HTMLPicture, StepAdvancesByTheFrameDelays) {
  THTMLPicture picture;
  picture.ReadData(Make_Gif(4, 4, {{0, 0, 4, 4, 50, 1}, {0, 0, 4, 4, 30, 2}}));
  std::vector<int32_t> frames;
  for (int i = 0; i < 12; ++i) {
    picture.Step();
    frames.push_back(picture.Frame());
  }
  // Timer counts -1, 0, 1, ...: frame 2 comes when count x 10 reaches 50, frame 1 again at 80.
  EXPECT_EQ(frames, (std::vector<int32_t>{1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1, 1}));

  THTMLPicture still;
  still.ReadData(Encode(Solid(2, 2, Qt::red), "png"));
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(still.Step());
}

TEST(HTMLPicture, RendererDrawsTheFrameAtItsOffset) {
  TPictureContainer container;
  TPictureItem* item = container.Items().Add();
  item->SetName(QStringLiteral("anim"));
  item->Picture().ReadData(Make_Gif(6, 5, Three_Frames));
  item->Picture().SetFrame(2);
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  canvas.Brush().Color = clYellow;  // the background colour fills the animation's screen
  TMarkupParams params;
  params.PictureContainer = &container;
  TMarkupOutputs out;
  RenderMarkup(canvas, QStringLiteral("<IMG SRC=\"anim\">"), Rect(0, 0, 40, 20), params, out);
  EXPECT_EQ(out.MeasuredWidth, 6);
  canvas.Release();
  // Line left is 1: the screen covers x 1..6; frame 2 (3 x 2, green) starts at (1 + 2, 1).
  EXPECT_EQ(canvas.Pixels(1, 0), clYellow);
  EXPECT_EQ(canvas.Pixels(3, 1), clLime);
  EXPECT_EQ(canvas.Pixels(5, 2), clLime);
  EXPECT_EQ(canvas.Pixels(6, 2), clYellow);
  EXPECT_EQ(canvas.Pixels(7, 2), clWhite);
}

TEST(HTMLPicture, LoadFromUrl) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("x.bmp"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(Encode(Solid(3, 2, Qt::green), "bmp"));
  file.close();

  THTMLPicture local;
  local.LoadFromURL(QStringLiteral("file://") + path);
  EXPECT_FALSE(local.Empty());
  EXPECT_EQ(local.ID(), QStringLiteral("file://") + path);
  EXPECT_EQ(local.Width(), 3);

  THTMLPicture remote;
  remote.SetAsynch(false);
  remote.LoadFromURL(QStringLiteral("http://192.0.2.1/a.png"));
  EXPECT_TRUE(remote.Empty());
  EXPECT_EQ(remote.ID(), QStringLiteral("http://192.0.2.1/a.png"));
  EXPECT_EQ(remote.URL(), QStringLiteral("http://192.0.2.1/a.png"));

  THTMLPicture asynch;
  asynch.LoadFromURL(QStringLiteral("http://192.0.2.1/a.png"));
  EXPECT_TRUE(asynch.Busy());
  EXPECT_TRUE(asynch.Empty());
  EXPECT_TRUE(asynch.ID().isEmpty());

  THTMLPicture resource;
  resource.LoadFromURL(QStringLiteral("res://no-such-resource"));
  EXPECT_TRUE(resource.Empty());
  EXPECT_EQ(resource.ID(), QStringLiteral("res://no-such-resource"));
}

TEST(HTMLPicture, AssignStreamsAndChangeEvents) {
  THTMLPicture source;
  const QByteArray png = Encode(Solid(4, 4, Qt::blue), "png");
  int changes = 0;
  source.OnChange = [&](THTMLPicture*) { ++changes; };
  QBuffer in;
  in.setData(png);
  in.open(QIODevice::ReadOnly);
  source.LoadFromStream(&in);
  EXPECT_EQ(changes, 1);
  QByteArray saved;
  QBuffer outBuffer(&saved);
  outBuffer.open(QIODevice::WriteOnly);
  source.SaveToStream(&outBuffer);
  EXPECT_EQ(saved, png);

  THTMLPicture copy;
  copy.Assign(&source);
  EXPECT_FALSE(copy.Empty());
  EXPECT_EQ(copy.WriteData(), png);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_TRUE(copy.WriteData().isEmpty());
}

TEST(PictureContainer, FindByNameAndItemCopies) {
  TPictureContainer container;
  TPictureItem* logo = container.Items().Add();
  logo->SetName(QStringLiteral("Logo"));
  logo->SetTag(7);
  logo->Picture().ReadData(Encode(Solid(2, 2, Qt::red), "png"));
  TPictureItem* second = container.Items().Add();
  second->SetName(QStringLiteral("LOGO"));
  EXPECT_EQ(container.FindPicture(QStringLiteral("logo")), &logo->Picture());
  EXPECT_EQ(container.FindPicture(QStringLiteral("other")), nullptr);

  TPictureItem* first = container.Items().Insert(0);
  first->Assign(*logo);
  EXPECT_EQ(container.Items().Items(0), first);
  EXPECT_EQ(first->Tag(), 7);
  EXPECT_EQ(first->Picture().Width(), 2);
  EXPECT_NE(&first->Picture(), &logo->Picture());

  TPictureContainer other;
  other.SetItems(container.Items());
  EXPECT_EQ(other.Items().Count(), 3);
  EXPECT_EQ(other.Items().Items(0)->Name(), QStringLiteral("Logo"));
}

TEST(PictureCache, FindClearAndAnimate) {
  THTMLPictureCache cache;
  THTMLPicture* a = cache.AddPicture();
  a->SetID(QStringLiteral("http://a"));
  THTMLPicture* gif = cache.AddPicture();
  gif->SetID(QStringLiteral("http://gif"));
  gif->ReadData(Make_Gif(4, 4, {{0, 0, 4, 4, 0, 1}, {0, 0, 4, 4, 0, 2}}));
  EXPECT_EQ(cache.FindPicture(QStringLiteral("http://gif")), gif);
  EXPECT_EQ(cache.FindPicture(QStringLiteral("HTTP://GIF")), nullptr);
  EXPECT_FALSE(cache.Animate());  // the timer count starts at -1
  EXPECT_TRUE(cache.Animate());   // delay 0: the next frame on the following tick
  EXPECT_EQ(gif->Frame(), 2);
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
  EXPECT_EQ(cache.FindPicture(QStringLiteral("http://a")), nullptr);
}
}  // namespace
