#include "UHTMLPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cmath>

#include "Exception.h"
#include "UCanvas.h"
#include "UJpegCodec.h"

namespace {
uint16_t U16(const QByteArray& d, qsizetype at) {
  return uint16_t(uint8_t(d[at]) | (uint8_t(d[at + 1]) << 8));
}

// A graphic control block directly followed by an image block: the start of one frame of an animation.
bool Frame_Start(const QByteArray& d, qsizetype p, qsizetype after) {
  return uint8_t(d[p]) == 0x21 && p + after < d.size() && uint8_t(d[p + 1]) == 0xF9 && uint8_t(d[p + 2]) == 4 &&
         uint8_t(d[p + 8]) == 0x2C;
}

constexpr qsizetype Max_Picture_Pixels = 64ll * 1024 * 1024;
}  // namespace

THTMLPicture::THTMLPicture() = default;

bool THTMLPicture::IsGIF() const {
  return FDatastream.size() >= 5 && FDatastream.startsWith("GIF8");
}

int32_t THTMLPicture::FrameCount() {
  if (FFrameCount != -1) return FFrameCount;
  if (!IsGIF()) return -1;
  int32_t count = 0;
  for (qsizetype p = 0; p < FDatastream.size(); ++p)
    if (Frame_Start(FDatastream, p, 9)) ++count;
  return FFrameCount = count;
}

int32_t THTMLPicture::GetFrameTime(int32_t frame) const {
  if (!IsGIF()) return -1;
  int32_t n = 0;
  for (qsizetype p = 0; p < FDatastream.size(); ++p) {
    if (Frame_Start(FDatastream, p, 8) && ++n == frame) return U16(FDatastream, p + 4);
  }
  return -1;
}

void THTMLPicture::Decode() {
  FFrameXPos = FFrameYPos = 0;
  FAnimMaxX = FAnimMaxY = 0;
  FImage = QImage();
  QByteArray data = FDatastream;
  int32_t frameWidth = 0, frameHeight = 0;
  if (IsGIF() && FrameCount() >= 1 && FDatastream.size() >= 10) {
    FAnimMaxX = U16(FDatastream, 6);
    FAnimMaxY = U16(FDatastream, 8);
    data.clear();
    int32_t frame = 0;
    bool copying = true;
    for (qsizetype p = 0; p < FDatastream.size(); ++p) {
      if (Frame_Start(FDatastream, p, 9)) {
        ++frame;
        copying = frame >= FFrame;
        if (frame == FFrame && p + 16 < FDatastream.size()) {
          FFrameXPos = U16(FDatastream, p + 9);
          FFrameYPos = U16(FDatastream, p + 11);
          frameWidth = U16(FDatastream, p + 13);
          frameHeight = U16(FDatastream, p + 15);
        }
      }
      if (copying) data += FDatastream[p];
    }
  }
  QImage image;
  if (Is_Jpeg_Data(data)) {
    image = Jpeg_Decode(data);
  } else {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead()) throw Exception(QStringLiteral("Could not load image. Invalid format"));
    const QSize size = reader.size();
    if (size.isValid() && qsizetype(size.width()) * size.height() > Max_Picture_Pixels)
      throw Exception(QStringLiteral("Could not allocate memory for image"));
    if (!reader.read(&image) || image.isNull()) throw Exception(QStringLiteral("Could not load image"));
  }
  // The GIF reader paints a frame into the whole logical screen; the picture is the frame itself, drawn at its
  // offset by the renderer.
  const QRect frameRect(FFrameXPos, FFrameYPos, frameWidth, frameHeight);
  if (frameWidth > 0 && frameHeight > 0 && image.size() != frameRect.size() && image.rect().contains(frameRect))
    image = image.copy(frameRect);
  FImage = image;
}

void THTMLPicture::Changed() {
  if (OnChange) OnChange(this);
}

int32_t THTMLPicture::Width() const {
  return FImage.isNull() ? 0 : int32_t(std::lround(FImage.width() * FLogPixX / 96.0));
}

int32_t THTMLPicture::Height() const {
  return FImage.isNull() ? 0 : int32_t(std::lround(FImage.height() * FLogPixY / 96.0));
}

int32_t THTMLPicture::MaxWidth() const {
  return FAnimMaxX != 0 ? FAnimMaxX : Width();
}
int32_t THTMLPicture::MaxHeight() const {
  return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::Draw(TCanvas& canvas, const TRect& rect) const {
  if (FIsEmpty || FImage.isNull()) return;
  QPainter& painter = canvas.Painter();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (FStretched) {
    if (rect.Width() > 0 && rect.Height() > 0)
      painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), FImage);
    return;
  }
  const int w = int(std::lround(FImage.width() * canvas.PixelsPerInch() / 96.0));
  const int h = int(std::lround(FImage.height() * canvas.PixelsPerInch() / 96.0));
  if (w == FImage.width() && h == FImage.height())
    painter.drawImage(QPoint(rect.Left, rect.Top), FImage);
  else
    painter.drawImage(QRect(rect.Left, rect.Top, w, h), FImage);
}

void THTMLPicture::ReadData(const QByteArray& data) {
  FDatastream = data;
  FIsEmpty = false;
  FFrameCount = -1;
  Decode();
}

void THTMLPicture::LoadFromStream(QIODevice* stream) {
  if (!stream) return;
  ReadData(stream->readAll());
  Changed();
}

void THTMLPicture::SaveToStream(QIODevice* stream) const {
  if (stream) stream->write(FDatastream);
}

void THTMLPicture::LoadFromFile(const QString& fileName) {
  try {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw Exception(QStringLiteral("Cannot open file"));
    LoadFromStream(&file);
  } catch (const Exception&) {
    FIsEmpty = true;
    FImage = QImage();
  }
}

void THTMLPicture::LoadFromResourceName(const QString& name) {
  QFile file(QStringLiteral(":/") + name);
  if (!file.open(QIODevice::ReadOnly)) return;
  LoadFromStream(&file);
}

void THTMLPicture::LoadFromResourceID(int32_t id) {
  LoadFromResourceName(QString::number(id));
}

void THTMLPicture::LoadFromURL(const QString& location) {
  if (location.startsWith(QLatin1String("RES://"), Qt::CaseInsensitive)) {
    FID = location;
    if (location.size() > 6) LoadFromResourceName(location.mid(6));
  } else if (location.startsWith(QLatin1String("FILE://"), Qt::CaseInsensitive)) {
    FID = location;
    if (location.size() > 7) LoadFromFile(location.mid(7));
  } else if (!FAsynch) {
    FURL = location;
    FID = location;
  } else if (!FThreadBusy) {
    // The download worker of the design has nothing to do: the picture is marked busy and stays empty.
    FURL = location;
    FThreadBusy = true;
  }
}

void THTMLPicture::SetFrame(int32_t frame) {
  FFrame = frame;
  if (FDatastream.isEmpty()) return;
  Decode();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
  const int32_t count = FrameCount();
  SetFrame(FFrame < count ? FFrame + 1 : 1);
}

void THTMLPicture::FramePrev() {
  const int32_t count = FrameCount();
  SetFrame(FFrame > 1 ? FFrame - 1 : std::max(count, 1));
}

bool THTMLPicture::Step() {
  if (FFrameCount < 2 || FIsEmpty) return false;
  bool advanced = false;
  if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
  if (FTimerCount * 10 >= FNextCount) {
    FrameNext();
    FNextCount += GetFrameTime(FFrame);
    advanced = true;
  }
  ++FTimerCount;
  return advanced;
}

void THTMLPicture::Assign(const THTMLPicture* source) {
  FIsEmpty = true;
  FImage = QImage();
  FFrameCount = FNextCount = FTimerCount = -1;
  FFrame = 1;
  if (!source) {
    FDatastream.clear();
    return;
  }
  FDatastream = source->FDatastream;
  if (FDatastream.isEmpty()) return;
  FIsEmpty = false;
  Decode();
  Changed();
}
