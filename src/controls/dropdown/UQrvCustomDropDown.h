#pragma once
// The drop-down edit: a one-line edit with a drop-down button at its right edge and a popup window that opens below
// or above it. The value stands between a fixed Prefix and Suffix and is typed, pasted and read by its edit type;
// the popup holds a descendant's inner control. Every drop-down editor derives from it.
#include <QLineEdit>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

#include "UApplication.h"
#include "UAttachedLabel.h"
#include "UDropDownAppearance.h"
#include "UDropDownStyles.h"
#include "UDropDownValue.h"
#include "UQrvButtonAppearance.h"
#include "UTypes.h"
#include "UVyxStyle.h"

class TDropDownEditButton;
class TDropDownForm;

enum TDropPosition { dpAuto, dpDown, dpUp };

// The system's millisecond tick count, wrapping at 32 bits; tests may set their own.
uint32_t DropDown_Tick_Count();
void Set_DropDown_Tick_Source(std::function<uint32_t()> source);
// Whether more than `ms` have passed since `then`, also across the counter's wrap.
inline bool Ticks_Elapsed(uint32_t now, uint32_t then, uint32_t ms) {
  return uint32_t(now - then) > ms;
}

class TQrvCustomDropDown : public TGuarded<QLineEdit>, public IVyxStyle, public IVyxTones {
 public:
  explicit TQrvCustomDropDown(QWidget* parent = nullptr);
  ~TQrvCustomDropDown() override;

  TDropDownEditButton* Button() const { return FButton; }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  bool DroppedDown() const { return FDroppedDown; }
  void ShowDropDown() { ShowPopup(); }
  void HideDropDown(bool cancelChanges) { HidePopup(cancelChanges); }

  // The value text, without prefix and suffix.
  QString Text() const;
  virtual void SetEditValue(const QString& value);
  // The displayed text as given, without prefix, suffix or formatting.
  void SetTextDirect(const QString& text) { setText(text); }
  double GetFloatValue() const { return FloatValueOf(Text(), FEditType); }
  void SetFloatValue(double value);
  void SetIntValue(int32_t value);
  void FormatMoney();
  TDropDownEditType EditType() const { return FEditType; }
  void SetEditType(TDropDownEditType value);
  int32_t Precision() const { return FPrecision; }
  // Stored only for the string, float and money types.
  void SetPrecision(int32_t value);
  void SetModified(bool value);
  bool IsModified() const { return FIsModified; }
  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();

  QString Prefix, Suffix, ValidChars;
  bool Signed = false;
  int32_t LengthLimit = 0;
  bool ReturnIsTab = false;
  bool AllowNumericNullValue = false;
  bool AutoThousandSeparator = true;
  bool DefaultHandling = true;
  bool ExcelStyleDecimalSeparator = false;

  // The popup's inner control (not owned); placed on the popup when it changes.
  QWidget* Control() const { return FControl; }
  void SetControl(QWidget* value);

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool value);
  TColor DropDownColor() const { return FDropDownColor; }
  void SetDropDownColor(TColor value) { FDropDownColor = value; }
  TColor DropDownColorTo() const { return FDropDownColorTo; }
  TGradientDirection DropDownGradient() const { return FDropDownGradient; }
  TColor DropDownBorderColor() const { return FDropDownBorderColor; }
  void SetDropDownBorderColor(TColor value) { FDropDownBorderColor = value; }
  int32_t DropDownBorderWidth() const { return FDropDownBorderWidth; }
  void SetDropDownBorderWidth(int32_t value) { FDropDownBorderWidth = value; }
  bool DropDownShadow() const { return FDropDownShadow; }
  void SetDropDownShadow(bool value) { FDropDownShadow = value; }
  int32_t DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int32_t value);
  int32_t DropDownHeight() const { return FDropDownHeight; }
  void SetDropDownHeight(int32_t value);
  TDropPosition DropPosition() const { return FDropPosition; }
  void SetDropPosition(TDropPosition value) { FDropPosition = value; }
  bool DropDownSizeable() const { return FDropDownSizeable; }
  void SetDropDownSizeable(bool value) { FDropDownSizeable = value; }
  int32_t DropDownButtonWidth() const { return FButtonWidth; }
  void SetDropDownButtonWidth(int32_t value);
  QString DropDownButtonHint() const { return FButtonHint; }
  void SetDropDownButtonHint(const QString& value);
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool value) { FDropDownEnabled = value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value);
  // 1.2.1.4; there is nothing to write.
  QString Version() const;
  void SetVersion(const QString&) {}
  virtual uint32_t GetVersionNr() const { return 0x01020104; }
  THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
  void SetDropDownHeader(const THeaderAppearance& value) { FDropDownHeader.Assign(value); }
  TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
  void SetDropDownFooter(const TFooterAppearance& value) { FDropDownFooter.Assign(value); }
  TQrvButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
  void SetButtonAppearance(const TQrvButtonAppearance& value) { FButtonAppearance.Assign(value); }
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  virtual void SetSelectionColorStyle(TSelectionColorStyle value);
  TColor SelectionColor = clNone, SelectionColorTo = clNone;

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
  const QFont& LabelFont() const { return FLabel.Font(); }
  void SetLabelFont(const QFont& value) { FLabel.SetFont(value); }
  QLabel* DropDownLabel() const { return FLabel.Label(); }

  TVyxStyle GetComponentStyle() const { return FVyxStyle; }
  void SetComponentStyle(TVyxStyle style) override;
  void SetColorTones(const TColorTones& tones) override;

  std::function<void(TQrvCustomDropDown*)> OnBeforeDropDown, OnBeforeDropUp, OnLabelClick, OnLabelDblClick;
  // The text changed (a change the control makes while regrouping a typed value over a full selection is swallowed).
  std::function<void(TQrvCustomDropDown*)> OnChange;
  std::function<void(TQrvCustomDropDown*, bool& acceptDrop)> OnDropDown;
  std::function<void(TQrvCustomDropDown*, bool cancelled)> OnDropUp;
  std::function<void(TQrvCustomDropDown*, const QString&value, bool&allow)> OnClipboardCopy, OnClipboardCut,
      OnClipboardPaste;

  // The popup's own keys and wheel come back here (the popup window calls them).
  virtual void PopupKeyDown(QKeyEvent& e);
  virtual void PopupKeyUp(QKeyEvent& e);
  virtual void PopupMouseWheelDown() { SelectNextItem(); }
  virtual void PopupMouseWheelUp() { SelectPreviousItem(); }
  // The popup lost the activation (a press outside): it closes as HidePopup would, cancelling when asked.
  void PopupDeactivated(bool cancel);
  // The popup was sized (by the user or the minimum): the inner control fills it again.
  void PopupResized() {
    if (FDroppedDown) PlaceDropDownControl();
  }
  // The drop-down button's click: opens the popup unless it closed within the last 250 ms (that click itself took
  // the activation from the open popup).
  void ButtonClick();

 protected:
  virtual void BeforeDropDown();
  virtual void AdjustDropDownHeight(int32_t& /*height*/) {}
  virtual void FocusDropDownControl();
  virtual void ShowPopup();
  virtual void PlaceDropDownControl();
  virtual void SizeDropDownForm();
  virtual void HidePopup(bool cancel);
  virtual void AfterDropUp();
  virtual void PopupSizing() {}
  virtual void SelectNextItem() {}
  virtual void SelectPreviousItem() {}
  virtual void ControlKeyDown(QKeyEvent& e);
  virtual void ControlKeyUp(QKeyEvent& e);
  // The value the popup opened with, and its return when the popup closes cancelled. Each editor keeps what its
  // value is (the base: the value text); a cancel never brings back a text set by code before the opening.
  virtual void SaveOpeningValue() { FOpeningText = Text(); }
  virtual void RestoreOpeningValue() { SetEditValue(FOpeningText); }
  void SetEditRect();
  void AdjustHeight();

  bool Guarded_Event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  // The typed character by edit type (false: dropped); see the typed-input rules.
  bool FilterChar(QChar& ch);
  bool PopupToggleKey(const QKeyEvent& e);
  void ToggleSign();
  bool DecimalRules(QChar ch);
  void Rebuild(const QString& value, int32_t caretFromValue);
  void ClampToValue();
  void FinishHide(bool cancel);
  void Paste();

  TDropDownEditButton* FButton = nullptr;
  TDropDownForm* FDropDownForm = nullptr;
  QPointer<QWidget> FControl;
  TAttachedLabel FLabel{*this};
  THeaderAppearance FDropDownHeader;
  TFooterAppearance FDropDownFooter;
  TQrvButtonAppearance FButtonAppearance;
  TDropDownEditType FEditType = etString;
  int32_t FPrecision = 0;
  bool FIsModified = false;
  bool FDroppedDown = false;
  bool FBlockChange = false;
  QString FOldText;
  QString FOpeningText;
  TColor FBorderColor = clNone, FFocusBorderColor = clNone;
  bool FDisabledBorder = true;
  TColor FDropDownColor = 0xFFFFFF, FDropDownColorTo = clNone, FDropDownBorderColor = 0;
  TGradientDirection FDropDownGradient = gdHorizontal;
  int32_t FDropDownBorderWidth = 1;
  bool FDropDownShadow = true;
  int32_t FDropDownWidth = 0, FDropDownHeight = 0;
  int32_t FUserDropDownWidth = -1, FUserDropDownHeight = -1;
  TDropPosition FDropPosition = dpAuto;
  bool FDropDownSizeable = true;
  int32_t FButtonWidth = 17;
  QString FButtonHint;
  bool FDropDownEnabled = false;
  bool FEditorEnabled = true;
  bool FCanUndo = true;
  TSelectionColorStyle FSelectionColorStyle = scOffice2007;
  TVyxStyle FVyxStyle = tsOffice2007Luna;
};
