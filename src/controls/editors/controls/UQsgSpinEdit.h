#pragma once
// A one-line edit with an up/down button pair that steps an integer, a number with decimals, a date or a time of
// day. Typed characters are filtered by the kind, the value is clamped into its bounds when the control is left,
// and the arrow and page keys step it. The locale's separators and date format are read afresh at every use.
#include <QLineEdit>
#include <cstdint>
#include <functional>

#include "UApplication.h"
#include "UDateTime.h"
#include "UQsgSpinButton.h"
#include "UTypes.h"

enum TQsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

class TQsgSpinEdit : public TGuarded<QLineEdit> {
 public:
  explicit TQsgSpinEdit(QWidget* parent = nullptr);

  TQsgSpinButton* Button() const { return FButton; }

  // Steps of the value's kind; both only beep while the edit is read-only. The page flag takes the page step of
  // numbers with decimals and makes no difference otherwise.
  virtual void IncrementValue(bool page);
  virtual void DecrementValue(bool page);
  // Whether a typed character may reach the text; the separator typed on the keypad may be exchanged first.
  virtual bool IsValidChar(QChar& key);
  virtual void UpClick(QObject* sender);
  virtual void DownClick(QObject* sender);

  int32_t Value() const;
  void SetValue(int32_t value);
  double FloatValue() const;
  void SetFloatValue(double value);
  TDateTime DateValue() const;
  void SetDateValue(TDateTime value);
  TDateTime TimeValue() const;
  void SetTimeValue(TDateTime value);

  TQsgSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TQsgSpinType value);
  int32_t Precision() const { return FPrecision; }
  void SetPrecision(int32_t value);
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value) { FEditorEnabled = value; }
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool value) { setReadOnly(value); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool value) { FReturnIsTab = value; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value);
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool value);
  bool AllowEmptyValue() const { return FAllowEmptyValue; }
  void SetAllowEmptyValue(bool value) { FAllowEmptyValue = value; }
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool value) { FShowSeconds = value; }
  QString Text() const { return text(); }
  void SetText(const QString& value) { setText(value); }

  int32_t MinValue() const { return FMinValue; }
  void SetMinValue(int32_t value) { FMinValue = value; }
  int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t value) { FMaxValue = value; }
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double value) { FMinFloatValue = value; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double value) { FMaxFloatValue = value; }
  TDateTime MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(TDateTime value) { FMinDateValue = value; }
  TDateTime MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(TDateTime value) { FMaxDateValue = value; }
  int32_t Increment() const { return FIncrement; }
  void SetIncrement(int32_t value) { FIncrement = value; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double value) { FIncrementFloat = value; }
  double IncrementFloatPage() const { return FIncrementFloatPage; }
  void SetIncrementFloatPage(double value) { FIncrementFloatPage = value; }
  int32_t IncrementSeconds() const { return FIncrementSeconds; }
  void SetIncrementSeconds(int32_t value) { FIncrementSeconds = value; }
  int32_t IncrementMinutes() const { return FIncrementMinutes; }
  void SetIncrementMinutes(int32_t value) { FIncrementMinutes = value; }
  int32_t IncrementHours() const { return FIncrementHours; }
  void SetIncrementHours(int32_t value) { FIncrementHours = value; }

  // The smallest height the font allows.
  int32_t Min_Height() const;

  std::function<void(TQsgSpinEdit*)> OnChange;
  std::function<void(TQsgSpinEdit*)> OnEnter;
  std::function<void(TQsgSpinEdit*)> OnExit;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  int32_t Check_Value(int32_t value) const;
  double Check_Float_Value(double value) const;
  TDateTime Check_Date_Value(TDateTime value) const;
  int32_t Caret() const;
  bool Edit_Allowed() const { return FEditorEnabled && !isReadOnly(); }
  void Step(int32_t sign, bool page);
  void Step_Date(int32_t sign);
  void Step_Time(int32_t sign);
  void Clamp_On_Exit();
  void Set_Edit_Rect();
  void Place_Button();
  // The character a key press types, or a null character for keys that type none.
  QChar Typed_Char(const QKeyEvent* e) const;

  int32_t FMinValue = 0;
  int32_t FMaxValue = 100;
  double FMinFloatValue = 0;
  double FMaxFloatValue = 100.0;
  TDateTime FMinDateValue = 0;
  TDateTime FMaxDateValue = 0;
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
  int32_t FIncrement = 1;
  double FIncrementFloat = 0.1;
  TQsgSpinButton* FButton = nullptr;
  bool FEditorEnabled = true;
  TSpinDirection FDirection = spVertical;
  TQsgSpinType FSpinType = sptNormal;
  int32_t FPrecision = 0;
  bool FReturnIsTab = false;
  bool FIsWinXP = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FUsDates = false;
  bool FShowSeconds = true;
  int32_t FIncrementSeconds = 1;
  int32_t FIncrementMinutes = 1;
  int32_t FIncrementHours = 1;
  TEditAlign FEditAlign = eaLeft;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  bool FAllowEmptyValue = false;
  double FIncrementFloatPage = 1.0;
  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = bsSingle;
};
