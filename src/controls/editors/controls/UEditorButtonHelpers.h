#pragma once
// What the small buttons of the edits share: drawing a glyph picture, their place inside the edit, and handing the
// focus on after a press.
#include <QImage>
#include <QWidget>
#include <cstdint>

#include "UTypes.h"

class TCanvas;

// The first of the glyph's equally wide frames, its top-left pixel's colour made transparent.
QImage Transparent_Glyph(const QImage& glyph, int32_t numGlyphs);
// Draws that frame centred in the rectangle (at its corner when it is as large or larger), one pixel right and
// down while pressed.
void Draw_Glyph_Centred(TCanvas& canvas, const QImage& glyph, int32_t numGlyphs, const TRect& r, bool pressed);
// Where an edit's own button sits: inside the single frame when there is one, one pixel off the right and bottom
// edges of the text area.
TRect Edit_Button_Bounds(int32_t editWidth, int32_t editHeight, int32_t buttonWidth, bool singleBorder);
// After a press on one of its buttons: the control the part serves takes the focus when it can and lacks it;
// otherwise the part itself does, when it is a tab stop.
void Hand_Focus_After_Press(QWidget* control, QWidget* part);
