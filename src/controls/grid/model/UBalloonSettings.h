#pragma once
// The settings of a grid's balloon tooltips: whether they show, their timing, colours and transparency.
#include <cstdint>
#include <functional>

#include "UTypes.h"

class TBalloonSettings {
 public:
  TBalloonSettings() = default;
  explicit TBalloonSettings(std::function<void()> onEnableChange) : OnEnableChange(std::move(onEnableChange)) {}

  bool Enable() const { return FEnable; }
  // Stores the value and tells the owner, which creates or destroys the balloon window.
  void SetEnable(bool value) {
    FEnable = value;
    if (OnEnableChange) OnEnableChange();
  }
  // Times in ms; -1 keeps the toolkit's tooltip timing.
  int32_t InitialDelay = -1;
  int32_t ReshowDelay = -1;
  int32_t AutoHideDelay = -1;
  // 0 is opaque; otherwise the window's alpha is 255 - Transparency.
  uint8_t Transparency = 0;
  TColor TextColor = clNone;
  TColor BackgroundColor = clNone;
  std::function<void()> OnEnableChange;

  // Copies colours, delays and Enable; Enable is taken as it stands, without telling the owner.
  void Assign(const TBalloonSettings& source) {
    TextColor = source.TextColor;
    BackgroundColor = source.BackgroundColor;
    InitialDelay = source.InitialDelay;
    AutoHideDelay = source.AutoHideDelay;
    ReshowDelay = source.ReshowDelay;
    FEnable = source.FEnable;
  }

 private:
  bool FEnable = false;
};
