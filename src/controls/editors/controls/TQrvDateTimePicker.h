#pragma once
// A date, a time, or a date and a time together. For the date-and-time kind an inner time-only picker sits at the
// right end; the two are kept in step and their values merged. An attached label can stand around it, and the
// automatic field advance runs from the last date field into the time part.
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "TCustomDateTimePicker.h"
#include "UAttachedLabel.h"

enum TQrvDateTimeKind { dkDate, dkTime, dkDateTime };

class TQrvDateTimePicker : public TCustomDateTimePicker {
 public:
  explicit TQrvDateTimePicker(QWidget* parent = nullptr);
  ~TQrvDateTimePicker() override;

  TQrvDateTimeKind Kind() const { return FKind; }
  void SetKind(TQrvDateTimeKind value);
  // Read: the date with the time part's time. Write: milliseconds dropped, the time part follows; a value outside
  // years 1..9999 raises EConvertError "Invalid argument to date encode" and changes nothing.
  TDateTime DateTime() const;
  virtual void SetDateTime(TDateTime value);
  // The whole days; writing one keeps the hour, minute and second.
  TDateTime Date() const;
  void SetDate(TDateTime value);
  // The time of day (the time part's for the date-and-time kind).
  TDateTime Time() const;
  void SetTime(TDateTime value);
  QString TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const QString& value);
  void SetAutoTab(bool value) override;
  void SetBorderStyle(TBorderStyle value) override;
  bool IsInnerPicker() const override { return false; }
  // Built from the packed number 1.2.0.0; there is nothing to write.
  QString Version() const;
  void SetVersion(const QString&) {}

  QString LabelCaption() const { return FLabel.Caption(); }
  void SetLabelCaption(const QString& value) { FLabel.SetCaption(value); }
  TLabelPosition LabelPosition() const { return FLabel.Position(); }
  void SetLabelPosition(TLabelPosition value) { FLabel.SetPosition(value); }
  int32_t LabelMargin() const { return FLabel.Margin(); }
  void SetLabelMargin(int32_t value) { FLabel.SetMargin(value); }
  bool LabelTransparent() const { return FLabel.Transparent(); }
  void SetLabelTransparent(bool value) { FLabel.SetTransparent(value); }
  bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool value) { FLabel.SetAlwaysEnabled(value); }
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool value) { FFocusLabel = value; }
  QFont LabelFont() const { return FLabel.Font(); }
  // Ignored while the picker takes its parent's font (no font set on it).
  void SetLabelFont(const QFont& value);
  QLabel* PickerLabel() const { return FLabel.Label(); }
  bool ParentFont() const { return !testAttribute(Qt::WA_SetFont); }

  // The inner time part (date-and-time kind only) and the focus timer, for the owner's checks.
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }
  const QTimer& FocusTimer() const { return FFocusTimer; }

  std::function<void(TQrvDateTimePicker*)> OnTimeChange, OnLabelClick, OnLabelDblClick;

 protected:
  virtual void DoChange();
  virtual void DoClick();
  void ShiftFocus() override;
  void KeyPress(QChar& key) override;
  void Notify(TDtpNotification code, bool noDate) override;
  void CheckedChanged() override;
  void ValueSet() override;
  bool Guarded_Event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void CreateTimePicker();
  void UpdateTimePicker();
  void SettleTimePartEnabled(bool noDate = false);

  TQrvDateTimeKind FKind = dkDateTime;
  QTimer FFocusTimer;
  QString FTimeFormat;
  uint16_t Fy = 0, Fm = 0, Fd = 0;
  TAttachedLabel FLabel{*this};
  bool FFocusLabel = false;
  bool FIgnoreTimePickerCheck = false;
  bool FFirstRun = true;
  bool FUpdating = false;
  TDateTime FKnownDate = 0;
  QPointer<TCustomDateTimePicker> FTimePicker;
};
