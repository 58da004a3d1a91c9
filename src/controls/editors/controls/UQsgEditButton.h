#pragma once
// The button part at the right end of the edit-with-button: one speed button covering the whole part, whose
// mouse-up runs the action and hands the focus back to the edit.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "UApplication.h"
#include "UQrvSpeedButton.h"

class TQsgEditButton : public TGuarded<QWidget> {
 public:
  explicit TQsgEditButton(QWidget* parent = nullptr);

  TQrvSpeedButton* Button() const { return FButton; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  // Forgotten when that control is destroyed.
  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* value) { FFocusControl = value; }
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

  // Face colours; the border and text colours are kept for the caller (the caption is always black).
  TColor ButtonColor() const { return FColors.ButtonColor; }
  void SetButtonColor(TColor value) { FColors.ButtonColor = value, FButton->update(); }
  TColor ButtonColorHot() const { return FColors.ButtonColorHot; }
  void SetButtonColorHot(TColor value) { FColors.ButtonColorHot = value, FButton->update(); }
  TColor ButtonColorDown() const { return FColors.ButtonColorDown; }
  void SetButtonColorDown(TColor value) { FColors.ButtonColorDown = value, FButton->update(); }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor value) { FButtonTextColor = value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; }

  std::function<void(QObject*)> OnClick;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void Button_Mouse_Up(TQrvSpeedButton* sender, Qt::MouseButton button);

  TQrvSpeedButton* FButton = nullptr;
  QPointer<QWidget> FFocusControl;
  bool FFlat = false;
  TButtonFaceColors FColors;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};
