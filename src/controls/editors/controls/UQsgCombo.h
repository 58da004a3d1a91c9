#pragma once
// The combo box behind the grid's drop-down editors: the toolkit's combo box with its own border and drop-down
// button in three looks (visual style, classic frame, flat in the caller's colours), a colour and border of its
// own while it has the focus or the mouse, and an optional label in one of 13 places around it.
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

#include "UApplication.h"
#include "UAttachedLabel.h"
#include "UTypes.h"

class TCanvas;

enum TComboStyle { csDropDown, csSimple, csDropDownList };

class TQsgCustomCombo : public TGuarded<QComboBox> {
 public:
  explicit TQsgCustomCombo(QWidget* parent = nullptr);
  ~TQsgCustomCombo() override;

  // The colour the focus leaves behind. A combo takes it from its colour whenever the colour is set outside a
  // focus spell, so one made at run time never falls back to a colour nobody chose.
  void Init() { FNormalColor = FColor; }
  TColor NormalColor() const { return FNormalColor; }
  // Selects the first item whose text equals the given one, letter case ignored; no match changes nothing.
  void SelectItem(const QString& text);

  TComboStyle Style() const { return FStyle; }
  void SetStyle(TComboStyle value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value);
  bool Visible() const { return !isHidden(); }
  void SetVisible(bool value);
  int32_t ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int32_t value) { setCurrentIndex(value); }
  QString Text() const { return currentText(); }
  void SetText(const QString& value);
  int32_t MaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t value);
  int32_t DropDownCount() const { return maxVisibleItems(); }
  void SetDropDownCount(int32_t value) { setMaxVisibleItems(value); }

  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool value) { FAutoFocus = value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool value);
  // Accepted from 14 to 32 pixels; anything else is ignored.
  int32_t ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int32_t value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool value);
  int32_t DropWidth() const { return FDropWidth; }
  void SetDropWidth(int32_t value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value);
  bool IsVista() const { return FIsVista; }
  void SetIsVista(bool value);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool value);
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor value) { FFocusColor = value; }
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool value) { FFocusLabel = value; }
  bool HasFocus() const { return FHasFocus; }
  // The list is open (between showPopup and the hidePopup that closes it).
  bool DroppedDown() const { return FDropped; }
  bool MouseInControl() const { return FMouseInControl; }
  bool ButtonHover() const { return FButtonHover; }

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor value);
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor value);
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor value);
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor value);
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor value);
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor value);

  // The label exists from the first caption on; none before.
  QLabel* ComboLabel() const { return FLabel.Label(); }
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
  // Taken only while the combo does not use its parent's font.
  void SetLabelFont(const QFont& value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);

  // Sets the geometry and places the label again.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

  // Whether the combo paints its own border and button (false: the toolkit alone paints it).
  bool Own_Painting() const;

  std::function<void(TQsgCustomCombo*)> OnChange;
  std::function<void(TQsgCustomCombo*)> OnSelect;
  std::function<void(TQsgCustomCombo*)> OnDropDown;
  std::function<void(TQsgCustomCombo*)> OnDropUp;
  std::function<void(TQsgCustomCombo*)> OnEnter;
  std::function<void(TQsgCustomCombo*)> OnExit;
  std::function<void(TQsgCustomCombo*)> OnMouseEnter;
  std::function<void(TQsgCustomCombo*)> OnMouseLeave;

  void showPopup() override;
  void hidePopup() override;

 protected:
  bool Guarded_Event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  // The focus is still within the combo: its edit part, or its list, which is a window of its own but still the
  // combo's child. The list takes the focus as it opens, and not always with the popup reason.
  bool Focus_Inside() const;

 private:
  void Apply_Color(TColor value);
  void Update_Label();
  void Set_Label_Bold(bool bold);
  bool Themes_In_Use() const;
  bool Active() const;
  bool Focus_Border_Shown() const;
  bool Mouse_Button_Down() const;
  TColor Parent_Background() const;
  void Draw_Button(TCanvas& canvas);
  void Draw_Borders(TCanvas& canvas);
  void Draw_Border(TCanvas& canvas);
  void Draw_Button_Face(TCanvas& canvas);
  void Mouse_Entered();
  void Mouse_Left();
  void Enabled_Changed();

  TComboStyle FStyle = csDropDown;
  TColor FColor = clWindow;
  bool FParentColor = false;
  int32_t FMaxLength = 0;
  bool FAutoFocus = false;
  bool FFlat = false;
  bool FEtched = false;
  TColor FOldColor = clWindow;
  bool FOldParentColor = false;
  int32_t FButtonWidth = 19;
  bool FFocusBorder = false;
  bool FMouseInControl = false;
  int32_t FDropWidth = 0;
  bool FIsWinXP = false;
  bool FIsThemed = true;
  bool FButtonHover = false;
  bool FParentFont = true;
  TAttachedLabel FLabel{*this};
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FFocusColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  TColor FNormalColor = clWindow;
  bool FHasFocus = false;
  bool FFocusLabel = false;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  bool FIsVista = false;
  bool FDropped = false;
};

// The combo the forms and the grid's editors use; it adds nothing to the base.
class TQsgComboBox : public TQsgCustomCombo {
 public:
  using TQsgCustomCombo::TQsgCustomCombo;
};
