#include "UWindow_Look.h"

#include "UCanvasTools.h"
#include "USysColors.h"

QFont Verdana(int pixels, bool bold) {
  TFont font;
  font.Name = QStringLiteral("Verdana");
  font.Height = -pixels;
  if (bold) font.Style = fsBold;
  return ToQFont(font);
}

void Set_Background(QWidget* widget, TColor color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, TColorToQColor(color));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void Set_Text_Color(QWidget* widget, TColor color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, TColorToQColor(color));
  widget->setPalette(palette);
}

QLabel* Grey_Label(QWidget* parent, int x, int y, const QFont& font) {
  auto* label = new QLabel(parent);
  label->setFont(font);
  Set_Text_Color(label, clGray);
  label->move(x, y);
  return label;
}
