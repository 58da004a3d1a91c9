#pragma once
// The grid's own hint window: draws markup hints with the markup renderer, text in the wide-pair encoding as one
// plain line and any other text as it is, so a cell text such as "<5" is never taken for markup or rich text. The
// grid's hint preparation shows it with ActivateHintData; it sizes itself by measuring the text and stays on the
// monitor it is shown on.
#include <QString>
#include <QWidget>
#include <cstdint>

#include "UCanvasTools.h"
#include "UTypes.h"

class TCanvas;
class TMarkupImageList;
class TPictureContainer;

// What the grid hands over with a hint: its images and pictures for the markup, its font for wide text (and its
// font's name for every hint), and the width the hint may take at most (0: AvailableWidth).
struct THintData {
  const TMarkupImageList* Images = nullptr;
  TPictureContainer* PictureContainer = nullptr;
  TFont Font;
  int32_t MaxWidth = 0;
};

class THTMLHintWindow : public QWidget {
 public:
  // The room a hint may take to the right of where it is shown.
  static constexpr int32_t AvailableWidth = 1008;
  // Space kept between a hint and the monitor's right and bottom edges.
  static constexpr int32_t MonitorGap = 2;

  explicit THTMLHintWindow(QWidget* owner = nullptr);

  // Shows the hint with its top-left corner at the rectangle's top-left, sized to the text, without activation.
  void ActivateHint(const TRect& rect, const QString& hint);
  // Takes the grid's images, pictures, font and maximum width (when data is given), then shows the hint.
  void ActivateHintData(const TRect& rect, const QString& hint, const THintData* data);
  // (0, 0, width, height) of the text laid out in maxWidth, without the window's margins.
  TRect CalcHintRect(int32_t maxWidth, const QString& hint, const THintData* data);

  QString Caption() const { return FCaption; }
  // The text is drawn in a new window's own font; a wide-pair hint in the font of the grid last handed over.
  TFont HintFont() const { return FHintFont; }
  void SetHintFont(const TFont& font);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int32_t TextWidth() const { return FTextWidth; }
  int32_t TextHeight() const { return FTextHeight; }

  // Moves bounds left and up so that they end MonitorGap pixels inside the monitor's right and bottom edges.
  static TRect KeepOnMonitor(TRect bounds, const TRect& monitor);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Take_Data(const THintData* data);
  // Measures the hint into FTextWidth and FTextHeight and keeps the decoded text of a wide-pair hint.
  void Measure(const QString& hint, int32_t maxWidth);
  const TFont& Literal_Font() const;
  const QString& Literal_Text() const;
  uint32_t Literal_Flags() const;
  void Paint_Frame(TCanvas& canvas) const;
  TRect Monitor_At(TPoint point) const;

  const TMarkupImageList* FImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  int32_t FTextHeight = 0;
  int32_t FTextWidth = 0;
  // The decoded text of a wide-pair hint; empty for markup.
  QString FWideCaption;
  bool FWide = false;
  // Wide-pair or plain text, drawn as it is rather than read as markup.
  bool FLiteral = false;
  QString FCaption;
  TFont FHintFont;
  TFont FWideFont;
  TColor FColor = clInfoBk;
  int32_t FMaxWidth = 0;
};
