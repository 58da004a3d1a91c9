#pragma once
// The look every window of the program shares: background, button colours and the grey title labels.
#include <QFont>
#include <QLabel>
#include <QWidget>

#include "UTypes.h"

constexpr TColor Window_Color = 0xEDF7F8;
constexpr TColor Button_Pressed_Color = 0x0080FF;

QFont Verdana(int pixels, bool bold);
void Set_Background(QWidget* widget, TColor color);
void Set_Text_Color(QWidget* widget, TColor color);
// A grey label at (x, y), as the title panels and step labels use.
QLabel* Grey_Label(QWidget* parent, int x, int y, const QFont& font);
