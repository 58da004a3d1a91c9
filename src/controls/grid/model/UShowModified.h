#pragma once
// How a grid marks its modified rows: a bar in the first column, in Color, while Enabled.
#include <functional>

#include "UTypes.h"

class TShowModified {
 public:
  TShowModified() = default;
  explicit TShowModified(std::function<void(TColor)> onChange) : OnChange(std::move(onChange)) {}

  bool Enabled = false;
  TColor Color() const { return FColor; }
  // Stores the colour and tells the owner, which repaints the marks.
  void SetColor(TColor value) {
    FColor = value;
    if (OnChange) OnChange(value);
  }
  std::function<void(TColor)> OnChange;

  void Assign(const TShowModified& source) {
    FColor = source.FColor;
    Enabled = source.Enabled;
  }

 private:
  TColor FColor = 0x00FFFF;  // yellow
};
