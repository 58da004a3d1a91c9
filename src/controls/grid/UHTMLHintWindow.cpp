#include "UHTMLHintWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include "UCanvas.h"
#include "URenderMarkup.h"
#include "UValueText.h"

namespace {

// Margins around the measured text: markup keeps room for the renderer's own indent.
constexpr int32_t LiteralMarginX = 8;
constexpr int32_t MarkupMarginX = 16;
constexpr int32_t MarginY = 4;
constexpr int32_t TextIndent = 4;

// A canvas to measure on, at the resolution the window paints with.
QImage Measuring_Image(const QWidget& widget) {
  QImage image(1, 1, QImage::Format_RGB32);
  const int dotsPerMeter = qRound(widget.logicalDpiY() / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  return image;
}

TMarkupParams Markup_Params(const TMarkupImageList* images, TPictureContainer* pictures, bool measureOnly,
                            bool wordWrap) {
  TMarkupParams params;
  params.WordWrap = wordWrap;
  params.Images = images;
  params.PictureContainer = pictures;
  params.MeasureOnly = measureOnly;
  return params;
}

}  // namespace

THTMLHintWindow::THTMLHintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowTransparentForInput) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  FHintFont.PixelsPerInch = logicalDpiY();
  FWideFont = FHintFont;
  resize(0, 0);
}

void THTMLHintWindow::SetHintFont(const TFont& font) {
  FHintFont = font;
  update();
}

void THTMLHintWindow::SetColor(TColor color) {
  FColor = color;
  update();
}

void THTMLHintWindow::Take_Data(const THintData* data) {
  if (!data) return;
  FImages = data->Images;
  FPictureContainer = data->PictureContainer;
  FWideFont = data->Font;
  if (!data->Font.Name.isEmpty()) FHintFont.Name = data->Font.Name;
  FMaxWidth = data->MaxWidth;
}

void THTMLHintWindow::Measure(const QString& hint, int32_t maxWidth) {
  const int32_t kind = DetectCellTextKind(hint, true);
  FWide = kind == ckWidePairs;
  // Text that is not markup is shown as it is: the markup reader would take "<5" for the start of a tag.
  FLiteral = FWide || kind == ckPlain;
  FWideCaption = FWide ? DecodeWidePairs(hint) : QString();
  QImage image = Measuring_Image(*this);
  TCanvas canvas(&image);
  if (FLiteral) {
    canvas.SetFont(Literal_Font());
    TRect r = Rect(0, 0, maxWidth, 0);
    canvas.DrawText(FWide ? FWideCaption : hint, r, Literal_Flags() | DT_CALCRECT);
    FTextWidth = r.Right - r.Left;
    FTextHeight = r.Bottom - r.Top;
    return;
  }
  canvas.SetFont(FHintFont);
  TMarkupOutputs outputs;
  RenderMarkup(canvas, hint, Rect(0, 0, maxWidth, 0), Markup_Params(FImages, FPictureContainer, true, FMaxWidth > 0),
               outputs);
  FTextWidth = outputs.MeasuredWidth;
  FTextHeight = outputs.MeasuredHeight;
}

const TFont& THTMLHintWindow::Literal_Font() const {
  return FWide ? FWideFont : FHintFont;
}

const QString& THTMLHintWindow::Literal_Text() const {
  return FWide ? FWideCaption : FCaption;
}

uint32_t THTMLHintWindow::Literal_Flags() const {
  // Wide text is one line; a plain hint keeps its line breaks and, given a maximum width, wraps within it.
  if (FWide) return DT_SINGLELINE | DT_NOPREFIX;
  return FMaxWidth > 0 ? DT_NOPREFIX | DT_WORDBREAK : DT_NOPREFIX;
}

TRect THTMLHintWindow::CalcHintRect(int32_t maxWidth, const QString& hint, const THintData* data) {
  Take_Data(data);
  Measure(hint, maxWidth);
  return Rect(0, 0, FTextWidth, FTextHeight);
}

TRect THTMLHintWindow::KeepOnMonitor(TRect bounds, const TRect& monitor) {
  const int32_t width = bounds.Right - bounds.Left;
  const int32_t height = bounds.Bottom - bounds.Top;
  if (bounds.Right > monitor.Right - MonitorGap) {
    bounds.Left = monitor.Right - MonitorGap - width;
    bounds.Right = bounds.Left + width;
  }
  if (bounds.Bottom > monitor.Bottom - MonitorGap) {
    bounds.Top = monitor.Bottom - MonitorGap - height;
    bounds.Bottom = bounds.Top + height;
  }
  return bounds;
}

TRect THTMLHintWindow::Monitor_At(TPoint point) const {
  const QPoint at(point.X, point.Y);
  QScreen* screen = QGuiApplication::screenAt(at);
  if (!screen) {
    // The nearest monitor: the one whose area lies closest to the point.
    int best = -1;
    for (QScreen* candidate : QGuiApplication::screens()) {
      const QRect g = candidate->geometry();
      const int dx = std::max({g.left() - at.x(), 0, at.x() - g.right()});
      const int dy = std::max({g.top() - at.y(), 0, at.y() - g.bottom()});
      if (best < 0 || dx + dy < best) {
        best = dx + dy;
        screen = candidate;
      }
    }
  }
  if (!screen) return Rect(INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2);
  const QRect g = screen->geometry();
  return Rect(g.left(), g.top(), g.left() + g.width(), g.top() + g.height());
}

void THTMLHintWindow::ActivateHint(const TRect& rect, const QString& hint) {
  FCaption = hint;
  Measure(hint, FMaxWidth > 0 ? std::min(FMaxWidth, AvailableWidth) : AvailableWidth);
  const int32_t marginX = FLiteral ? LiteralMarginX : MarkupMarginX;
  TRect bounds = Rect(rect.Left, rect.Top, rect.Left + FTextWidth + marginX, rect.Top + FTextHeight + MarginY);
  bounds = KeepOnMonitor(bounds, Monitor_At(Point(rect.Left, rect.Top)));
  setGeometry(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
  // Topmost by its window flags.
  if (!isVisible()) show();
  update();
}

void THTMLHintWindow::ActivateHintData(const TRect& rect, const QString& hint, const THintData* data) {
  Take_Data(data);
  ActivateHint(rect, hint);
}

void THTMLHintWindow::Paint_Frame(TCanvas& canvas) const {
  const TRect r = Rect(0, 0, width(), height());
  canvas.Pen().Color = cl3DLight;
  canvas.MoveTo(r.Left, r.Bottom - 2);
  canvas.LineTo(r.Left, r.Top);
  canvas.LineTo(r.Right - 1, r.Top);
  canvas.Pen().Color = cl3DDkShadow;
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Top - 1);
}

void THTMLHintWindow::paintEvent(QPaintEvent*) {
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  canvas.Brush().Color = FColor;
  canvas.Brush().Style = bsSolid;
  canvas.FillRect(Rect(0, 0, width(), height()));
  Paint_Frame(canvas);

  TRect text;
  text.Left = TextIndent;
  text.Right = width() - TextIndent;
  text.Top = (height() - FTextHeight) / 2;
  text.Bottom = text.Top + FTextHeight + 2 * TextIndent;
  canvas.Brush().Style = bsClear;
  canvas.SetBkMode(bkTransparent);
  if (FLiteral) {
    canvas.SetFont(Literal_Font());
    canvas.DrawText(Literal_Text(), text, Literal_Flags());
    return;
  }
  canvas.SetFont(FHintFont);
  TMarkupOutputs outputs;
  RenderMarkup(canvas, FCaption, text, Markup_Params(FImages, FPictureContainer, false, FMaxWidth > 0), outputs);
}
