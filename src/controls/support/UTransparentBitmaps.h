#pragma once
// Pictures drawn with their key colour (the top-left pixel's) replaced by a fill colour, and the program's own
// small tree-node pictures.
#include <QString>

#include "UBitmap.h"
#include "UCanvas.h"

// Draws the picture opaque at the rectangle's top-left corner, in its own size; right and bottom are ignored.
void DrawBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, TColor fillColor, const TRect& rect);
// The same for one of the program's pictures by name ("ASGLEAFOPEN", "ASGLEAFCLOSE", "XPNODEO", "XPNODEC");
// an unknown name draws nothing.
void DrawResourceBitmapTransparent(TCanvas& canvas, TColor fillColor, const TRect& rect, const QString& resourceName);
// The named picture of the program (empty for an unknown name).
TBitmap LoadResourceBitmap(const QString& resourceName);
