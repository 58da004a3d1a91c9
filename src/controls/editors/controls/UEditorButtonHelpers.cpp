#include "UEditorButtonHelpers.h"

#include <algorithm>

#include "UCanvas.h"

QImage Transparent_Glyph(const QImage& glyph, int32_t numGlyphs) {
  const int32_t w = glyph.width() / std::max(1, numGlyphs);
  QImage frame = glyph.copy(0, 0, w, glyph.height()).convertToFormat(QImage::Format_ARGB32);
  if (frame.isNull()) return frame;
  const QRgb key = frame.pixel(0, 0);
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (frame.pixel(x, y) == key) frame.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
  }
  return frame;
}

void Draw_Glyph_Centred(TCanvas& canvas, const QImage& glyph, int32_t numGlyphs, const TRect& r, bool pressed) {
  const QImage frame = Transparent_Glyph(glyph, numGlyphs);
  if (frame.isNull()) return;
  const int32_t shift = pressed ? 1 : 0;
  const int32_t x = frame.width() >= r.Width() ? 0 : (r.Width() - frame.width()) / 2;
  const int32_t y = frame.height() >= r.Height() ? 0 : (r.Height() - frame.height()) / 2;
  canvas.DrawImage(r.Left + x + shift, r.Top + y + shift, frame);
}

TRect Edit_Button_Bounds(int32_t editWidth, int32_t editHeight, int32_t buttonWidth, bool singleBorder) {
  const int32_t frame = singleBorder ? 2 : 0;
  const int32_t d = singleBorder ? 5 : 1;
  const int32_t left = editWidth - buttonWidth - d + frame;
  return Rect(left, frame, left + buttonWidth, frame + editHeight - d);
}

namespace {
bool Can_Take_Focus(const QWidget* w) {
  return w->focusPolicy() != Qt::NoFocus && w->isEnabled() && w->isVisible() && !w->hasFocus();
}
}  // namespace

void Hand_Focus_After_Press(QWidget* control, QWidget* part) {
  if (control && Can_Take_Focus(control)) {
    control->setFocus(Qt::MouseFocusReason);
  } else if (Can_Take_Focus(part)) {
    part->setFocus(Qt::MouseFocusReason);
  }
}
