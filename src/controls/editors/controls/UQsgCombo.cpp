#include "UQsgCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>

#include "UCanvas.h"
#include "UEditorFrame.h"
#include "UFrameControl.h"
#include "USysColors.h"
#include "UThemeBinding.h"
#include "UWidgetTree.h"

namespace {

// The classic desktop's vertical scroll-bar width, which sizes the drop-down button.
constexpr int32_t Scroll_Bar_Width = 17;

}  // namespace

TQsgCustomCombo::TQsgCustomCombo(QWidget* parent) : TGuarded<QComboBox>(parent) {
  FButtonWidth = Scroll_Bar_Width + 2;
  setMouseTracking(true);
  FLabel.SetUseControlFont(true);
  setEditable(true);
  Apply_Color(FColor);
  // Only what the user does counts as a change, as with the platform's combo: setting the text or the index from
  // code fires nothing.
  connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
    if (OnSelect) OnSelect(this);
    if (OnChange) OnChange(this);
  });
  connect(this, &QComboBox::editTextChanged, this, [this](const QString&) {
    if (lineEdit() && lineEdit()->isModified() && OnChange) OnChange(this);
  });
}

TQsgCustomCombo::~TQsgCustomCombo() = default;

void TQsgCustomCombo::SelectItem(const QString& text) {
  const int index = findText(text, Qt::MatchFixedString);
  if (index >= 0) setCurrentIndex(index);
}

void TQsgCustomCombo::SetStyle(TComboStyle value) {
  FStyle = value;
  setEditable(value != csDropDownList);
  if (lineEdit()) lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
  Apply_Color(FColor);
}

void TQsgCustomCombo::SetColor(TColor value) {
  if (!FHasFocus) FNormalColor = value;
  FParentColor = false;
  Apply_Color(value);
}

void TQsgCustomCombo::Apply_Color(TColor value) {
  FColor = value;
  QPalette p = palette();
  const QColor c = TColorToQColor(value);
  p.setColor(QPalette::Base, c);
  p.setColor(QPalette::Button, c);
  p.setColor(QPalette::Window, c);
  setPalette(p);
  if (lineEdit()) lineEdit()->setPalette(p);
  update();
}

void TQsgCustomCombo::SetParentColor(bool value) {
  FParentColor = value;
  if (value) Apply_Color(Parent_Background());
}

TColor TQsgCustomCombo::Parent_Background() const {
  return parentWidget() ? QColorToTColor(parentWidget()->palette().color(QPalette::Window)) : clBtnFace;
}

void TQsgCustomCombo::SetEnabled(bool value) {
  if (value == isEnabled()) return;
  setEnabled(value);
  Enabled_Changed();
}

void TQsgCustomCombo::Enabled_Changed() {
  // A disabled flat combo shows its parent's background; enabling brings its own colour back.
  if (FFlat) {
    if (!isEnabled()) {
      FOldParentColor = FParentColor;
      FOldColor = FColor;
      SetParentColor(true);
    } else {
      FParentColor = FOldParentColor;
      Apply_Color(FOldColor);
      if (FParentColor) Apply_Color(Parent_Background());
    }
  }
  if (ComboLabel() && !LabelAlwaysEnabled()) ComboLabel()->setEnabled(isEnabled());
  Update_Label();
  update();
}

void TQsgCustomCombo::SetVisible(bool value) {
  setVisible(value);
  if (ComboLabel()) ComboLabel()->setVisible(value);
}

void TQsgCustomCombo::SetText(const QString& value) {
  if (isEditable()) {
    setEditText(value);
  } else {
    const int index = findText(value, Qt::MatchFixedString);
    if (index >= 0) setCurrentIndex(index);
  }
}

void TQsgCustomCombo::SetMaxLength(int32_t value) {
  FMaxLength = value;
  if (lineEdit()) lineEdit()->setMaxLength(value > 0 ? value : 32767);
}

void TQsgCustomCombo::SetFlat(bool value) {
  if (value == FFlat) return;
  FFlat = value;
  if (FFlatParentColor && FFlat && parentWidget()) {
    Apply_Color(Parent_Background());
  } else {
    // The colour given before the combo was shown; a combo made at run time was given none but the window colour.
    Apply_Color(clWindow);
  }
  update();
}

void TQsgCustomCombo::SetEtched(bool value) {
  FEtched = value;
  update();
}

void TQsgCustomCombo::SetButtonWidth(int32_t value) {
  if (value < 14 || value > 32) return;
  FButtonWidth = value;
  update();
}

void TQsgCustomCombo::SetFocusBorder(bool value) {
  FFocusBorder = value;
  update();
}

void TQsgCustomCombo::SetDropWidth(int32_t value) {
  FDropWidth = value;
  if (value > 0) view()->setMinimumWidth(value);
}

void TQsgCustomCombo::SetIsWinXP(bool value) {
  FIsWinXP = value;
  update();
}

void TQsgCustomCombo::SetIsVista(bool value) {
  FIsVista = value;
  update();
}

void TQsgCustomCombo::SetFlatLineColor(TColor value) {
  FFlatLineColor = value;
  update();
}

void TQsgCustomCombo::SetFlatParentColor(bool value) {
  FFlatParentColor = value;
  update();
}

void TQsgCustomCombo::SetFocusBorderColor(TColor value) {
  FFocusBorderColor = value;
  update();
}

void TQsgCustomCombo::SetBorderColor(TColor value) {
  if (value == FBorderColor) return;
  FBorderColor = value;
  update();
}

void TQsgCustomCombo::SetDisabledBorder(bool value) {
  FDisabledBorder = value;
  update();
}

void TQsgCustomCombo::SetButtonColor(TColor value) {
  FButtonColor = value;
  update();
}
void TQsgCustomCombo::SetButtonColorHot(TColor value) {
  FButtonColorHot = value;
  update();
}
void TQsgCustomCombo::SetButtonColorDown(TColor value) {
  FButtonColorDown = value;
  update();
}
void TQsgCustomCombo::SetButtonBorderColor(TColor value) {
  FButtonBorderColor = value;
  update();
}
void TQsgCustomCombo::SetButtonTextColor(TColor value) {
  FButtonTextColor = value;
  update();
}
void TQsgCustomCombo::SetButtonTextColorDown(TColor value) {
  FButtonTextColorDown = value;
  update();
}

void TQsgCustomCombo::SetLabelFont(const QFont& value) {
  if (!FParentFont) FLabel.SetFont(value);
  Update_Label();
}

void TQsgCustomCombo::SetParentFont(bool value) {
  FParentFont = value;
  FLabel.SetUseControlFont(value);
}

void TQsgCustomCombo::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  setGeometry(left, top, width, height);
  Update_Label();
}

void TQsgCustomCombo::Update_Label() {
  FLabel.Update();
}

void TQsgCustomCombo::Set_Label_Bold(bool bold) {
  FLabel.SetBold(bold);
}

bool TQsgCustomCombo::Themes_In_Use() const {
  return FIsThemed && QrvXPVS().Loaded() && QrvXPVS().IsThemeActive();
}

bool TQsgCustomCombo::Active() const {
  return FMouseInControl || QApplication::focusWidget() == this;
}

bool TQsgCustomCombo::Focus_Border_Shown() const {
  return Active() && FFocusBorder;
}

bool TQsgCustomCombo::Mouse_Button_Down() const {
  return (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton)) != 0;
}

bool TQsgCustomCombo::Own_Painting() const {
  if (FIsVista && FButtonColor == clNone) return false;
  return FFlat || FButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus) ||
         (!isEnabled() && Themes_In_Use() && !FDisabledBorder);
}

void TQsgCustomCombo::paintEvent(QPaintEvent* e) {
  QComboBox::paintEvent(e);
  if (!Own_Painting()) return;
  TCanvas canvas(this);
  if (FStyle != csSimple) Draw_Button(canvas);
  Draw_Borders(canvas);
}

void TQsgCustomCombo::Draw_Button(TCanvas& canvas) {
  TRect r = Rect(width() - FButtonWidth + 2 + 1, 1, width() - 1, height() - 1);
  const bool down = Mouse_Button_Down();
  if (FButtonColor == clNone) {
    if (Themes_In_Use()) {
      QrvXPVS().DrawPart(this, QStringLiteral("combobox"), canvas, 1,
                         Themed_Drop_Button_State(isEnabled(), down, FButtonHover, FDropped), r);
    } else {
      r.Left -= 4, r.Top += 1, r.Bottom -= 1;
      DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (isEnabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
    return;
  }
  r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  Fill_Solid(canvas, r, Drop_Button_Face({FButtonColor, FButtonColorHot, FButtonColorDown}, FButtonHover, down));
  canvas.Pen().Color = FButtonBorderColor;
  canvas.Pen().Style = FButtonBorderColor == clNone ? psClear : psSolid;
  canvas.MoveTo(r.Left, r.Top);
  canvas.LineTo(r.Left, r.Bottom);
  const TColor arrow = down ? Or_Else(FButtonTextColorDown, FButtonTextColor) : FButtonTextColor;
  if (arrow == clNone) return;
  canvas.Pen().Style = psSolid;
  canvas.Pen().Color = arrow;
  canvas.Brush().Color = arrow;
  canvas.Polygon({Point(r.Left + 4, r.Top + 7), Point(r.Left + 10, r.Top + 7), Point(r.Left + 7, r.Top + 10)});
}

void TQsgCustomCombo::Draw_Borders(TCanvas& canvas) {
  if ((isEnabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) ||
      (FIsVista && FBorderColor == clNone)) {
    return;
  }
  Draw_Border(canvas);
  if (FStyle != csSimple && (!FIsWinXP || !Themes_In_Use())) Draw_Button_Face(canvas);
}

void TQsgCustomCombo::Draw_Border(TCanvas& canvas) {
  const TEditorBorderLook look{.Enabled = isEnabled(),
                               .Themed = FIsThemed,
                               .DisabledBorder = FDisabledBorder,
                               .HasFocus = FHasFocus,
                               .FocusBorderShown = Focus_Border_Shown(),
                               .BorderColor = FBorderColor,
                               .FocusBorderColor = FFocusBorderColor,
                               .ParentColor = Parent_Background(),
                               .InnerColor = FColor,
                               .ButtonWidth = FButtonWidth};
  if (!Draw_Editor_Border(canvas, width(), height(), look)) return;
  // The flat combo's underline, under the text part only.
  if (FFlat && FFlatLineColor != clNone) {
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = FFlatLineColor;
    canvas.MoveTo(0, height() - 1);
    canvas.LineTo(width() - 3 - FButtonWidth, height() - 1);
  }
}

void TQsgCustomCombo::Draw_Button_Face(TCanvas& canvas) {
  if (Active()) return;
  Fill_Around_Arrow(canvas, Rect(width() - FButtonWidth, 3, width() - 3, height() - 3),
                    Rect(width() - FButtonWidth + 4, 4, width() - 4, height() - 4));
}

void TQsgCustomCombo::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  if (e->reason() == Qt::PopupFocusReason || FHasFocus) return;
  FHasFocus = true;
  if (FFocusColor != clNone) Apply_Color(FFocusColor);
  if (FFocusLabel) Set_Label_Bold(true);
  update();
  if (OnEnter) OnEnter(this);
}

bool TQsgCustomCombo::Focus_Inside() const {
  return Widget_Within(QApplication::focusWidget(), this);
}

void TQsgCustomCombo::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason || !FHasFocus || Focus_Inside()) return;
  FHasFocus = false;
  if (FFocusColor != clNone && FNormalColor != clNone) Apply_Color(FNormalColor);
  if (FFocusLabel) Set_Label_Bold(false);
  update();
  if (OnExit) OnExit(this);
}

void TQsgCustomCombo::Mouse_Entered() {
  if (isEnabled()) {
    FMouseInControl = true;
    update();
  }
  if (FAutoFocus) {
    QWidget* form = window();
    if (form == this || form->isActiveWindow()) setFocus(Qt::MouseFocusReason);
  }
  if (OnMouseEnter) OnMouseEnter(this);
}

void TQsgCustomCombo::Mouse_Left() {
  if (isEnabled()) FMouseInControl = false;
  FButtonHover = false;
  update();
  if (OnMouseLeave) OnMouseLeave(this);
}

void TQsgCustomCombo::mouseMoveEvent(QMouseEvent* e) {
  const int x = int(e->position().x());
  const bool hover = width() - FButtonWidth < x && x < width();
  if (hover != FButtonHover) {
    FButtonHover = hover;
    update();
  }
  QComboBox::mouseMoveEvent(e);
}

bool TQsgCustomCombo::Guarded_Event(QEvent* e) {
  switch (e->type()) {
    case QEvent::Enter:
      Mouse_Entered();
      break;
    case QEvent::Leave:
      Mouse_Left();
      break;
    case QEvent::ParentChange:
    case QEvent::FontChange:
      FLabel.Follow(*e);
      break;
    default:
      break;
  }
  return QComboBox::event(e);
}

void TQsgCustomCombo::moveEvent(QMoveEvent* e) {
  QComboBox::moveEvent(e);
  Update_Label();
}

void TQsgCustomCombo::resizeEvent(QResizeEvent* e) {
  QComboBox::resizeEvent(e);
  Update_Label();
}

void TQsgCustomCombo::showPopup() {
  if (OnDropDown) OnDropDown(this);
  if (FDropWidth > 0) view()->setMinimumWidth(FDropWidth);
  QComboBox::showPopup();
  FDropped = true;
  update(width() - FButtonWidth, 0, FButtonWidth, height());
}

void TQsgCustomCombo::hidePopup() {
  QComboBox::hidePopup();
  if (!FDropped) return;
  FDropped = false;
  update(width() - FButtonWidth, 0, FButtonWidth, height());
  if (OnDropUp) OnDropUp(this);
}
