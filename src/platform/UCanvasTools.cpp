#include "UCanvasTools.h"

#include <cstdlib>

QFont ToQFont(const TFont& font) {
  QFont f(font.Name);
  // A positive height counts the internal leading as well; the toolkit wants the character height.
  const int32_t pixels = font.Height < 0 ? -font.Height : font.Height * 4 / 5;
  f.setPixelSize(pixels > 0 ? pixels : 11);
  f.setBold(font.Style.testFlag(fsBold));
  f.setItalic(font.Style.testFlag(fsItalic));
  f.setUnderline(font.Style.testFlag(fsUnderline));
  f.setStrikeOut(font.Style.testFlag(fsStrikeOut));
  f.setStyleStrategy(QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  return f;
}
