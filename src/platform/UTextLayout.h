#pragma once
// Breaks a text into the lines the text-drawing call paints: prefix characters, tabs, line breaks, word breaks
// and end ellipses, measured in one font.
#include <QFontMetrics>
#include <QString>
#include <cstdint>
#include <vector>

struct TTextLine {
  QString Text;
  int32_t Width = 0;
  // Index in Text of the character the prefix "&" underlines, -1 for none.
  int32_t Underline = -1;
};

// The lines of the text for a rectangle of the given width under the DT_ flags.
std::vector<TTextLine> Layout_Text(const QString& text, const QFontMetrics& metrics, int32_t width, uint32_t flags);
// Removes prefix characters ("&x" underlines x, "&&" is a plain "&"); reports the underlined index or -1.
QString Strip_Prefix(const QString& text, int32_t* underline);
