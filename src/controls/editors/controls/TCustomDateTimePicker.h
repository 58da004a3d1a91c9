#pragma once
// The picker with automatic field advance: with `AutoTab`, a digit that changed the value moves the caret to the
// next field. The move is posted ("DTPShiftFocus") so that it runs after the typed digit took effect. A plain
// instance is an inner picker (the time part of the date-time picker) and draws no own border.
#include <cstdint>

#include "TThemedDateTimePicker.h"

// The event number of "DTPShiftFocus", the grid module's one registration of it.
extern const uint16_t DTPShiftFocus;

class TCustomDateTimePicker : public TThemedDateTimePicker {
 public:
  explicit TCustomDateTimePicker(QWidget* parent = nullptr);

  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool value) { FAutoTab = value; }
  virtual bool IsInnerPicker() const { return true; }

 protected:
  virtual void ShiftFocus();
  void TimeShiftFocus();
  void PostRightKey();

  bool CustomLookActive() const override { return FMetroStyle && !IsInnerPicker(); }
  int32_t ThemedFillOffset() const override { return 4; }
  bool FlatFrameWanted() const override { return true; }
  bool BordersSuppressed() const override { return IsInnerPicker(); }
  void PaintAfterFrame(TCanvas& canvas) override;
  void KeyPress(QChar& key) override;
  bool Guarded_Event(QEvent* e) override;

  bool FAutoTab = false;
  uint16_t Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};
