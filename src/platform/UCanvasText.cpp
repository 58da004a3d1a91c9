// The text half of the canvas: the font cache, single text runs and the flag-driven text drawing.
#include <QPaintDevice>
#include <algorithm>
#include <atomic>

#include "UCanvas.h"
#include "USysColors.h"
#include "UTextLayout.h"

const TCanvas::TFontCache& TCanvas::Font_Cache() const {
  if (!FFontCache || !(FFontCache->Font == FFont)) {
    // Canvases may paint images off the UI thread too.
    static std::atomic<uint32_t> generations = 0;
    const QFont font = ToQFont(FFont);
    FFontCache.emplace(TFontCache{FFont, font, QFontMetrics(font, FDevice), ++generations});
  }
  return *FFontCache;
}

void TCanvas::Use_Font(QPainter& p) {
  const TFontCache& cache = Font_Cache();
  if (FPainterFont == cache.Generation) return;
  p.setFont(cache.QtFont);
  FPainterFont = cache.Generation;
}

int32_t TCanvas::TextWidth(const QString& text) const {
  return Font_Cache().Metrics.horizontalAdvance(text);
}

int32_t TCanvas::TextHeight(const QString&) const {
  return Font_Cache().Metrics.height();
}

TSize TCanvas::TextExtent(const QString& text) const {
  return TSize{TextWidth(text), TextHeight(text)};
}

int32_t TCanvas::Line_Height(uint32_t flags) const {
  const QFontMetrics& metrics = Font_Cache().Metrics;
  return metrics.height() + ((flags & DT_EXTERNALLEADING) ? std::max(0, metrics.leading()) : 0);
}

void TCanvas::Draw_Text_Line(int32_t x, int32_t y, const QString& text, int32_t width, int32_t prefixIndex) {
  const QFontMetrics& metrics = Font_Cache().Metrics;
  QPainter& p = Painter();
  Use_Font(p);
  const bool turned = FFont.Orientation != 0;
  if (turned) {
    p.save();
    p.translate(x, y);
    p.rotate(-FFont.Orientation / 10.0);
    x = y = 0;
  }
  if (FBkMode == bkOpaque && FBrush.Style == bsSolid) {
    p.fillRect(QRect(x, y, width, metrics.height()), TColorToQColor(FBrush.Color));
  }
  p.setPen(TColorToQColor(FFont.Color));
  if (FRightToLeft) p.setLayoutDirection(Qt::RightToLeft);
  p.drawText(QPoint(x, y + metrics.ascent()), text);
  if (FRightToLeft) p.setLayoutDirection(Qt::LeftToRight);
  if (prefixIndex >= 0 && prefixIndex < text.size()) {
    const int32_t from = metrics.horizontalAdvance(text.left(prefixIndex));
    const int32_t underline = metrics.horizontalAdvance(text.at(prefixIndex));
    p.fillRect(QRect(x + from, y + metrics.ascent() + 1, underline, 1), TColorToQColor(FFont.Color));
  }
  p.setPen(Qt::NoPen);
  if (turned) p.restore();
}

void TCanvas::TextOut(int32_t x, int32_t y, const QString& text) {
  const int32_t width = TextWidth(text);
  Draw_Text_Line(x, y, text, width, -1);
  FPenPos = Point(x + width, y);
}

void TCanvas::TextRect(const TRect& r, int32_t x, int32_t y, const QString& text) {
  FillRect(r);
  PushClip(r);
  const TBkMode mode = FBkMode;
  FBkMode = bkTransparent;
  Draw_Text_Line(x, y, text, 0, -1);
  FBkMode = mode;
  PopClip();
}

int32_t TCanvas::DrawText(const QString& text, TRect& r, uint32_t flags) {
  const QFontMetrics& metrics = Font_Cache().Metrics;
  const std::vector<TTextLine> lines = Layout_Text(text, metrics, r.Width(), flags);
  const int32_t lineHeight = Line_Height(flags);
  const int32_t total = lineHeight * int32_t(lines.size());
  if (flags & DT_CALCRECT) {
    int32_t widest = 0;
    for (const TTextLine& line : lines) widest = std::max(widest, line.Width);
    // The rectangle shrinks or grows to the widest line, and its bottom moves to the last line.
    r.Right = r.Left + widest;
    r.Bottom = r.Top + total;
    return total;
  }
  int32_t y = r.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) y = r.Top + (r.Height() - metrics.height()) / 2;
    if (flags & DT_BOTTOM) y = r.Bottom - metrics.height();
  }
  const bool clip = !(flags & DT_NOCLIP);
  if (clip) PushClip(r);
  FRightToLeft = flags & DT_RTLREADING;
  for (size_t i = 0; i < lines.size(); ++i) {
    // An edit field shows no line that would be cut at the bottom, though it always shows its first.
    if ((flags & DT_EDITCONTROL) && i > 0 && y + metrics.height() > r.Bottom) break;
    const TTextLine& line = lines[i];
    int32_t x = r.Left;
    if (flags & DT_CENTER) x = r.Left + (r.Width() - line.Width) / 2;
    if (flags & DT_RIGHT) x = r.Right - line.Width;
    Draw_Text_Line(x, y, line.Text, line.Width, (flags & DT_HIDEPREFIX) ? -1 : line.Underline);
    y += lineHeight;
  }
  FRightToLeft = false;
  if (clip) PopClip();
  return total;
}
