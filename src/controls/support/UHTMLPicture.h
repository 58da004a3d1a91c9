#pragma once
// A picture that keeps the raw bytes of an image file and decodes them on demand: JPEG through libjpeg, every other
// format through Qt's image readers. Animated GIF data is cut down to one frame before decoding.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

#include "UTypes.h"

class TCanvas;
class QIODevice;

class THTMLPicture {
 public:
  THTMLPicture();
  THTMLPicture(const THTMLPicture&) = delete;
  THTMLPicture& operator=(const THTMLPicture&) = delete;

  // Copies the raw data of another picture and decodes it; nullptr empties this one.
  void Assign(const THTMLPicture* source);
  // Natural size at (Left, Top) in the device's pixels, or into the rectangle with Stretch.
  void Draw(TCanvas& canvas, const TRect& rect) const;
  bool Empty() const { return FIsEmpty; }
  int32_t Width() const;
  int32_t Height() const;
  void SetWidth(int32_t) {}
  void SetHeight(int32_t) {}
  // Raw data in and out; ReadData raises like a stream load.
  void ReadData(const QByteArray& data);
  QByteArray WriteData() const { return FDatastream; }
  // Any failure of reading or decoding leaves the picture empty; nothing is raised.
  void LoadFromFile(const QString& fileName);
  // Raises "Could not load image. Invalid format" (or a JPEG error) when the bytes cannot be decoded.
  void LoadFromStream(QIODevice* stream);
  void SaveToStream(QIODevice* stream) const;
  // Raw-data resources of the program (Qt resources ":/name"); nothing happens when there is none.
  void LoadFromResourceName(const QString& name);
  void LoadFromResourceID(int32_t id);
  // "res://" and "file://" load at once; any other location is only remembered, never fetched.
  void LoadFromURL(const QString& location);

  void FrameNext();
  void FramePrev();
  // One animation tick of 10 ms; true when the next frame was selected.
  bool Step();
  int32_t FrameCount();
  bool IsGIF() const;
  int32_t MaxWidth() const;
  int32_t MaxHeight() const;
  // Delay of the 1-based frame in hundredths of a second; -1 when there is no such frame or no GIF.
  int32_t GetFrameTime(int32_t frame) const;

  bool Stretch() const { return FStretched; }
  void SetStretch(bool value) { FStretched = value; }
  const QString& ID() const { return FID; }
  void SetID(const QString& value) { FID = value; }
  const QString& URL() const { return FURL; }
  bool IsDB() const { return FIsDB; }
  void SetIsDB(bool value) { FIsDB = value; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool value) { FAsynch = value; }
  bool Busy() const { return FThreadBusy; }
  int32_t Frame() const { return FFrame; }
  void SetFrame(int32_t frame);
  uint16_t FrameXPos() const { return FFrameXPos; }
  uint16_t FrameYPos() const { return FFrameYPos; }
  // The decoded picture of the current frame (null until decoded).
  const QImage& Image() const { return FImage; }

  std::function<void(THTMLPicture*)> OnChange;
  std::function<void(THTMLPicture*)> OnFrameChange;
  // Kept for callers of the download interface; nothing raises them (pictures are never downloaded).
  std::function<void(THTMLPicture*, uint32_t, uint32_t)> OnDownLoadProgress;
  std::function<void(THTMLPicture*, bool&)> OnDownLoadCancel;
  std::function<void(THTMLPicture*)> OnDownLoadComplete;
  std::function<void(THTMLPicture*, const QString&)> OnDownLoadError;

 private:
  void Decode();
  void Changed();

  QByteArray FDatastream;
  QImage FImage;
  bool FIsEmpty = true;
  bool FStretched = false;
  int32_t FLogPixX = 96;
  int32_t FLogPixY = 96;
  QString FURL;
  QString FID;
  bool FIsDB = false;
  bool FAsynch = true;
  bool FThreadBusy = false;
  int32_t FFrame = 1;
  int32_t FFrameCount = -1;
  uint16_t FFrameXPos = 0;
  uint16_t FFrameYPos = 0;
  uint16_t FAnimMaxX = 0;
  uint16_t FAnimMaxY = 0;
  int32_t FNextCount = -1;
  int32_t FTimerCount = -1;
};
