#pragma once
// The hint beside a dragged scroll thumb of a grid view: the column or row that would come to the left or top.
class TGridView;
class TQrvStringGrid;

// Wires the view's two scroll bars to a hint window (a child of the view named "ScrollHint"), shown while a thumb is
// dragged and the grid's ScrollHints include that bar.
void Install_Scroll_Hints(TGridView& view, TQrvStringGrid& grid);
