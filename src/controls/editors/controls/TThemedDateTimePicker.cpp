#include "TThemedDateTimePicker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "QrvStyleIF.h"
#include "UCanvas.h"
#include "UEditorFrame.h"
#include "UFrameControl.h"
#include "USysColors.h"
#include "UThemeBinding.h"

namespace {

void Shrink(TRect& r, int32_t by) {
  r = Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

}  // namespace

int32_t DefaultButtonWidth(const QStyle* style) {
  // The desktop's drop button is as wide as a vertical scroll bar, plus 2; the toolkit's style draws its own width,
  // and the own button must cover it.
  QStyleOptionComboBox option;
  option.rect = QRect(0, 0, 200, 24);
  option.editable = true;
  const int32_t drawn = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow).width();
  return std::max(style->pixelMetric(QStyle::PM_ScrollBarExtent) + 2, drawn);
}

TThemedDateTimePicker::TThemedDateTimePicker(QWidget* parent) : TDateTimePicker(parent) {
  FButtonWidth = DefaultButtonWidth(style());
  FIsWinXP = IsWinXpOrLater();
  FIsThemed = ComCtlMajorVersion > 5;
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
}

void TThemedDateTimePicker::SetBorderStyle(TBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  update();
}

void TThemedDateTimePicker::SetBorderColor(TColor value) {
  if (FBorderColor == value) return;
  FBorderColor = value;
  update();
}

void TThemedDateTimePicker::SetFocusBorderColor(TColor value) {
  FFocusBorderColor = value;
  update();
}

void TThemedDateTimePicker::SetMetroStyle(bool value) {
  if (FMetroStyle == value) return;
  FMetroStyle = value;
  update();
}

void TThemedDateTimePicker::SetFocusBorder(bool value) {
  FFocusBorder = value;
  update();
}

void TThemedDateTimePicker::SetDisabledBorder(bool value) {
  FDisabledBorder = value;
  update();
}

void TThemedDateTimePicker::SetButtonWidth(int32_t value) {
  FButtonWidth = value;
  update();
}

bool TThemedDateTimePicker::ThemesInUse() const {
  return FIsThemed && QrvXPVS().IsThemeActive();
}

bool TThemedDateTimePicker::MouseButtonDown() {
  return QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
}

bool TThemedDateTimePicker::FocusBorderShown() const {
  return (FMouseInControl || QApplication::focusWidget() == this) && FFocusBorder;
}

bool TThemedDateTimePicker::Active() const {
  return FMouseInControl || (QApplication::focusWidget() && isAncestorOf(QApplication::focusWidget())) ||
         QApplication::focusWidget() == this;
}

TColor TThemedDateTimePicker::ParentColor() const {
  return parentWidget() ? QColorToTColor(parentWidget()->palette().color(parentWidget()->backgroundRole()))
                        : clBtnFace;
}

void TThemedDateTimePicker::DrawFlatOutline(TCanvas& canvas, bool secondInside) {
  const int32_t w = width();
  const int32_t h = height();
  canvas.Pen().Color = FBorderStyle == bsNone && parentWidget() ? ParentColor()
                       : FIsThemed                              ? Themed_Disabled_Border
                                                                : FBorderColor;
  canvas.Polyline({Point(0, h), Point(0, 0), Point(w - 1, 0), Point(w - 1, h - 1), Point(0, h - 1)});
  if (secondInside)
    canvas.Polyline({Point(1, h), Point(1, 1), Point(w - 2, 1), Point(w - 2, h - 2), Point(0, h - 2)});
}

void TThemedDateTimePicker::DrawButton(TCanvas& canvas) {
  TRect r = Rect(ClientWidth() - FButtonWidth + 2, 0, width(), height());
  Shrink(r, 1);
  if (FButtonColor != clNone) {
    canvas.Brush().Color =
        Drop_Button_Face({FButtonColor, FButtonColorHot, FButtonColorDown}, FButtonHover, MouseButtonDown());
    canvas.FillRect(Rect(r.Left + 2, r.Top, r.Right, r.Bottom));
    canvas.Pen().Color = FButtonBorderColor;
    canvas.MoveTo(r.Left, r.Top);
    canvas.LineTo(r.Left, r.Bottom);
    const TColor arrow = MouseButtonDown() ? Or_Else(FButtonTextColorDown, FButtonTextColor) : FButtonTextColor;
    canvas.Pen().Color = arrow;
    canvas.Brush().Color = arrow;
    canvas.Polygon({Point(r.Left + 5, r.Top + 7), Point(r.Left + 11, r.Top + 7), Point(r.Left + 8, r.Top + 10)});
  } else if (ThemesInUse()) {
    QrvXPVS().DrawPart(this, QStringLiteral("combobox"), canvas, 1,
                       Themed_Drop_Button_State(isEnabled(), MouseButtonDown(), FButtonHover, DroppedDown()), r);
  } else {
    DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (isEnabled() ? DFCS_FLAT : DFCS_INACTIVE));
  }
}

void TThemedDateTimePicker::DrawBorders(TCanvas& canvas) {
  if (!CustomLookActive() || BordersSuppressed()) return;
  if (isEnabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  DrawBorder(canvas);
  if (!FIsWinXP || !ThemesInUse()) DrawButtonFace(canvas);
}

void TThemedDateTimePicker::DrawBorder(TCanvas& canvas) {
  const TEditorBorderLook look{.Enabled = isEnabled(),
                               .Themed = FIsThemed,
                               .DisabledBorder = FDisabledBorder,
                               .HasFocus = FHasFocus,
                               .FocusBorderShown = FocusBorderShown(),
                               .BorderColor = FBorderColor,
                               .FocusBorderColor = FFocusBorderColor,
                               .ParentColor = ParentColor(),
                               .InnerColor = Color(),
                               .ButtonWidth = FButtonWidth};
  Draw_Editor_Border(canvas, width(), height(), look);
}

void TThemedDateTimePicker::DrawButtonFace(TCanvas& canvas) {
  // The arrow stays as the desktop painted it: only the band around it is drawn, or while active a raised edge.
  TRect r = Rect(ClientWidth() - FButtonWidth - 2, 0, width(), height());
  Shrink(r, 2);
  if (Active()) {
    if (DroppedDown()) {
      Frame_Solid(canvas, r, clBtnShadow);
    } else {
      Edge_Ring(canvas, r, cl3DLight, cl3DDkShadow);
      Edge_Ring(canvas, r, clBtnHighlight, clBtnShadow);
    }
    return;
  }
  Fill_Around_Arrow(canvas, Rect(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1),
                    Rect(ClientWidth() - FButtonWidth + 4, 4, ClientWidth() - 4, ClientHeight() - 4));
}

void TThemedDateTimePicker::PaintLook(TCanvas& canvas) {
  // In place of the desktop's border: the flat frame, and the own borders where they apply.
  if (!Ctl3D() && FlatFrameWanted()) {
    DrawFlatOutline(canvas, false);
    if (parentWidget()) {
      canvas.Pen().Color = ParentColor();
      canvas.Polyline({Point(1, height() - 2), Point(1, 1), Point(width() - 1, 1)});
    }
  }
  const bool bordersForState = (!isEnabled() && ThemesInUse() && !FDisabledBorder) ||
                               (FFocusBorderColor != clNone && hasFocus()) || FBorderColor != clNone;
  if (bordersForState) DrawBorders(canvas);
  if ((Ctl3D() && !CustomLookActive()) || !HasVistaApi()) return;
  if (CustomLookActive() && PickerKind() == dtkDate && HasComCtl6()) {
    canvas.Brush().Color = Color();
    if (ThemesInUse())
      canvas.FillRect(Rect(ClientWidth() - FButtonWidth - ThemedFillOffset(), 1, ClientWidth(), height()));
    else
      canvas.FillRect(Rect(ClientWidth() - FButtonWidth - 2, 4, ClientWidth() - 2, height() - 4));
    DrawButton(canvas);
  }
  PaintAfterFrame(canvas);
  DrawBorders(canvas);
}

bool TThemedDateTimePicker::Guarded_Event(QEvent* e) {
  switch (e->type()) {
    case QEvent::FocusIn:
      FHasFocus = true;
      update();
      break;
    case QEvent::FocusOut:
      FHasFocus = false;
      update();
      break;
    case QEvent::Enter:
      if (isEnabled()) FMouseInControl = true;
      update();
      break;
    case QEvent::Leave:
      if (isEnabled()) FMouseInControl = false;
      FButtonHover = false;
      update();
      break;
    default:
      break;
  }
  return TDateTimePicker::Guarded_Event(e);
}

void TThemedDateTimePicker::mouseMoveEvent(QMouseEvent* e) {
  const int32_t x = e->position().toPoint().x();
  const bool hover = width() - FButtonWidth < x && x < width();
  if (hover != FButtonHover) {
    FButtonHover = hover;
    update();
  }
  TDateTimePicker::mouseMoveEvent(e);
}
