#pragma once
// The small graphics a grid cell shows instead of or beside its text: progress bars, a pie, a bar growing from
// the centre, shapes, the filter or sort triangle and the zig-zag under a misspelt range. Each paints at once and
// keeps nothing. The print flag only changes vertical placements.
#include <QString>
#include <cstdint>

#include "UCanvas.h"

enum TCellShape {
  csRectangle,
  csCircle,
  csTriangleLeft,
  csTriangleRight,
  csTriangleUp,
  csTriangleDown,
  csDiamond,
  csLineVert,
  csLineHorz,
  csRoundRect,
  csEllips,
  csSquare,
  csRoundSquare,
  csStar,
  csArrowUp,
  csArrowDown,
  csArrowLeft,
  csArrowRight,
  csHalfStar
};

struct TLevelBarSettings {
  TColor Level0Color = clLime;
  TColor Level0ColorTo = clNone;
  TColor Level1Color = clYellow;
  TColor Level1ColorTo = clNone;
  TColor Level2Color = 0x0080FF;
  TColor Level2ColorTo = clNone;
  TColor Level3Color = clRed;
  TColor Level3ColorTo = clNone;
  int32_t Level1Perc = 70;
  int32_t Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = true;
  bool Stacked = false;
  bool ShowPercentage = true;
  TFont Font;
  TColor FontColor = clBlack;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int32_t Steps = 11;
  TColor BackgroundColor = clWhite;
  bool Vertical = false;
};

// Two-colour bar with its text inverted across the boundary. An empty format shows the rounded position with "%"
// and takes it as the percentage; a format containing "d" or "u" gets the rounded position, any other the value.
void DrawProgressCell(TCanvas& canvas, TRect rect, TColor completeColor, TColor completeFontColor,
                      TColor incompleteColor, TColor incompleteFontColor, double position, int32_t marginX,
                      int32_t marginY, double minimum, double maximum, const QString& format, TColor borderColor,
                      bool print);
void DrawLevelProgressBar(TCanvas& canvas, const TRect& rect, int32_t percent, const TLevelBarSettings& settings);
void DrawPieCell(TCanvas& canvas, const TRect& rect, TColor fillColor, int32_t percent, bool print);
void DrawBipolarBar(TCanvas& canvas, const TRect& rect, int32_t value, int32_t maximum, bool showValue,
                    TColor negativeColor, TColor positiveColor);
void DrawCellShape(TCanvas& canvas, int32_t x, int32_t y, int32_t width, int32_t height, TCellShape shape,
                   TColor brushColor, TColor penColor);
void DrawDownTriangle(TCanvas& canvas, int32_t x, int32_t y, TColor color);
// The zig-zag under characters errPos .. errPos + errLen - 1 (counted from 0) of the text as a single-line edit
// in the given font lays it out in the rectangle.
void DrawSpellErrorUnderline(const TFont& font, TCanvas& canvas, const QString& text, const TRect& rect,
                             int32_t yOffset, int32_t errPos, int32_t errLen);

// The progress cell's text: the rounded position and "%" without a format; otherwise the format (`Format`, in the
// user's number conventions) applied to the rounded position as an integer when it holds "d" or "u", else to the
// position itself.
QString ProgressCellText(const QString& format, double position);
