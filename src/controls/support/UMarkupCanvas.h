#pragma once
// Pixels per inch of the device a canvas draws on (96 for images made by the program).
#include <QPaintDevice>
#include <QPainter>

#include "UCanvas.h"

inline int Canvas_Ppi_X(TCanvas& canvas) {
  const QPaintDevice* device = canvas.Painter().device();
  return device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
}

inline int Canvas_Ppi_Y(TCanvas& canvas) {
  const QPaintDevice* device = canvas.Painter().device();
  return device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
}
