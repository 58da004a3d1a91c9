#pragma once
// The desktop's date and time picker as the themed pickers build on it: a date mode with a drop-down calendar and
// a time mode with up-down buttons, an optional check box that switches the value off, digits typed into the
// current field, Left and Right moving between fields, and its notifications (changed, dropped down, closed up)
// routed through one virtual handler so that derived pickers can stand in front of the default handling.
#include <QDateTimeEdit>
#include <QPointer>
#include <functional>

#include "UApplication.h"
#include "UDateTime.h"
#include "UTypes.h"

class QCalendarWidget;
class TCanvas;
class TDtpCheckBox;

enum TDateTimePickerKind { dtkDate, dtkTime };

class TDateTimePicker : public TGuarded<QDateTimeEdit> {
 public:
  enum TDtpNotification { dtnDateTimeChange, dtnDropDown, dtnCloseUp };

  explicit TDateTimePicker(QWidget* parent = nullptr);
  ~TDateTimePicker() override;

  TDateTimePickerKind PickerKind() const { return FPickerKind; }
  void SetPickerKind(TDateTimePickerKind value);
  // Values as day counts. A value outside years 1..9999 raises EConvertError "Invalid argument to date encode"
  // and leaves the picker as it was.
  TDateTime PickerDateTime() const;
  void SetPickerDateTime(TDateTime value);
  // An empty format is the user's short date (date mode) or long time format (time mode).
  QString Format() const { return FFormat; }
  void SetFormat(const QString& value);
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool value);
  // Cleared, the picker holds no value: its fields are greyed and its change notification says so.
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int32_t ClientWidth() const { return width(); }
  int32_t ClientHeight() const { return height(); }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  QCalendarWidget* Calendar() const;

  std::function<void(TDateTimePicker*)> OnChange, OnClick, OnDropDown, OnCloseUp;
  std::function<void(TDateTimePicker*, QKeyEvent*)> OnKeyDown;
  std::function<void(TDateTimePicker*, QChar&)> OnKeyPress;

 protected:
  // The picker's notification; the default handling fires the matching event. noDate: the check box was cleared.
  virtual void Notify(TDtpNotification code, bool noDate);
  void DefaultNotify(TDtpNotification code, bool noDate);
  // A character typed; the default handling fires OnKeyPress and enters a digit into the current field.
  virtual void KeyPress(QChar& key);
  void DefaultKeyPress(QChar& key);
  // A key pressed; the default handling fires OnKeyDown, moves between fields and steps the field.
  virtual void KeyDown(QKeyEvent* event);
  void DefaultKeyDown(QKeyEvent* event);
  // After the value was switched off or on from outside (SetChecked).
  virtual void CheckedChanged() {}
  // Called after every change of the picker's own value from outside or from the user.
  virtual void ValueSet() {}
  // The look painted over the picker, with the check box, once the desktop has painted it.
  virtual void PaintLook(TCanvas& canvas) { (void)canvas; }
  virtual void Ctl3DChanged() { update(); }

  bool Guarded_Event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  QRect CheckBoxRect() const;
  static bool IsCharacter(const QKeyEvent* e);

 private:
  void ApplyFormat();
  void ApplyChecked();
  void TypeDigit(int32_t digit);
  void UserToggledCheck();

  TDateTimePickerKind FPickerKind = dtkDate;
  QString FFormat;
  bool FShowCheckbox = false;
  bool FChecked = true;
  bool FCtl3D = true;
  bool FSetting = false;
  TColor FColor = clWindow;
  QPointer<QWidget> FPopup;
  TDtpCheckBox* FCheckBox = nullptr;
  // Digits typed into the current field so far; a field change starts over.
  int32_t FTypedSection = -1;
  int32_t FTyped = 0;
  int32_t FTypedDigits = 0;

  friend class TDtpCheckBox;
};

// Day counts and the toolkit's date-times.
QDateTime DateTimeToQ(TDateTime value);
TDateTime QToDateTime(const QDateTime& value);
