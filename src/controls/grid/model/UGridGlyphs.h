#pragma once
// The grid's own small pictures, drawn in code: check boxes and radio buttons of the picture styles, the filter
// glyph and the flat ("metro") check and radio glyphs. Every picture's top-left pixel is its key colour, so it is
// drawn with DrawBitmapTransparent.
#include <QString>

#include "UBitmap.h"

// "ASGCHK01".."ASGCHK08", "ASGRAD01".."ASGRAD08", "ASGFILT", "metrocheckon", "metrocheckoff", "metroradioon",
// "metroradiooff"; an empty picture for any other name.
TBitmap GridGlyph(const QString& name);
