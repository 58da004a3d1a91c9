#pragma once
// What the two themed date-time pickers share: a flat frame in place of the desktop's sunken border, and in the
// own look (`MetroStyle`) their own border, focus border and drop button, coloured like the combo box. The two
// pickers differ in a few answers (when the own look applies, where the themed button's fill starts, whether the
// flat frame needs a border colour), asked through the virtual functions below.
#include "TDateTimePicker.h"

class QStyle;
class TCanvas;

// The width of the drop button for a style: at least a vertical scroll bar's width + 2.
int32_t DefaultButtonWidth(const QStyle* style);

class TThemedDateTimePicker : public TDateTimePicker {
 public:
  explicit TThemedDateTimePicker(QWidget* parent = nullptr);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor value);
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool value);
  int32_t ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int32_t value);
  bool IsWinXP() const { return FIsWinXP; }
  bool IsThemed() const { return FIsThemed; }
  bool MouseInControl() const { return FMouseInControl; }
  bool ButtonHover() const { return FButtonHover; }
  bool HasFocus() const { return FHasFocus; }

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor value) { FButtonColor = value, update(); }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor value) { FButtonColorHot = value, update(); }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor value) { FButtonColorDown = value, update(); }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor value) { FButtonBorderColor = value, update(); }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor value) { FButtonTextColor = value, update(); }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value, update(); }

 protected:
  virtual bool CustomLookActive() const = 0;
  // Where the fill left of a themed own button starts, counted back from the button.
  virtual int32_t ThemedFillOffset() const = 0;
  virtual bool FlatFrameWanted() const = 0;
  // The frame one class draws again after painting, over the desktop's own drawing.
  virtual void PaintAfterFrame(TCanvas& canvas) { (void)canvas; }
  virtual bool BordersSuppressed() const { return false; }

  bool ThemesInUse() const;
  static bool MouseButtonDown();
  bool FocusBorderShown() const;
  bool Active() const;
  TColor ParentColor() const;
  // The flat frame through the window's outline, in the colour the border style and theme call for.
  void DrawFlatOutline(TCanvas& canvas, bool secondInside);
  void DrawButton(TCanvas& canvas);
  void DrawBorders(TCanvas& canvas);

  void PaintLook(TCanvas& canvas) override;
  void Ctl3DChanged() override { update(); }
  bool Guarded_Event(QEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

  TBorderStyle FBorderStyle = bsNone;
  TColor FBorderColor = clNone;
  bool FIsThemed = false;
  TColor FButtonColorDown = clNone, FButtonBorderColor = clNone, FButtonTextColor = clNone,
         FButtonTextColorHot = clNone, FButtonColor = clNone, FButtonColorHot = clNone, FButtonTextColorDown = clNone;
  int32_t FButtonWidth = 0;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FIsWinXP = false;
  bool FMetroStyle = false;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
  bool FFocusBorder = false;

 private:
  void DrawBorder(TCanvas& canvas);
  void DrawButtonFace(TCanvas& canvas);
};
