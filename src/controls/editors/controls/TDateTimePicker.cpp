#include "TDateTimePicker.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <cmath>

#include "Exception.h"
#include "UCanvas.h"
#include "UFormatSettings.h"
#include "UFrameControl.h"
#include "USysColors.h"

namespace {
constexpr int32_t CheckBoxSize = 13;
constexpr int32_t CheckBoxArea = 18;
const QDate Origin(1899, 12, 30);
}  // namespace

QDateTime DateTimeToQ(TDateTime value) {
  int32_t y, m, d, h, n, s, ms;
  DecodeDate(value, y, m, d);
  DecodeTime(value, h, n, s, ms);
  return QDateTime(QDate(y, m, d), QTime(h, n, s, ms));
}

TDateTime QToDateTime(const QDateTime& value) {
  const TDateTime date = TDateTime(Origin.daysTo(value.date()));
  const TDateTime time = value.time().msecsSinceStartOfDay() / 86400000.0;
  return date < 0 ? date - time : date + time;
}

// The check box at the picker's left end: a child of its own so that the edit field does not paint over it.
class TDtpCheckBox : public QWidget {
 public:
  explicit TDtpCheckBox(TDateTimePicker* picker) : QWidget(picker), FPicker(picker) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    TCanvas canvas(this);
    canvas.Brush().Color = FPicker->Color();
    canvas.FillRect(Rect(0, 0, width(), height()));
    const int32_t top = (height() - CheckBoxSize) / 2;
    uint32_t state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (FPicker->Checked()) state |= DFCS_CHECKED;
    if (!FPicker->isEnabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(canvas, Rect(3, top, 3 + CheckBoxSize, top + CheckBoxSize), DFC_BUTTON, state);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) FPicker->UserToggledCheck();
  }

 private:
  TDateTimePicker* FPicker;
};

TDateTimePicker::TDateTimePicker(QWidget* parent) : TGuarded<QDateTimeEdit>(parent) {
  setMinimumDate(QDate(1, 1, 1));
  setMaximumDate(QDate(9999, 12, 31));
  setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
  setCalendarPopup(true);
  setFocusPolicy(Qt::StrongFocus);
  // Stepping a field wraps within its range, as the desktop's picker does (31 January up is 1 January).
  setWrapping(true);
  ApplyFormat();
  // The signal comes from inside the toolkit's key and mouse handling: nothing raised may unwind through it.
  connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
    if (FSetting) return;
    Run_Guarded([this] { Notify(dtnDateTimeChange, false); });
    ValueSet();
  });
}

TDateTimePicker::~TDateTimePicker() {
  if (FPopup) FPopup->removeEventFilter(this);
}

void TDateTimePicker::SetPickerKind(TDateTimePickerKind value) {
  if (FPickerKind == value) return;
  FPickerKind = value;
  ApplyFormat();
}

TDateTime TDateTimePicker::PickerDateTime() const {
  return QToDateTime(dateTime());
}

void TDateTimePicker::SetPickerDateTime(TDateTime value) {
  int32_t y, m, d, h, n, s, ms;
  DecodeDate(value, y, m, d);
  DecodeTime(value, h, n, s, ms);
  EncodeDate(std::isfinite(value) && std::fabs(value) < 3e6 ? y : 0, m, d);
  FSetting = true;
  setDateTime(QDateTime(QDate(y, m, d), QTime(h, n, s, ms)));
  FSetting = false;
  ValueSet();
}

void TDateTimePicker::SetFormat(const QString& value) {
  FFormat = value;
  ApplyFormat();
}

void TDateTimePicker::ApplyFormat() {
  const TFormatSettings settings = FormatSettings();
  const QString format = !FFormat.isEmpty()       ? FFormat
                         : FPickerKind == dtkDate ? settings.ShortDateFormat
                                                  : settings.LongTimeFormat;
  FSetting = true;
  setDisplayFormat(format);
  setCalendarPopup(FPickerKind == dtkDate);
  FSetting = false;
  if (FPickerKind == dtkDate && !FPopup) {
    FPopup = calendarWidget()->window();
    FPopup->installEventFilter(this);
  }
  FTypedSection = -1;
  update();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  if (FShowCheckbox == value) return;
  FShowCheckbox = value;
  if (value && !FCheckBox) FCheckBox = new TDtpCheckBox(this);
  if (FCheckBox) FCheckBox->setVisible(value);
  lineEdit()->setTextMargins(value ? CheckBoxArea : 0, 0, 0, 0);
  resizeEvent(nullptr);
  ApplyChecked();
}

void TDateTimePicker::SetChecked(bool value) {
  if (FChecked == value) return;
  FChecked = value;
  ApplyChecked();
  CheckedChanged();
}

void TDateTimePicker::UserToggledCheck() {
  if (!isEnabled()) return;
  FChecked = !FChecked;
  ApplyChecked();
  Notify(dtnDateTimeChange, !FChecked);
}

void TDateTimePicker::ApplyChecked() {
  QPalette palette = lineEdit()->palette();
  const bool off = FShowCheckbox && !FChecked;
  palette.setColor(QPalette::Text, off ? TColorToQColor(clGrayText) : TColorToQColor(clWindowText));
  lineEdit()->setPalette(palette);
  if (FCheckBox) FCheckBox->update();
  update();
}

void TDateTimePicker::SetCtl3D(bool value) {
  if (FCtl3D == value) return;
  FCtl3D = value;
  setFrame(value);
  Ctl3DChanged();
}

QCalendarWidget* TDateTimePicker::Calendar() const {
  return FPickerKind == dtkDate ? calendarWidget() : nullptr;
}

bool TDateTimePicker::DroppedDown() const {
  return FPopup && FPopup->isVisible();
}

void TDateTimePicker::SetDroppedDown(bool value) {
  if (FPickerKind != dtkDate || value == DroppedDown()) return;
  if (!value) {
    FPopup->hide();
    return;
  }
  // The toolkit opens its calendar only for a press on its drop button, at the right end.
  const QPointF at(width() - 3, height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QDateTimeEdit::mousePressEvent(&press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QDateTimeEdit::mouseReleaseEvent(&release);
}

void TDateTimePicker::SetColor(TColor value) {
  FColor = value;
  QPalette p = palette();
  p.setColor(QPalette::Base, TColorToQColor(value));
  setPalette(p);
  update();
}

void TDateTimePicker::SetBounds(int32_t left, int32_t top, int32_t w, int32_t h) {
  setGeometry(left, top, w, h);
}

QRect TDateTimePicker::CheckBoxRect() const {
  return QRect(1, 1, CheckBoxArea, std::max(0, height() - 2));
}

void TDateTimePicker::Notify(TDtpNotification code, bool noDate) {
  DefaultNotify(code, noDate);
}

void TDateTimePicker::DefaultNotify(TDtpNotification code, bool) {
  const auto& event = code == dtnDateTimeChange ? OnChange : code == dtnDropDown ? OnDropDown : OnCloseUp;
  if (event) event(this);
}

bool TDateTimePicker::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FPopup && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
    Run_Guarded([&] { Notify(e->type() == QEvent::Show ? dtnDropDown : dtnCloseUp, false); });
  return TGuarded<QDateTimeEdit>::eventFilter(watched, e);
}

bool TDateTimePicker::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton &&
      rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint()) && OnClick)
    OnClick(this);
  return TGuarded<QDateTimeEdit>::Guarded_Event(e);
}

void TDateTimePicker::paintEvent(QPaintEvent* e) {
  QDateTimeEdit::paintEvent(e);
  TCanvas canvas(this);
  PaintLook(canvas);
}

void TDateTimePicker::resizeEvent(QResizeEvent* e) {
  if (e) QDateTimeEdit::resizeEvent(e);
  if (FCheckBox) FCheckBox->setGeometry(CheckBoxRect().adjusted(1, 1, 0, -1));
}

void TDateTimePicker::keyPressEvent(QKeyEvent* e) {
  // The key first, then the character it typed, as the desktop delivers them.
  KeyDown(e);
  const QString text = e->text();
  if (IsCharacter(e)) {
    QChar key = text[0];
    KeyPress(key);
  }
}

bool TDateTimePicker::IsCharacter(const QKeyEvent* e) {
  return e->text().size() == 1 && e->text()[0].isPrint() &&
         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

void TDateTimePicker::KeyDown(QKeyEvent* e) {
  DefaultKeyDown(e);
}

void TDateTimePicker::DefaultKeyDown(QKeyEvent* e) {
  if (OnKeyDown) OnKeyDown(this, e);
  if (e->key() == Qt::Key_Space && FShowCheckbox) {
    UserToggledCheck();
    return;
  }
  if (IsCharacter(e)) return;
  if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Left) {
    const int32_t next = currentSectionIndex() + (e->key() == Qt::Key_Right ? 1 : -1);
    if (next >= 0 && next < sectionCount()) setCurrentSectionIndex(next);
    FTypedSection = -1;
    return;
  }
  FTypedSection = -1;
  // Characters are typed into the fields by KeyPress, not by the toolkit's own parser.
  if (!IsCharacter(e)) QDateTimeEdit::keyPressEvent(e);
}

void TDateTimePicker::KeyPress(QChar& key) {
  DefaultKeyPress(key);
}

void TDateTimePicker::DefaultKeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
  if (key >= u'0' && key <= u'9') TypeDigit(key.unicode() - u'0');
}

void TDateTimePicker::TypeDigit(int32_t digit) {
  if (FShowCheckbox && !FChecked) return;
  const int32_t index = currentSectionIndex();
  const Section section = currentSection();
  const int32_t maxDigits = section == YearSection ? 4 : section == MSecSection ? 3 : 2;
  int32_t limit = 59;
  if (section == DaySection) limit = 31;
  if (section == MonthSection) limit = 12;
  if (section == HourSection) limit = 23;
  if (section == YearSection) limit = 9999;
  if (section == MSecSection) limit = 999;
  if (index != FTypedSection || FTypedDigits >= maxDigits || FTyped * 10 + digit > limit) {
    FTypedSection = index;
    FTyped = 0;
    FTypedDigits = 0;
  }
  FTyped = FTyped * 10 + digit;
  ++FTypedDigits;
  // A year takes effect once complete; other fields show every digit, a leading zero waits for the next.
  if ((section == YearSection && FTypedDigits < 4) ||
      (FTyped == 0 && section != HourSection && section != MinuteSection && section != SecondSection &&
       section != MSecSection))
    return;
  QDate date = this->date();
  QTime time = this->time();
  switch (section) {
    case DaySection:
      date = QDate(date.year(), date.month(), std::min(FTyped, QDate(date.year(), date.month(), 1).daysInMonth()));
      break;
    case MonthSection:
      date = QDate(date.year(), FTyped, std::min(date.day(), QDate(date.year(), FTyped, 1).daysInMonth()));
      break;
    case YearSection:
      date = QDate(FTyped, date.month(), std::min(date.day(), QDate(FTyped, date.month(), 1).daysInMonth()));
      break;
    case HourSection:
      time = QTime(FTyped, time.minute(), time.second(), time.msec());
      break;
    case MinuteSection:
      time = QTime(time.hour(), FTyped, time.second(), time.msec());
      break;
    case SecondSection:
      time = QTime(time.hour(), time.minute(), FTyped, time.msec());
      break;
    case MSecSection:
      time = QTime(time.hour(), time.minute(), time.second(), FTyped);
      break;
    default:
      return;
  }
  if (!date.isValid() || date.year() < 1) return;
  setDateTime(QDateTime(date, time));
  setCurrentSectionIndex(index);
}
