#include "LbButton.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "LbButtonGlyphs.h"
#include "UAccelerator.h"
#include "UCanvas.h"
#include "USysColors.h"
#include "UTextLayout.h"

namespace {

bool Is_Enter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool Is_Press_Key(int key) {
  return Is_Enter(key) || key == Qt::Key_Space;
}

struct TKindPreset {
  TModalResult Result;
  const char16_t* Caption;
};

TKindPreset Kind_Preset(TLbButtonKind kind) {
  switch (kind) {
    case bkOK:
      return {mrOk, u"OK"};
    case bkCancel:
      return {mrCancel, u"Abbrechen"};
    case bkHelp:
      return {mrNone, u"Hilfe"};
    case bkYes:
      return {mrYes, u"Ja"};
    case bkNo:
      return {mrNo, u"Nein"};
    case bkClose:
      return {mrNone, u"Schließen"};
    case bkAbort:
      return {mrAbort, u"Abbrechen"};
    case bkRetry:
      return {mrRetry, u"Wiederholen"};
    case bkIgnore:
      return {mrIgnore, u"Ignorieren"};
    case bkAll:
      return {mrAll, u"Alle"};
    case bkCustom:
      break;
  }
  return {mrNone, u""};
}

// The font of a window as the button's own font type.
TFont Font_Of(const QFont& font) {
  TFont f;
  f.Name = font.family();
  f.Height = -(font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96.0 / 72.0));
  f.Style = {};
  if (font.bold()) f.Style |= fsBold;
  if (font.italic()) f.Style |= fsItalic;
  if (font.underline()) f.Style |= fsUnderline;
  if (font.strikeOut()) f.Style |= fsStrikeOut;
  return f;
}

}  // namespace

TLbButton::TLbButton(QWidget* parent) : TGuarded(parent) {
  resize(100, 23);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover, false);
  if (parent) FHTFont = Font_Of(parent->window()->font());
  FThread = std::make_unique<TLbButtonThread>([this] { FadeStep(); });
}

TLbButton::~TLbButton() {
  FDestroying = true;
  Stop_Thread();
}

void TLbButton::Stop_Thread() {
  FThread.reset();
}

void TLbButton::SetAlignment(TAlignment value) {
  FAlignment = value;
  update();
}

void TLbButton::SetCaption(const QString& value) {
  FCaption = value;
  setAccessibleName(Strip_Prefix(value, nullptr));
  FShortcutId = GrabAccelerator(this, FShortcutId, value);
  update();
}

bool TLbButton::Guarded_Event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->shortcutId() == FShortcutId) {
    // Through the window, so that the first button with this accelerator takes it, as for a typed character.
    Offer_Dialog_Char(window(), AcceleratorOf(FCaption));
    return true;
  }
  const bool handled = TGuarded::Guarded_Event(event);
  // A modal window opening over this one takes the mouse and the keys: a release or a leave may never come here.
  if (event->type() == QEvent::WindowBlocked) Drop_States();
  if (event->type() == QEvent::WindowUnblocked) Refresh_Hot();
  return handled;
}

void TLbButton::SetColor(TColor value) {
  FColor = value;
  update();
}

void TLbButton::SetColorStyle(TLbColorStyle value) {
  if (value == lcsCustom) return;
  const TLbColorPreset preset = ColorStylePreset(value);
  FLightColor = preset.LightColor;
  FShadowColor = preset.ShadowColor;
  FColorWhenDown = preset.ColorWhenDown;
  FHotTrackColor = preset.HotTrackColor;
  FFlat = preset.Flat;
  // The style is written past its setter: the window keeps the transparency it had.
  if (preset.Modern)
    FStyle = bsModern;
  else if (preset.Quicken)
    FStyle = bsQuicken;
  else
    FStyle = bsNormal;
  FColor = preset.Color;
  FFont.Color = preset.FontColor;
  update();
}

void TLbButton::SetEnabled(bool value) {
  setEnabled(value);
  // Also when the value does not change: writing it always ends a press under way.
  FEnabled = value;
  bDown = false;
  update();
}

void TLbButton::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    FEnabled = !testAttribute(Qt::WA_ForceDisabled);
    bDown = false;
    FMouseHeld = false;
    FKeyHeld = false;
    // A disabled button gets no leave event, and one enabled under the mouse no enter event.
    Refresh_Hot();
  }
}

void TLbButton::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown again (the button or its window): the mouse may be anywhere by now.
  Refresh_Hot();
}

void TLbButton::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // A window closing under the mouse sends no leave event; without this it would come back hot or pressed.
  Drop_States();
}

bool TLbButton::Mouse_Really_Over() const {
  if (!isVisible() || !isEnabled() || !Parent_Showing()) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != window()) return false;
  // By geometry: a window being shown is not mapped yet, so the platform cannot name the widget under the mouse.
  return rect().contains(mapFromGlobal(QCursor::pos()));
}

bool TLbButton::Press_Still_Held() const {
  return FKeyHeld || (FMouseHeld && (QGuiApplication::mouseButtons() & Qt::LeftButton));
}

void TLbButton::Drop_States() {
  bDown = false;
  FMouseHeld = false;
  FKeyHeld = false;
  bCursorOnButton = false;
  FHotTrackStep = 0;
  if (FThread && !FThread->Suspended()) FThread->Suspend();
  update();
}

void TLbButton::Refresh_Hot() {
  if (!Mouse_Really_Over()) {
    const bool down = bDown && Press_Still_Held();
    const bool mouse_held = FMouseHeld && down;
    const bool key_held = FKeyHeld;
    Drop_States();
    // Only the hot look goes; a press under way stays.
    bDown = down;
    FMouseHeld = mouse_held;
    FKeyHeld = key_held;
    return;
  }
  bCursorOnButton = true;
  FHotTrackStep = 8;
  if (FThread && !FThread->Suspended()) FThread->Suspend();
  update();
}

void TLbButton::SetFlat(bool value) {
  FFlat = value;
  update();
}

void TLbButton::SetFont(const TFont& value) {
  FFont = value;
  update();
}

void TLbButton::SetGlyph(const TBitmap& value) {
  FGlyph = value;
  FNumGlyphs = FGlyph.Height() > 0 ? FGlyph.Width() / FGlyph.Height() : 0;
  FKind = bkCustom;
  update();
}

void TLbButton::SetHint(const QString& value) {
  FHint = value;
  setToolTip(FShowHint ? value : QString());
}

void TLbButton::SetShowHint(bool value) {
  FShowHint = value;
  setToolTip(FShowHint ? FHint : QString());
}

void TLbButton::SetKind(TLbButtonKind value) {
  if (value != bkCustom) {
    FNumGlyphs = 2;
    const TKindPreset preset = Kind_Preset(value);
    SetModalResult(preset.Result);
    FGlyph = Kind_Glyph(value);
    SetCaption(QString::fromUtf16(preset.Caption));
  }
  FKind = value;
  update();
}

void TLbButton::SetLayout(TLbButtonLayout value) {
  FLayout = value;
  update();
}

void TLbButton::SetLightColor(TColor value) {
  FLightColor = value;
  update();
}

void TLbButton::SetModalResult(TModalResult value) {
  FModalResult = value;
  FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int32_t value) {
  FNumGlyphs = value;
  update();
}

void TLbButton::SetPopupMenu(QMenu* menu) {
  FPopupMenu = menu;
  update();
}

void TLbButton::SetShadowColor(TColor value) {
  FShadowColor = value;
  update();
}

void TLbButton::SetSlowDecease(bool value) {
  FSlowDecease = value;
  if (value && !FThread) {
    FThread = std::make_unique<TLbButtonThread>([this] { FadeStep(); });
  } else if (!value && FThread) {
    FHotTrackStep = 0;
    Stop_Thread();
  }
  update();
}

void TLbButton::SetStyle(TLbButtonStyle value) {
  FStyle = value;
  FTransparentWindow = value == bsModern || value == bsShape || value == bsQuicken;
  update();
}

void TLbButton::SetWordWrap(bool value) {
  FWordWrap = value;
  update();
}

bool TLbButton::Parent_Showing() const {
  return parentWidget() == nullptr || parentWidget()->isVisible();
}

bool TLbButton::Hot() const {
  return bCursorOnButton || hasFocus();
}

void TLbButton::Click() {
  bDown = true;
  ClickAction();
  // A click the button refused (hidden or disabled) must not leave it looking pressed.
  bDown = false;
}

void TLbButton::ClickAction() {
  if (isHidden() || !isEnabled() || !bDown) return;
  bDown = false;
  update();
  if (OnClick) OnClick();
  if (FModalResult != mrNone) {
    if (auto* form = qobject_cast<QDialog*>(window())) form->done(FModalResult);
  }
  if (FPopupMenu) FPopupMenu->popup(mapToGlobal(QPoint(0, height())));
}

bool TLbButton::DialogKey(int key, Qt::KeyboardModifiers modifiers) {
  const bool noShift = !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
  const bool takes =
      (Is_Enter(key) && FDefault) || (key == Qt::Key_Escape && FCancel && noShift && !isHidden() && isEnabled());
  if (!takes) return false;
  if (QWidget* focused = window()->focusWidget()) {
    // A focused button answers the key itself.
    const QString name = QString::fromLatin1(focused->metaObject()->className()).toUpper();
    if (name.contains(u"BUTTON") && !name.contains(u"RADIOBUTTON")) return false;
  }
  bDown = true;
  Click();
  return true;
}

bool TLbButton::DialogChar(QChar c) {
  const QChar accelerator = AcceleratorOf(FCaption);
  if (accelerator.isNull() || accelerator != c.toUpper()) return false;
  if (isHidden() || !isEnabled() || !Parent_Showing()) return false;
  bDown = true;
  Click();
  return true;
}

void TLbButton::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (isEnabled() && event->button() == Qt::LeftButton) {
    bDown = true;
    FMouseHeld = true;
    setFocus(Qt::MouseFocusReason);
    update();
  }
  event->accept();
}

void TLbButton::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) FMouseHeld = false;
  // The mouse is held by the button while pressed, so a release outside still clicks.
  if (bDown) Click();
  bDown = false;
  update();
  event->accept();
}

void TLbButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!isEnabled() || isHidden() || !Parent_Showing()) return;
  bCursorOnButton = true;
  FHotTrackStep = 8;
  update();
  if (OnMouseEnter) OnMouseEnter();
}

void TLbButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  // A press whose release went elsewhere (a window took the mouse meanwhile) ends here; a held one goes on, so
  // that a release outside still clicks.
  if (bDown && !Press_Still_Held()) {
    bDown = false;
    FMouseHeld = false;
  }
  Mouse_Left();
}

void TLbButton::Mouse_Left() {
  bCursorOnButton = false;
  if (FSlowDecease) {
    if (FThread && FThread->Suspended()) FThread->Resume();
  } else {
    FHotTrackStep = 0;
    update();
  }
  if (isEnabled() && !isHidden() && Parent_Showing() && OnMouseExit) OnMouseExit();
}

void TLbButton::FadeStep() {
  if (FDestroying) return;
  --FHotTrackStep;
  if (FHotTrackStep <= 0) {
    if (FThread && !FThread->Suspended()) FThread->Suspend();
    FHotTrackStep = 0;
  }
  update();
}

void TLbButton::keyPressEvent(QKeyEvent* event) {
  if (isEnabled() && Is_Press_Key(event->key())) {
    bDown = true;
    FKeyHeld = true;
    update();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TLbButton::keyReleaseEvent(QKeyEvent* event) {
  if (Is_Press_Key(event->key()) && !event->isAutoRepeat()) {
    // Only a key pressed on this button clicks it: a release left over from a key that opened the window
    // must not.
    if (FKeyHeld) Click();
    FKeyHeld = false;
    update();
    event->accept();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TLbButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TLbButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // Whatever took the focus (another control, a modal window) now gets the keys and, for a window, the mouse.
  bDown = false;
  FKeyHeld = false;
  FMouseHeld = false;
  Refresh_Hot();
}

TLbFaceState TLbButton::FaceState() const {
  TLbFaceState s;
  s.Alignment = FAlignment;
  s.Caption = FCaption;
  s.Layout = FLayout;
  s.Font = (Hot() && FUseHTFont) ? FHTFont : FFont;
  s.ShadowColor = FShadowColor;
  s.LightColor = FLightColor;
  s.HotTrackColor = FHotTrackColor;
  s.ColorWhenDown = FColorWhenDown;
  s.Color = FColor;
  s.Style = FStyle;
  s.HasPopupMenu = !FPopupMenu.isNull();
  s.WordWrap = FWordWrap;
  s.Flat = FFlat;
  s.Enabled = FEnabled;
  s.Hot = Hot();
  s.Pressed = bDown;
  s.Glyph = &FGlyph;
  s.NumGlyphs = FNumGlyphs;
  s.HotTrackStep = FHotTrackStep;
  return s;
}

TBitmap TLbButton::PaintFace() {
  const int32_t w = width(), h = height();
  TBitmap face(w, h);
  TCanvas& canvas = face.Canvas();
  TLbFaceState state = FaceState();
  if (FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken) {
    canvas.Brush().Color = clFuchsia;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(Rect(0, 0, w, h));
    face.SetTransparentColor(clFuchsia);
    face.SetTransparent(true);
  }
  if (FStyle == bsOld && hasFocus()) {
    if (bDown) state.LightColor = FShadowColor;
    PaintLbButtonFace(canvas, w - 2, h - 2, state);
    canvas.Draw(1, 1, face);
    canvas.Pen() = TPen();
    canvas.Pen().Color = clBlack;
    canvas.Brush().Style = bsClear;
    canvas.Rectangle(0, 0, w, h);
  } else {
    PaintLbButtonFace(canvas, w, h, state);
  }
  if (hasFocus() && FEnabled && FStyle != bsShape) canvas.DrawFocusRect(Rect(4, 4, w - 4, h - 4));
  canvas.Release();
  return face;
}

void TLbButton::paintEvent(QPaintEvent*) {
  const TBitmap face = PaintFace();
  QPainter painter(this);
  // Without the transparent window style the magenta corners show the erased background, as on the desktop.
  if (!FTransparentWindow) painter.fillRect(rect(), TColorToQColor(FColor));
  painter.drawImage(QPoint(0, 0), face.MaskedImage());
}

bool Offer_Dialog_Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
  for (TLbButton* button : window->findChildren<TLbButton*>()) {
    if (button->window() == window && button->DialogKey(key, modifiers)) return true;
  }
  return false;
}

bool Offer_Dialog_Char(QWidget* window, QChar c) {
  for (TLbButton* button : window->findChildren<TLbButton*>()) {
    if (button->window() == window && button->DialogChar(c)) return true;
  }
  return false;
}
