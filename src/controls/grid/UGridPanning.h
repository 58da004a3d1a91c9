#pragma once
// Middle-button panning of a grid view: a middle press starts it, a 10 ms timer steps the grid toward the mouse and
// shows the direction's cursor; cell hints stay off until the next press of any button or any key ends it and the
// cursor from before comes back.
#include <QImage>

#include "UQrvStringGridSettings.h"

class TGridView;
class TQrvStringGrid;

// The mark drawn with its top-left corner where panning started: a 32 x 32 picture of a circle with arrows in the
// directions the grid pans (up and down, left and right, or all four) on white.
QImage Pan_Origin_Icon(TIntelliPan pan);

void Install_Panning(TGridView& view, TQrvStringGrid& grid);
