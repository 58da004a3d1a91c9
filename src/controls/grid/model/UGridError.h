#pragma once
// The grid's own error: raised with a fixed text when a cell, row or column cannot serve what was asked of it.
#include "Exception.h"

class EQrvGridError : public Exception {
 public:
  using Exception::Exception;
};
