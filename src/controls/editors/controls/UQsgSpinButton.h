#pragma once
// The up/down button pair of the spin edit: two repeating buttons stacked (or side by side), the arrow keys and
// Space while it has the focus, and a control that takes the focus when a button is pressed.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "UApplication.h"
#include "UQrvTimerSpeedButton.h"
#include "UTypes.h"

enum TSpinDirection { spVertical, spHorizontal };

class TQsgSpinButton : public TGuarded<QWidget> {
 public:
  explicit TQsgSpinButton(QWidget* parent = nullptr);

  TQrvTimerSpeedButton* UpButton() const { return FUpButton; }
  TQrvTimerSpeedButton* DownButton() const { return FDownButton; }
  TQrvTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection value);
  // Forgotten when that control is destroyed.
  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* value) { FFocusControl = value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value);
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }
  // A null picture brings back the built-in arrow.
  QImage UpGlyph() const { return FUpButton->Glyph(); }
  void SetUpGlyph(const QImage& value);
  QImage DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(const QImage& value);
  int32_t UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int32_t value) { FUpButton->SetNumGlyphs(value); }
  int32_t DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int32_t value) { FDownButton->SetNumGlyphs(value); }

  // Face colours of both buttons; the border and text colours are kept for the caller and drawn by nothing.
  TColor ButtonColor() const { return FColors.ButtonColor; }
  void SetButtonColor(TColor value) { FColors.ButtonColor = value, Repaint_Buttons(); }
  TColor ButtonColorHot() const { return FColors.ButtonColorHot; }
  void SetButtonColorHot(TColor value) { FColors.ButtonColorHot = value, Repaint_Buttons(); }
  TColor ButtonColorDown() const { return FColors.ButtonColorDown; }
  void SetButtonColorDown(TColor value) { FColors.ButtonColorDown = value, Repaint_Buttons(); }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor value) { FButtonTextColor = value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; }

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

  std::function<void(TQsgSpinButton*)> OnUpClick;
  std::function<void(TQsgSpinButton*)> OnDownClick;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TQrvTimerSpeedButton* Create_Button(TButtonDirection direction);
  void Set_Focus_Btn(TQrvTimerSpeedButton* button);
  void Button_Mouse_Down(TQrvTimerSpeedButton* button);
  void Button_Click(TQrvTimerSpeedButton* button);
  void Adjust_Size(int32_t& width, int32_t& height);
  void Repaint_Buttons();

  TQrvTimerSpeedButton* FUpButton = nullptr;
  TQrvTimerSpeedButton* FDownButton = nullptr;
  TQrvTimerSpeedButton* FFocusedButton = nullptr;
  QPointer<QWidget> FFocusControl;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
  bool FAdjusting = false;
  TButtonFaceColors FColors;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};
