#pragma once
// The state one render shares between its line passes and its tag steps (internal to the markup renderer).
#include <QString>

#include "URenderMarkup.h"

struct TMarkupRun {
  TMarkupRun(TCanvas& canvas, const TMarkupParams& params, TMarkupOutputs& outputs, TRect layout)
      : C(canvas), P(params), O(outputs), Layout(layout) {}
  TCanvas& C;
  const TMarkupParams& P;
  TMarkupOutputs& O;
  TRect Layout;

  TFont BaseFont;
  TColor BackColor = clNone;
  bool Themed = false;

  int32_t LineTop = 0;
  enum TParaAlign { paLeft, paRight, paCenter } ParaAlign = paLeft;
  int32_t ParaIndent = 0;
  int32_t ListLevel = 0;
  int32_t AnchorCounter = 0;
  int32_t PictureCounter = 0;
  int32_t HitPicture = -1;
  bool InAnchor = false;
  QString Href;
  QString Title;
  bool AnchorHitPending = false;
  int32_t AnchorStartX = 0;
  int32_t AnchorStartTop = 0;
  bool Hidden = false;
  bool Shadow = false;
  bool Superscript = false;
  bool Subscript = false;
  bool ErrorUnderline = false;
  bool LineBackground = false;
  TColor SavedLineBrush = clNone;
  TColor SavedFontBrush = clNone;
  TColor SavedHiFont = clNone;
  TColor SavedHiBrush = clNone;
  TColor SavedHoverBrush = clNone;
  TColor SavedHoverFont = clNone;
  bool Rotated = false;
  TFont RotatedSaved;
  TRect FocusRect;

  // Brush colour clNone is a clear brush: text is then drawn on a transparent background.
  TColor BrushColor() const;
  void SetBrushColor(TColor color);
  int32_t GhHeight() const { return C.TextHeight(QStringLiteral("gh")); }
  bool FocusedAnchorOpen() const { return InAnchor && AnchorCounter - 1 == P.FocusAnchorIndex; }
};

struct TMarkupLine {
  int32_t Height = 0;
  int32_t StartHeight = 0;
  int32_t SubExtra = 0;
  int32_t SupExtra = 0;
  int32_t PicAlignOffset = 0;
  int32_t Width = 0;
  QString Consumed;
};

// One pass over one line: measuring (consumes the text) or painting (replays the consumed text).
struct TLinePass {
  TLinePass(TMarkupRun& run, TMarkupLine& line, TRect lineRect, bool painting)
      : R(run), L(line), LineRect(lineRect), Painting(painting) {}
  TMarkupRun& R;
  TMarkupLine& L;
  TRect LineRect;
  bool Painting;
  bool SetsLineWidth = false;
  int32_t X = 0;
  TRect W;
  QString LineText;
  int32_t TrailingBlank = 0;
  int32_t Pieces = 0;
  bool LineBreak = false;
  bool LineFull = false;
  bool ListItemSeen = false;
  bool PointOnAnchorText = false;
  bool PointOnPictureOrControl = false;

  int32_t LineLeft() const { return LineRect.Left; }
  int32_t LineWidth() const { return LineRect.Right - LineRect.Left; }
  // Places an object of width w and height h (picture or control) on the line, or moves it to the next line.
  void Place(int32_t w, int32_t h);
  bool PointIn(int32_t w, int32_t h) const;
};

// Every text piece is drawn and measured with these (plus the reading-order and ellipsis flags).
constexpr uint32_t Markup_Text_Flags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

uint32_t Markup_Piece_Flags(const TMarkupRun& run);
// The tag step: text starts with "<" and holds at least 3 characters.
void Markup_Tag(TLinePass& pass, const QString& text);
void Markup_Control(TLinePass& pass, const QString& text);
void Markup_Picture(TLinePass& pass, const QString& text);
void Markup_Body(TLinePass& pass, const QString& text);
// Attribute value between the double quotes after the name (searched without regard to case); empty without quotes.
QString Markup_Attr(const QString& tagText, const QString& name);
// Decimal, or hexadecimal after "$", "x" or "0x"; leading blanks skipped; read up to the first non-digit.
int32_t Markup_Number(const QString& text, bool* ok = nullptr);
TColor Markup_Color(const QString& value);
