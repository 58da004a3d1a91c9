#pragma once
// What the next left press on the grid does, decided while the mouse rests over it: a plain press, a drag of the
// selection's resize corner, or selecting everything, whole rows or whole columns from the fixed cells.
enum TMouseSelectMode { msNormal, msResize, msAll, msRow, msColumn };
