// The editor entry point a click uses. The editor dispatch replaces this body with its own opening of the editor
// that the cell's kind calls for.
#include "UQrvStringGrid.h"

void TQrvStringGrid::ShowInplaceEdit() {
  if (!(Options() & goEditing)) return;
  ShowInplaceEditor();
}
