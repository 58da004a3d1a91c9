#pragma once
// Middle-button panning of a grid view: a middle press starts it, a 10 ms timer steps the grid toward the mouse and
// shows the direction's cursor, and the next press of any button or any key ends it.
class TGridView;
class TQrvStringGrid;

void Install_Panning(TGridView& view, TQrvStringGrid& grid);
