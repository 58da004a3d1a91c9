#pragma once
// The drawing tools a canvas holds: pen, brush and font, as plain values the painting code sets field by field.
#include <QFlags>
#include <QFont>
#include <QString>
#include <cstdint>

#include "UTypes.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmXor, pmNot };
enum TBrushStyle { bsSolid, bsClear };
enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)
enum TBkMode { bkTransparent, bkOpaque };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TPen {
  TColor Color = clBlack;
  int32_t Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  bool operator==(const TBrush&) const = default;
};

// Height in pixels: negative is the character height (the usual form), positive the cell height. Size in points
// follows the resolution of the device the font draws on, so a printer's font is as large on paper as on screen.
struct TFont {
  QString Name = QStringLiteral("Tahoma");
  int32_t Height = -11;
  TFontStyles Style;
  TColor Color = clWindowText;
  // Angle of the base line in tenths of a degree, counter-clockwise.
  int32_t Orientation = 0;
  int32_t PixelsPerInch = 96;

  int32_t Size() const { return (-Height * 72 + PixelsPerInch / 2) / PixelsPerInch; }
  void SetSize(int32_t points) { Height = -(points * PixelsPerInch + 36) / 72; }
  // Takes another font's looks, keeping this font's resolution: a font from a screen canvas keeps its size in
  // points on a printer canvas.
  void Assign(const TFont& source) {
    const int32_t ppi = PixelsPerInch;
    *this = source;
    if (source.PixelsPerInch != ppi) {
      PixelsPerInch = ppi;
      SetSize(source.Size());
    }
  }
  bool operator==(const TFont&) const = default;
};

// The toolkit font that draws a TFont.
QFont ToQFont(const TFont& font);
