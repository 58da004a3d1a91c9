#pragma once
// The one drawing layer of every painted control, following the classic desktop's rules: right and bottom
// edges are exclusive, a line leaves out its last pixel, vertical centring and bottom alignment apply only to
// single lines, system colours come from the fixed table. Painting is aliased so every pixel is predictable.
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "UCanvasTools.h"
#include "UTypes.h"

class TBitmap;
class QPaintDevice;

// Text-drawing flags, with the classic values so stored flag sets keep their meaning.
constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_END_ELLIPSIS = 0x8000;

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
  void SetFont(const TFont& font) { FFont = font; }
  TBkMode BkMode() const { return FBkMode; }
  void SetBkMode(TBkMode mode) { FBkMode = mode; }

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

  // Readable only on an image canvas; clNone elsewhere and outside.
  TColor Pixels(int32_t x, int32_t y);
  void SetPixels(int32_t x, int32_t y, TColor color);

  // Text with its top-left corner at (x, y), turned by the font's orientation.
  void TextOut(int32_t x, int32_t y, const QString& text);
  int32_t TextWidth(const QString& text) const;
  int32_t TextHeight(const QString& text) const;
  // Draws (or with DT_CALCRECT measures into r) the text; returns the height of the text.
  int32_t DrawText(const QString& text, TRect& r, uint32_t flags);

  // Draws a picture; a transparent picture leaves its transparent colour out.
  void Draw(int32_t x, int32_t y, const TBitmap& bitmap);
  void StretchDraw(const TRect& r, const TBitmap& bitmap);
  void DrawImage(int32_t x, int32_t y, const QImage& image);

  // Further drawing stays inside the rectangle (intersected with the current clip) until PopClip.
  void PushClip(const TRect& r);
  void PopClip();
  // The clip rectangle in force; the device's whole area without one.
  TRect ClipRect() const;

  // Ends any drawing under way, so the device can be read, resized or painted elsewhere.
  void Release();
  // The painter over the device, set up for aliased drawing with the current clip.
  QPainter& Painter();

 private:
  void Plot_Line(TPoint from, TPoint to, bool lastPixel);
  void Plot(int32_t x, int32_t y);
  void Apply_Pen_Mode(QPainter& p) const;
  bool Pen_Dash_On(int32_t index) const;
  void Draw_Text_Line(int32_t x, int32_t y, const QString& text, int32_t prefixIndex);

  QPaintDevice* FDevice = nullptr;
  QImage* FImage = nullptr;
  std::unique_ptr<QPainter> FPainter;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TBkMode FBkMode = bkOpaque;
  TPoint FPenPos;
  std::vector<TRect> FClips;
  int32_t FDashIndex = 0;
};
