#pragma once
// A link of the class chain that adds nothing of its own.
#include "UStringGrid.h"

class TObjStringGrid : public TStringGrid {};
