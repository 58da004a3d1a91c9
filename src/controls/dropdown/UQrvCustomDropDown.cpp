#include "UQrvCustomDropDown.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "UCanvas.h"
#include "UDropDownEditButton.h"
#include "UDropDownForm.h"
#include "UFormatSettings.h"
#include "USysColors.h"
#include "UTextFlags.h"
#include "UValueText.h"

namespace {

std::function<uint32_t()>& Tick_Source() {
  static std::function<uint32_t()> source;
  return source;
}

bool Is_Digit(QChar ch) {
  return ch >= u'0' && ch <= u'9';
}

bool Is_Number_Type(TDropDownEditType t) {
  return t == etNumeric || t == etFloat || t == etMoney;
}

}  // namespace

uint32_t DropDown_Tick_Count() {
  if (Tick_Source()) return Tick_Source()();
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return uint32_t(clock.elapsed());
}

void Set_DropDown_Tick_Source(std::function<uint32_t()> source) {
  Tick_Source() = std::move(source);
}

TQrvCustomDropDown::TQrvCustomDropDown(QWidget* parent) : TGuarded<QLineEdit>(parent) {
  resize(200, 21);
  FDropDownForm = new TDropDownForm(*this);
  FDropDownForm->resize(std::max(FDropDownWidth, 1), std::max(FDropDownHeight, 1));
  FDropDownForm->OnSizing = [this] { PopupSizing(); };
  FButton = new TDropDownEditButton(this);
  FButton->SetButtonWidth(FButtonWidth);
  FButton->OnClick = [this] { ButtonClick(); };
  FLabel.OnClick = [this] {
    if (OnLabelClick) OnLabelClick(this);
  };
  FLabel.OnDblClick = [this] {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (FBlockChange) {
      FBlockChange = false;
      return;
    }
    if (OnChange) OnChange(this);
  });
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
  AdjustHeight();
}

TQrvCustomDropDown::~TQrvCustomDropDown() {
  // The popup is a child window: its hide on the way out is no loss of activation.
  FDropDownForm->SetClosing(true);
}

QString TQrvCustomDropDown::Text() const {
  return ValueOfDisplay(text(), Prefix, Suffix);
}

void TQrvCustomDropDown::SetEditValue(const QString& value) {
  const QString shown = FormatEditValue(value, FEditType, FPrecision);
  setText(Prefix + shown + Suffix);
  FOldText = shown;
  SetModified(false);
}

void TQrvCustomDropDown::SetFloatValue(double value) {
  const QString text = FloatText(value, FEditType, FPrecision);
  if (!text.isEmpty()) SetEditValue(text);
  if (FEditType == etMoney) FormatMoney();
  SetModified(true);
}

void TQrvCustomDropDown::SetIntValue(int32_t value) {
  if (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney || FEditType == etHex)
    SetEditValue(IntText(value, FEditType));
  if (FEditType == etMoney) FormatMoney();
  SetModified(true);
}

void TQrvCustomDropDown::FormatMoney() {
  const QString t = Text();
  if (t.isEmpty()) return;
  const int32_t before = int32_t(t.size()), start = cursorPosition();
  const QString shown = Prefix + MoneyText(t, AutoThousandSeparator) + Suffix;
  FBlockChange = text() != shown;
  setText(shown);
  setCursorPosition(std::max(0, start + int32_t(Text().size()) - before));
}

void TQrvCustomDropDown::SetEditType(TDropDownEditType value) {
  if (value == FEditType) return;
  FEditType = value;
  setEchoMode(value == etPassword ? QLineEdit::Password : QLineEdit::Normal);
  if (value == etPassword) FCanUndo = false;
  const int32_t type = NumberType(Text());
  if (value == etNumeric && type != numInteger) SetIntValue(0);
  if ((value == etFloat || value == etMoney) && type > numFloat) SetFloatValue(0);
  if (value == etHex && type != numInteger && type != numHex) SetIntValue(0);
}

void TQrvCustomDropDown::SetPrecision(int32_t value) {
  if (value == FPrecision || (FEditType != etString && FEditType != etFloat && FEditType != etMoney)) return;
  FPrecision = value;
  SetFloatValue(NumberType(Text()) > numFloat ? 0 : GetFloatValue());
}

void TQrvCustomDropDown::SetModified(bool value) {
  if (!FEditorEnabled || isReadOnly()) return;
  setModified(value);
  FIsModified = value;
}

void TQrvCustomDropDown::SelectAll() {
  const int32_t v = int32_t(Prefix.size());
  if (Prefix.isEmpty() && Suffix.isEmpty())
    setSelection(0, int32_t(Text().size()));
  else
    setSelection(v, int32_t(Text().size()));
}

void TQrvCustomDropDown::SelectAfterDecimal() {
  const int32_t p = int32_t(Text().indexOf(FormatSettings().DecimalSeparator)) + 1;
  setCursorPosition(int32_t(Prefix.size()) + (p >= 1 ? p : 0));
}

void TQrvCustomDropDown::SelectBeforeDecimal() {
  const int32_t p = int32_t(Text().indexOf(FormatSettings().DecimalSeparator)) + 1;
  setCursorPosition(int32_t(Prefix.size()) + (p >= 1 ? p - 1 : 0));
}

void TQrvCustomDropDown::SetControl(QWidget* value) {
  if (value == FControl) return;
  FControl = value;
  PlaceDropDownControl();
}

void TQrvCustomDropDown::SetBorderColor(TColor value) {
  FBorderColor = value;
  FButton->LineColor = value;
  update();
  FButton->update();
}

void TQrvCustomDropDown::SetDisabledBorder(bool value) {
  if (value == FDisabledBorder) return;
  FDisabledBorder = value;
  update();
}

void TQrvCustomDropDown::SetDropDownWidth(int32_t value) {
  if (value != FDropDownWidth) FUserDropDownWidth = -1;
  FDropDownWidth = value;
}

void TQrvCustomDropDown::SetDropDownHeight(int32_t value) {
  if (value != FDropDownHeight) FUserDropDownHeight = -1;
  FDropDownHeight = value;
}

void TQrvCustomDropDown::SetDropDownButtonWidth(int32_t value) {
  if (value == FButtonWidth) return;
  FButtonWidth = value;
  FButton->SetButtonWidth(value);
  AdjustHeight();
}

void TQrvCustomDropDown::SetDropDownButtonHint(const QString& value) {
  if (value == FButtonHint) return;
  FButtonHint = value;
  FButton->setToolTip(value);
}

void TQrvCustomDropDown::SetEditorEnabled(bool value) {
  FEditorEnabled = value;
  setReadOnly(false);
  // Typing off: the value shows as a highlighted box and a press opens the popup.
  setCursor(value ? Qt::IBeamCursor : Qt::ArrowCursor);
  update();
}

QString TQrvCustomDropDown::Version() const {
  const uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TQrvCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle value) {
  FSelectionColorStyle = value;
  SelectionColors(value, SelectionColor, SelectionColorTo);
}

void TQrvCustomDropDown::SetComponentStyle(TVyxStyle style) {
  FVyxStyle = style;
  ApplyDropDownStyle(style, {FDropDownColor, FDropDownColorTo, FDropDownBorderColor, FDropDownHeader, FDropDownFooter,
                             FButtonAppearance});
  if (FDropDownForm) FDropDownForm->update();
}

void TQrvCustomDropDown::SetColorTones(const TColorTones& tones) {
  FButton->FButtonColor = tones.Background.BrushColor;
  FButton->FButtonColorHot = tones.Hover.BrushColor;
  FButton->FButtonColorDown = tones.Selected.BrushColor;
  FButton->FButtonBorderColor = tones.Background.BorderColor;
  SetBorderColor(tones.Background.BorderColor);
}

// ---- geometry

void TQrvCustomDropDown::SetEditRect() {
  setTextMargins(0, 0, FButtonWidth + 1, 0);
}

void TQrvCustomDropDown::AdjustHeight() {
  const QFontMetrics own(font()), screen(QApplication::font());
  const int32_t minimum = own.height() + std::min(own.height(), screen.height()) / 4;
  if (height() < minimum) {
    resize(width(), minimum);
    return;
  }
  // Inside the two-pixel frame, as the edit's client area.
  FButton->SetBounds(width() - FButtonWidth - 2, 2, FButtonWidth, height() - 4);
  SetEditRect();
  update();
}

void TQrvCustomDropDown::resizeEvent(QResizeEvent* e) {
  TGuarded<QLineEdit>::resizeEvent(e);
  AdjustHeight();
}

// ---- popup

void TQrvCustomDropDown::BeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TQrvCustomDropDown::SizeDropDownForm() {
  const bool control = FControl && !FControl->isHidden();
  const int32_t w = FDropDownWidth > 0 ? FDropDownWidth : control ? FControl->width() : width();
  const int32_t h =
      FDropDownHeight > 0 ? FDropDownHeight : 2 * FDropDownBorderWidth + (control ? FControl->height() : 0);
  FDropDownForm->resize(w, h);
}

void TQrvCustomDropDown::PlaceDropDownControl() {
  if (!FControl) return;
  if (FControl->parentWidget() != FDropDownForm) FControl->setParent(FDropDownForm);
  const int32_t bw = FDropDownBorderWidth;
  FControl->move(bw, bw);
  // The control keeps its own size while closed: that size sizes the popup at the next opening.
  if (FDroppedDown)
    FControl->resize(std::max(0, FDropDownForm->width() - 2 * bw), std::max(0, FDropDownForm->height() - 2 * bw));
}

void TQrvCustomDropDown::FocusDropDownControl() {
  if (FControl && FControl->focusPolicy() != Qt::NoFocus && !FControl->hasFocus()) FControl->setFocus();
}

void TQrvCustomDropDown::ShowPopup() {
  if (FDropDownForm->isVisible() || !isEnabled() || isReadOnly()) return;
  SaveOpeningValue();
  BeforeDropDown();
  FDropDownForm->SetShadow(FDropDownShadow);
  FDropDownForm->SetSizeable(FDropDownSizeable);
  SizeDropDownForm();
  FDropDownForm->setMinimumSize(80, 50);
  if (FControl) FControl->installEventFilter(this);
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  QRect place(origin, FDropDownForm->size());
  const QScreen* primary = QGuiApplication::primaryScreen();
  const bool down =
      FDropPosition == dpDown ||
      (FDropPosition == dpAuto && (!primary || origin.y() + place.height() < primary->geometry().height()));
  place.moveTop(down ? origin.y() + height() - 1 : origin.y() - place.height());
  bool accept = true;
  if (OnDropDown) OnDropDown(this, accept);
  if (!accept) {
    FDropDownForm->move(place.topLeft());
    return;
  }
  const QScreen* screen = QGuiApplication::screenAt(origin);
  if (!screen) screen = primary;
  if (screen) {
    const QRect work = screen->availableGeometry();
    const int32_t workRight = work.left() + work.width();
    if (work.left() >= 0 && place.left() + place.width() > workRight && place.left() >= work.left() &&
        place.left() < workRight)
      place.moveLeft(workRight - place.width());
  }
  if (FUserDropDownWidth != -1) place.setWidth(FUserDropDownWidth);
  if (FUserDropDownHeight != -1) place.setHeight(FUserDropDownHeight);
  int32_t h = place.height();
  AdjustDropDownHeight(h);
  place.setHeight(h);
  FDroppedDown = true;
  FDropDownForm->setGeometry(place);
  PlaceDropDownControl();
  FDropDownForm->show();
  FDropDownForm->raise();
  FDropDownForm->activateWindow();
  FocusDropDownControl();
}

void TQrvCustomDropDown::ButtonClick() {
  if (FDropDownForm->isVisible()) return;
  if (Ticks_Elapsed(DropDown_Tick_Count(), FDropDownForm->DeActivateTime(), 250)) ShowPopup();
}

void TQrvCustomDropDown::HidePopup(bool cancel) {
  if (!FDropDownForm->isVisible()) return;
  FinishHide(cancel);
}

void TQrvCustomDropDown::PopupDeactivated(bool cancel) {
  if (FDroppedDown) FinishHide(cancel);
}

void TQrvCustomDropDown::FinishHide(bool cancel) {
  if (OnBeforeDropUp) OnBeforeDropUp(this);
  FUserDropDownWidth = FDropDownForm->width();
  FUserDropDownHeight = FDropDownForm->height();
  if (FDropDownForm->isVisible()) {
    FDropDownForm->SetClosing(true);
    FDropDownForm->hide();
    FDropDownForm->SetClosing(false);
  }
  if (FControl) FControl->removeEventFilter(this);
  AfterDropUp();
  if (cancel) RestoreOpeningValue();
  if (OnDropUp) OnDropUp(this, cancel);
}

void TQrvCustomDropDown::AfterDropUp() {
  FDroppedDown = false;
  if (focusPolicy() != Qt::NoFocus && !hasFocus() && isVisible()) setFocus(Qt::PopupFocusReason);
}

void TQrvCustomDropDown::PopupKeyDown(QKeyEvent& e) {
  QKeyEvent copy(QEvent::KeyPress, e.key(), e.modifiers(), e.text());
  keyPressEvent(&copy);
}

void TQrvCustomDropDown::PopupKeyUp(QKeyEvent& e) {
  QKeyEvent copy(QEvent::KeyRelease, e.key(), e.modifiers(), e.text());
  keyReleaseEvent(&copy);
}

void TQrvCustomDropDown::ControlKeyDown(QKeyEvent& e) {
  PopupKeyDown(e);
}

void TQrvCustomDropDown::ControlKeyUp(QKeyEvent& e) {
  PopupKeyUp(e);
}

bool TQrvCustomDropDown::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FControl && FDroppedDown) {
    if (e->type() == QEvent::KeyPress) {
      ControlKeyDown(*static_cast<QKeyEvent*>(e));
      return true;
    }
    if (e->type() == QEvent::KeyRelease) {
      ControlKeyUp(*static_cast<QKeyEvent*>(e));
      return true;
    }
  }
  return TGuarded<QLineEdit>::eventFilter(watched, e);
}

// ---- keys and characters

bool TQrvCustomDropDown::PopupToggleKey(const QKeyEvent& e) {
  const bool alt = e.modifiers() & Qt::AltModifier;
  if ((alt && (e.key() == Qt::Key_Up || e.key() == Qt::Key_Down)) || e.key() == Qt::Key_F4) {
    if (FDropDownForm->isVisible())
      HidePopup(false);
    else
      ShowPopup();
    return true;
  }
  return false;
}

void TQrvCustomDropDown::Rebuild(const QString& value, int32_t caretFromValue) {
  setText(Prefix + value + Suffix);
  setCursorPosition(int32_t(Prefix.size()) + caretFromValue);
}

void TQrvCustomDropDown::ToggleSign() {
  const int32_t v = int32_t(Prefix.size());
  const int32_t s = hasSelectedText() ? selectionStart() : cursorPosition();
  QString value = Text();
  const int32_t saved = FPrecision;
  FPrecision = 0;
  if (FEditType == etNumeric && selectedText().size() == value.size()) {
    Rebuild(QStringLiteral("-"), 1);
  } else if (value.contains(u'-')) {
    value.remove(0, 1);
    Rebuild(value, (s > v ? s - 1 : v) - v);
  } else {
    Rebuild(QLatin1Char('-') + value, s + 1 - v);
    SetModified(true);
  }
  FPrecision = saved;
}

bool TQrvCustomDropDown::DecimalRules(QChar ch) {
  const TFormatSettings fs = FormatSettings();
  const QString value = Text();
  const int32_t v = int32_t(Prefix.size());
  const int32_t s = hasSelectedText() ? selectionStart() : cursorPosition();
  const int32_t l = int32_t(selectedText().size());
  if (ch == fs.DecimalSeparator && (FEditType == etMoney || !selectedText().contains(ch))) {
    if (value.contains(ch) || FPrecision == 0) {
      if (FPrecision > 0) {
        if (FEditType == etMoney && l == value.size() && l > 0) SetEditValue(QString(u'0') + ch + u'0');
        SelectAfterDecimal();
      }
      return false;
    }
  }
  if (FEditType == etFloat && ch == u',' && ch != fs.ThousandSeparator) {
    QString outside = value;
    if (l > 0) outside.remove(s - v, l);
    if (outside.contains(u',')) return false;
  }
  if ((ch == fs.DecimalSeparator || ch == fs.ThousandSeparator) && SeparatorMisplaced(value, s, v)) return false;
  if (PrecisionReached(value, s, v, FPrecision) && (Is_Digit(ch) || ch == fs.DecimalSeparator) && l == 0) {
    const int32_t ds = int32_t(value.indexOf(fs.DecimalSeparator)) + v + 1;
    if (Is_Digit(ch) && s >= ds && s < v + value.size()) {
      setSelection(s, 1);
      return true;
    }
    return false;
  }
  if (ch == fs.DecimalSeparator && value.isEmpty() && s == v) {
    Rebuild(QString(u'0') + ch, 2);
    SetModified(true);
    return false;
  }
  if (ch == u'-' && l == 0) {
    ToggleSign();
    return false;
  }
  return true;
}

bool TQrvCustomDropDown::FilterChar(QChar& ch) {
  const TFormatSettings fs = FormatSettings();
  const int32_t v = int32_t(Prefix.size());
  const int32_t s = hasSelectedText() ? selectionStart() : cursorPosition();
  const int32_t l = int32_t(selectedText().size());
  const QString value = Text();
  if (LengthLimit > 0 && IntegerDigitCount(value, Signed && Is_Number_Type(FEditType)) > LengthLimit && l == 0) {
    const int32_t dsPos = value.contains(fs.DecimalSeparator) ? int32_t(value.indexOf(fs.DecimalSeparator)) + v + 1
                                                              : v + int32_t(value.size() + Suffix.size()) + 1;
    const bool sign = Signed && Is_Number_Type(FEditType) && ch == u'-';
    if (s < dsPos && ch != fs.DecimalSeparator && !sign) return false;
  }
  if (Is_Number_Type(FEditType) && !Signed && ch == u'-') return false;
  switch (FEditType) {
    case etString:
    case etPassword:
      SetModified(true);
      return true;
    case etNumeric:
      if (ch == u'-') {
        ToggleSign();
        return false;
      }
      return Is_Digit(ch);
    case etFloat:
      if (!Is_Digit(ch) && ch != u'-' &&
          !((ch == u',' || ch == u'.') && (ch == fs.DecimalSeparator || ch == fs.ThousandSeparator)))
        return false;
      return DecimalRules(ch);
    case etMoney:
      if (!Is_Digit(ch) && ch != u'-' && ch != fs.DecimalSeparator) return false;
      return DecimalRules(ch);
    case etUppercase:
      ch = ch.toUpper();
      return true;
    case etLowerCase:
      ch = ch.toLower();
      return true;
    case etMixedCase:
      return true;
    case etRange: {
      if (!Is_Digit(ch) && !IsRangeSeparator(ch)) return false;
      if (IsRangeSeparator(ch)) {
        const QString shown = text();
        if (s <= v || (s > 0 && IsRangeSeparator(shown[s - 1])) || (s < shown.size() && IsRangeSeparator(shown[s])))
          return false;
      }
      SetModified(true);
      return true;
    }
    case etHex:
      if (!Is_Digit(ch) && ch != u'-' && !((ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f'))) return false;
      SetModified(true);
      return true;
    case etAlphaNumeric:
      if (!Is_Digit(ch) && !((ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z'))) return false;
      SetModified(true);
      return true;
    case etValidChars:
      if (!ValidChars.contains(ch)) return false;
      SetModified(true);
      return true;
  }
  return true;
}

void TQrvCustomDropDown::keyPressEvent(QKeyEvent* e) {
  if (PopupToggleKey(*e)) return;
  const int key = e->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  if (enter || key == Qt::Key_Escape) {
    if (FDropDownForm->isVisible()) {
      HidePopup(key == Qt::Key_Escape);
      return;
    }
    if (key == Qt::Key_Escape && FCanUndo) {
      SelectAll();
      SetModified(false);
    }
    if (enter && ReturnIsTab) {
      focusNextChild();
      return;
    }
    // The window holding the control sees Enter and Escape too (its default and cancel buttons).
    if (DefaultHandling) e->ignore();
    return;
  }
  if (!FEditorEnabled) return;
  const int32_t v = int32_t(Prefix.size());
  const int32_t end = v + int32_t(Text().size());
  const int32_t s = hasSelectedText() ? selectionStart() : cursorPosition();
  const int32_t selEnd = hasSelectedText() ? s + int32_t(selectedText().size()) : cursorPosition();
  const bool hasPrefix = !Prefix.isEmpty(), hasSuffix = !Suffix.isEmpty();
  if (key == Qt::Key_Right && hasSuffix && selEnd >= end && !shift) return;
  if (key == Qt::Key_Delete && hasSuffix && selEnd >= end && !hasSelectedText()) return;
  if (key == Qt::Key_Left && hasPrefix && selEnd <= v && !shift) return;
  if (key == Qt::Key_End && hasSuffix) {
    if (shift)
      setSelection(s, end - s);
    else
      setCursorPosition(end);
    return;
  }
  if (key == Qt::Key_Home && hasPrefix) {
    if (shift)
      setSelection(end, v - end);
    else
      setCursorPosition(v);
    return;
  }
  if (key == Qt::Key_Backspace) {
    if (hasPrefix && s <= v && !hasSelectedText()) return;
    const bool whole = !Text().isEmpty() && selectedText().size() == Text().size();
    FBlockChange = whole;
    TGuarded<QLineEdit>::keyPressEvent(e);
    FBlockChange = false;
    SetModified(true);
    if (whole && Text().isEmpty() && OnChange) OnChange(this);
    return;
  }
  if (key == Qt::Key_Delete) {
    if (LengthLimit > 0 && s >= v) {
      QString rest = Text();
      rest.remove(s - v, hasSelectedText() ? int32_t(selectedText().size()) : 1);
      if (IntegerDigitCount(rest, Signed && Is_Number_Type(FEditType)) - 1 > LengthLimit) return;
    }
    TGuarded<QLineEdit>::keyPressEvent(e);
    SetModified(true);
    if (FEditType == etMoney) FormatMoney();
    return;
  }
  if (e->matches(QKeySequence::Paste)) {
    Paste();
    return;
  }
  QString typed = e->text();
  if (typed.size() != 1 || typed[0].unicode() < 32 || ctrl) {
    TGuarded<QLineEdit>::keyPressEvent(e);
    if (hasPrefix && cursorPosition() < v) setCursorPosition(v);
    return;
  }
  QChar ch = typed[0];
  if (ExcelStyleDecimalSeparator && (e->modifiers() & Qt::KeypadModifier) && (ch == u'.' || ch == u','))
    ch = FormatSettings().DecimalSeparator;
  // A value typed over in full: the regrouping that follows is no change of its own.
  if (!Text().isEmpty() && selectedText().size() == Text().size()) FBlockChange = true;
  if (!FilterChar(ch)) {
    FBlockChange = false;
    return;
  }
  const int32_t before = cursorPosition() - v;
  QKeyEvent converted(QEvent::KeyPress, key, e->modifiers(), QString(ch));
  TGuarded<QLineEdit>::keyPressEvent(&converted);
  FBlockChange = false;
  if (FEditType == etMixedCase) Rebuild(ProperCase(Text()), before + 1);
  if (FEditType == etMoney && ch != FormatSettings().DecimalSeparator && !Text().isEmpty() &&
      Text() != QLatin1String("-"))
    FormatMoney();
  if (isModified()) SetModified(true);
}

void TQrvCustomDropDown::Paste() {
  const QString clip = QApplication::clipboard()->text();
  if (isReadOnly() || clip.isEmpty()) return;
  const int32_t v = int32_t(Prefix.size());
  const int32_t s = hasSelectedText() ? selectionStart() : cursorPosition();
  const int32_t l = int32_t(selectedText().size());
  QString merged = Text();
  merged.remove(s - v, l);
  merged.insert(s - v, clip);
  const int32_t caret = l > 0 ? s : s + int32_t(clip.size());
  bool allow = true;
  if (OnClipboardPaste) OnClipboardPaste(this, merged, allow);
  if (!allow) return;
  if (maxLength() > 0 && maxLength() < clip.size() + Text().size() - l) return;
  const auto every = [&](auto test) { return std::all_of(merged.begin(), merged.end(), test); };
  const QChar ds = FormatSettings().DecimalSeparator;
  switch (FEditType) {
    case etString:
    case etPassword:
      SetEditValue(merged);
      break;
    case etNumeric:
      if (NumberType(merged) == numInteger && (Signed || !merged.contains(u'-'))) SetEditValue(merged);
      break;
    case etFloat:
    case etMoney:
      if (NumberType(merged) <= numFloat && !(FPrecision == 0 && clip.contains(ds)) &&
          (Signed || !merged.contains(u'-'))) {
        SetEditValue(merged);
        SetFloatValue(GetFloatValue());
      }
      break;
    case etUppercase:
      SetEditValue(merged.toUpper());
      break;
    case etLowerCase:
      SetEditValue(merged.toLower());
      break;
    case etMixedCase:
      SetEditValue(ProperCase(merged));
      break;
    case etAlphaNumeric:
      if (every([](QChar c) { return c.isDigit() || (c.unicode() < 128 && c.isLetter()); })) SetEditValue(merged);
      break;
    case etValidChars:
      if (every([this](QChar c) { return ValidChars.contains(c); })) SetEditValue(merged);
      break;
    case etRange:
    case etHex:
      break;
  }
  if (FEditType == etMoney && Text().size() > 3)
    SelectAll();
  else if (l > 0)
    setSelection(s, int32_t(clip.size()));
  else
    setCursorPosition(caret);
  SetModified(true);
}

// ---- focus, mouse, painting

void TQrvCustomDropDown::focusInEvent(QFocusEvent* e) {
  TGuarded<QLineEdit>::focusInEvent(e);
  if (FEditorEnabled && (FEditType == etFloat || FEditType == etMoney)) SelectBeforeDecimal();
  update();
}

void TQrvCustomDropDown::focusOutEvent(QFocusEvent* e) {
  if (e->reason() != Qt::PopupFocusReason) {
    const bool empty = Text().isEmpty();
    if (FPrecision > 0 && (FEditType == etFloat || FEditType == etMoney) && (!empty || !AllowNumericNullValue)) {
      const bool modified = FIsModified;
      SetFloatValue(GetFloatValue());
      SetModified(modified);
    }
    if (FEditType == etNumeric && empty && !AllowNumericNullValue) SetEditValue(QStringLiteral("0"));
    if ((FEditType == etFloat || FEditType == etMoney) && empty && !AllowNumericNullValue) SetFloatValue(0);
  }
  TGuarded<QLineEdit>::focusOutEvent(e);
  update();
}

void TQrvCustomDropDown::mousePressEvent(QMouseEvent* e) {
  TGuarded<QLineEdit>::mousePressEvent(e);
  if (!FEditorEnabled && e->button() == Qt::LeftButton) ButtonClick();
}

void TQrvCustomDropDown::mouseReleaseEvent(QMouseEvent* e) {
  TGuarded<QLineEdit>::mouseReleaseEvent(e);
  ClampToValue();
}

void TQrvCustomDropDown::ClampToValue() {
  const int32_t v = int32_t(Prefix.size());
  const int32_t end = v + int32_t(Text().size());
  const int32_t s = hasSelectedText() ? selectionStart() : cursorPosition();
  if (!Prefix.isEmpty() && s < v) setSelection(v, int32_t(Text().size()));
  if (!Suffix.isEmpty()) {
    if (s > end) setCursorPosition(end);
    if (hasSelectedText() && selectionStart() + selectedText().size() > end)
      setSelection(selectionStart(), end - selectionStart());
  }
}

void TQrvCustomDropDown::wheelEvent(QWheelEvent* e) {
  TGuarded<QLineEdit>::wheelEvent(e);
  if (e->angleDelta().y() < 0)
    SelectNextItem();
  else if (e->angleDelta().y() > 0)
    SelectPreviousItem();
}

void TQrvCustomDropDown::paintEvent(QPaintEvent* e) {
  TGuarded<QLineEdit>::paintEvent(e);
  TCanvas canvas(this);
  if (!FEditorEnabled && hasFocus()) {
    // Typing off: the focused value is a highlighted box.
    TRect r = Rect(2, 2, width() - FButtonWidth - 1, height() - 2);
    canvas.Pen().Color = clBlack;
    canvas.Brush().Color = clHighlight;
    canvas.Brush().Style = bsSolid;
    canvas.Rectangle(r);
    r.Left += 2;
    r.Right -= 3;
    TFont f = canvas.Font();
    f.Color = clHighlightText;
    canvas.SetFont(f);
    canvas.Brush().Style = bsClear;
    canvas.DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
  }
  TColor frame = clNone;
  if (!isEnabled() && FDisabledBorder)
    frame = 0xC0C0C0;
  else if (FBorderColor != clNone && (!hasFocus() || FFocusBorderColor == clNone))
    frame = FBorderColor;
  else if (FFocusBorderColor != clNone && hasFocus())
    frame = FFocusBorderColor;
  if (frame == clNone) return;
  canvas.Pen().Color = frame;
  canvas.Pen().Width = 1;
  canvas.Brush().Style = bsClear;
  canvas.Rectangle(Rect(0, 0, width(), height()));
}

bool TQrvCustomDropDown::Guarded_Event(QEvent* e) {
  const bool handled = TGuarded<QLineEdit>::Guarded_Event(e);
  if (e->type() == QEvent::EnabledChange) FButton->setEnabled(isEnabled());
  FLabel.Follow(*e);
  return handled;
}
