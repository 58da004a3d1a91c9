#pragma once
// The graphic object a cell's properties may hold. Only the ownership rule lives here so far: the properties free
// a graphic of this class with themselves and leave any other graphic object to whoever set it.
#include "UGridTypes.h"

class TCellGraphic : public TObject {
 public:
  ~TCellGraphic() override = default;
};
