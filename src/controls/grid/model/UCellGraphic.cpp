#include "UCellGraphic.h"

#include <cmath>

TCellGraphic::~TCellGraphic() {
  FreeOwnedObjects();
}

void TCellGraphic::FreeOwnedObjects() {
  switch (FCellType) {
    case ctBitmap:
    case ctBitButton:
      if (FCellCreated) delete ObjectAs<TBitmap>();
      break;
    case ctPicture:
      if (FCellCreated) delete ObjectAs<TPicture>();
      break;
    case ctFilePicture:
      if (FCellCreated) delete ObjectAs<TFilePicture>();
      break;
    case ctRadio:
      if (FCellCreated) delete ObjectAs<QStringList>();
      break;
    case ctIcon:
      if (FCellCreated) delete IconObject();
      break;
    case ctImages:
      delete ObjectAs<TIntList>();
      break;
    case ctBalloon:
      delete ObjectAs<QStringList>();
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      FreeAttachedBalloon();
      break;
    default:
      break;
  }
  FCellBitmap = std::monostate{};
  FCellIcon = std::monostate{};
}

void TCellGraphic::FreeAttachedBalloon() {
  if (FCellAngle != 1) return;
  delete ObjectAs<QStringList>();
  FCellBitmap = std::monostate{};
  FCellAngle = 0;
}

void TCellGraphic::Assign(const TCellGraphic& source) {
  FCellType = source.FCellType;
  FCellVAlign = source.FCellVAlign;
  FCellHAlign = source.FCellHAlign;
  FCellIndex = source.FCellIndex;
  FCellTransparent = source.FCellTransparent;
  FCellValue = source.FCellValue;
  FCellAngle = source.FCellAngle;
  FCellBoolean = source.FCellBoolean;
  FCellErrFrom = source.FCellErrFrom;
  FCellErrLen = source.FCellErrLen;
  FCellText = source.FCellText;
  FCellCreated = source.FCellCreated;
}

void TCellGraphic::SetBitmap(TBitmap* bitmap, bool transparent, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctBitmap;
  FCellBitmap = bitmap;
  FCellTransparent = transparent;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetIcon(TIcon* icon, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctIcon;
  FCellIcon = icon;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetPicture(TPicture* picture, bool transparent, TStretchMode mode, int32_t padding,
                              TCellHAlign hal, TCellVAlign val) {
  FCellType = ctPicture;
  FCellBitmap = picture;
  FCellTransparent = transparent;
  FCellAngle = mode;
  FCellIndex = padding;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* picture, bool transparent, TStretchMode mode, int32_t padding,
                                  TCellHAlign hal, TCellVAlign val) {
  SetPicture(nullptr, transparent, mode, padding, hal, val);
  FCellType = ctFilePicture;
  FCellBitmap = picture;
}

void TCellGraphic::SetImageIdx(int32_t idx, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctImageList;
  FCellIndex = idx;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetDataImage(int32_t idx, TCellHAlign hal, TCellVAlign val) {
  SetImageIdx(idx, hal, val);
  FCellType = ctDataImage;
}

void TCellGraphic::SetMultiImage(int32_t col, int32_t row, int32_t dir, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctImages;
  FCellBitmap = new TIntList(col, row);
  FCellBoolean = dir == 0;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetButton(int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctButton;
  FCellIndex = static_cast<int32_t>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFFu));
  FCellText = caption;
  FCellBoolean = false;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetBitButton(int32_t bw, int32_t bh, const QString& caption, TBitmap* glyph, TCellHAlign hal,
                                TCellVAlign val) {
  SetButton(bw, bh, caption, hal, val);
  FCellType = ctBitButton;
  FCellBitmap = glyph;
}

void TCellGraphic::SetInterfacedCell(TObject* object) {
  FCellType = ctInterface;
  FCellBitmap = object;
}

void TCellGraphic::SetCheckBox(bool value, bool data, TCellHAlign hal, TCellVAlign val) {
  FCellType = data ? ctDataCheckBox : ctCheckBox;
  FCellBoolean = value;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState state, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctTriStateCheckBox;
  FCellCheckBoxState = state;
  FCellBoolean = false;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool value, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctRadioButton;
  FCellBoolean = value;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TCellGraphic::SetAngle(int32_t angle) {
  FCellType = ctRotated;
  while (angle < 0) angle += 360;
  while (angle > 360) angle -= 360;
  FCellAngle = angle;
}

namespace {
// Nearest integer, halves to the even neighbour.
int32_t RoundEven(double value) {
  return static_cast<int32_t>(std::nearbyint(value));
}

TPoint AspectFit(int32_t w, int32_t h, int32_t aw, int32_t ah, bool capAtOne) {
  double rx = w <= 0 ? 1.0 : double(aw) / w;
  double ry = h <= 0 ? 1.0 : double(ah) / h;
  if (capAtOne) {
    rx = std::min(rx, 1.0);
    ry = std::min(ry, 1.0);
  }
  if (rx >= ry) return {RoundEven(w * ry), ah};
  return {aw, RoundEven(h * rx)};
}
}  // namespace

TPoint TCellGraphic::GetPictureSize(int32_t cw, int32_t rh, bool /*hasText*/) const {
  int32_t w = 0;
  int32_t h = 0;
  if (FCellType == ctPicture) {
    if (const TPicture* picture = ObjectAs<TPicture>()) {
      w = picture->Width();
      h = picture->Height();
    }
  } else if (FCellType == ctFilePicture) {
    if (const TFilePicture* picture = ObjectAs<TFilePicture>()) {
      w = picture->Width();
      h = picture->Height();
    }
  } else {
    return {0, 0};
  }
  const int32_t aw = cw - FCellIndex;
  const int32_t ah = rh - FCellIndex;
  const bool fits = w <= aw && h <= ah;
  switch (static_cast<TStretchMode>(FCellAngle)) {
    case Stretch:
      return {aw, ah};
    case StretchWithAspectRatio:
      return AspectFit(w, h, aw, ah, false);
    case Shrink:
      return fits ? TPoint{w, h} : TPoint{aw, ah};
    case ShrinkWithAspectRatio:
      return fits ? TPoint{w, h} : AspectFit(w, h, aw, ah, true);
    case noStretch:
    default:
      return {w, h};
  }
}

bool IsCheckBoxType(TCellType type) {
  return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox ||
         type == ctTriStateCheckBox;
}

bool IsDataCheckBoxType(TCellType type) {
  return type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
}
