#pragma once
// The one drawing layer of every painted control, following the classic desktop's rules: right and bottom
// edges are exclusive, a line leaves out its last pixel, vertical centring and bottom alignment apply only to
// single lines, system colours come from the fixed table. Painting is aliased so every pixel is predictable.
// Coordinates are logical: the viewport origin is added to reach the device. Clip rectangles are kept in device
// pixels, so moving the origin afterwards leaves them where they were.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "UCanvasTools.h"
#include "UTextFlags.h"
#include "UTypes.h"

class TBitmap;
class QPaintDevice;

enum TFillStyle { fsSurface, fsBorder };

class TCanvas {
 public:
  // Draws on a widget (inside its paint event) or any other paint device.
  explicit TCanvas(QPaintDevice* device);
  // Draws on an image; pixels can be read back.
  explicit TCanvas(QImage* image);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TFont& Font() { return FFont; }
  void SetPen(const TPen& pen) { FPen = pen; }
  void SetBrush(const TBrush& brush) { FBrush = brush; }
  // Keeps the canvas's resolution (see TFont::Assign).
  void SetFont(const TFont& font) { FFont.Assign(font); }
  TBkMode BkMode() const { return FBkMode; }
  void SetBkMode(TBkMode mode) { FBkMode = mode; }
  // The device's resolution, which the canvas font's size in points follows.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint pos) { FPenPos = pos; }
  void MoveTo(int32_t x, int32_t y) { FPenPos = Point(x, y); }
  // Draws from the pen position up to, not including, (x, y), which becomes the pen position.
  void LineTo(int32_t x, int32_t y);
  // Outline with the pen on the pixels Left..Right-1, Top..Bottom-1 and the inside with the brush.
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Fills with the brush, no outline.
  void FillRect(const TRect& r);
  // A one-pixel border in the brush colour.
  void FrameRect(const TRect& r);
  void Polygon(const std::vector<TPoint>& points);
  void Polyline(const std::vector<TPoint>& points);
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerWidth, int32_t cornerHeight);
  // Inverts every other pixel of the outline; drawing it twice restores the picture.
  void DrawFocusRect(const TRect& r);
  // Fills with the brush the area around (x, y) that has the colour (fsSurface) or that the colour borders
  // (fsBorder), within the clip. Only an image canvas can read its pixels; elsewhere nothing is filled.
  void FloodFill(int32_t x, int32_t y, TColor color, TFillStyle style);

  // Readable only on an image canvas; clNone elsewhere and outside.
  TColor Pixels(int32_t x, int32_t y);
  void SetPixels(int32_t x, int32_t y, TColor color);

  // Text with its top-left corner at (x, y), turned by the font's orientation.
  void TextOut(int32_t x, int32_t y, const QString& text);
  // Text at (x, y) cut to the rectangle, which the brush fills first unless it is clear.
  void TextRect(const TRect& r, int32_t x, int32_t y, const QString& text);
  int32_t TextWidth(const QString& text) const;
  int32_t TextHeight(const QString& text) const;
  TSize TextExtent(const QString& text) const;
  // Draws (or with DT_CALCRECT measures into r) the text; returns the height of the text.
  int32_t DrawText(const QString& text, TRect& r, uint32_t flags);

  // Draws a picture; a transparent picture leaves its transparent colour out.
  void Draw(int32_t x, int32_t y, const TBitmap& bitmap);
  void StretchDraw(const TRect& r, const TBitmap& bitmap);
  void DrawImage(int32_t x, int32_t y, const QImage& image);
  // Copies (stretching without smoothing) a rectangle of an image canvas, this one included, into dest.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

  // Further drawing stays inside the rectangle (intersected with the current clip) until PopClip.
  void PushClip(const TRect& r);
  void PopClip();
  // The clip rectangle in force, in logical coordinates; the device's whole area without one.
  TRect ClipRect() const;

  // The device pixel that logical (0, 0) stands for.
  TPoint ViewportOrg() const { return FOrigin; }
  void SetViewportOrg(TPoint origin);

  // Saves the whole drawing state (tools, background mode, pen position, clip, origin); returns its number, 1
  // for the first. RestoreDC(n) brings back state n and drops it and every later one; a negative n counts back
  // from the last (-1 the last saved). False when there is no such state.
  int32_t SaveDC();
  bool RestoreDC(int32_t saved);

  // Ends any drawing under way, so the device can be read, resized or painted elsewhere.
  void Release();
  // The painter over the device, set up for aliased drawing with the current clip and origin.
  QPainter& Painter();

 private:
  struct TState {
    TPen Pen;
    TBrush Brush;
    TFont Font;
    TBkMode BkMode;
    TPoint PenPos;
    std::vector<TRect> Clips;
    TPoint Origin;
  };
  // The toolkit font and metrics of the canvas font, rebuilt only when the font value changes.
  struct TFontCache {
    TFont Font;
    QFont QtFont;
    QFontMetrics Metrics;
    uint32_t Generation;
  };

  void Plot_Line(TPoint from, TPoint to, bool lastPixel);
  bool Plot_Span(TPoint from, TPoint to, bool lastPixel);
  void Plot(int32_t x, int32_t y);
  void Apply_Pen_Mode(QPainter& p) const;
  bool Pen_Dash_On(int32_t index) const;
  const TFontCache& Font_Cache() const;
  void Use_Font(QPainter& p);
  int32_t Line_Height(uint32_t flags) const;
  void Draw_Text_Line(int32_t x, int32_t y, const QString& text, int32_t width, int32_t prefixIndex);
  void Apply_Clip();
  QRect Device_To_Logical(const TRect& r) const;

  QPaintDevice* FDevice = nullptr;
  QImage* FImage = nullptr;
  std::unique_ptr<QPainter> FPainter;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TBkMode FBkMode = bkOpaque;
  TPoint FPenPos;
  // Device pixels.
  std::vector<TRect> FClips;
  TPoint FOrigin;
  int32_t FPixelsPerInch = 96;
  int32_t FDashIndex = 0;
  std::vector<TState> FSaved;
  mutable std::optional<TFontCache> FFontCache;
  // The font generation the painter holds, 0 for none.
  uint32_t FPainterFont = 0;
  bool FRightToLeft = false;
};
