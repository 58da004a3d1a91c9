#include "TQrvDateTimePicker.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <cmath>

#include "QrvStyleIF.h"
#include "TQsgDateTimePicker.h"
#include "UThemeBinding.h"

namespace {

// The label's clicks are the picker's events.

TDateTime WholeDays(TDateTime value) {
  return std::trunc(value);
}
// Through the decoded parts, so that a time reads back exactly as it was encoded.
TDateTime TimeOfDay(TDateTime value) {
  int32_t h, m, s, ms;
  DecodeTime(value, h, m, s, ms);
  return EncodeTime(h, m, s, ms);
}
TDateTime Combine(TDateTime date, TDateTime time) {
  return date < 0 ? date - time : date + time;
}

TDateTime WithoutMilliseconds(TDateTime value) {
  int32_t h, m, s, ms;
  DecodeTime(value, h, m, s, ms);
  return Combine(WholeDays(value), EncodeTime(h, m, s, 0));
}

}  // namespace

TQrvDateTimePicker::TQrvDateTimePicker(QWidget* parent) : TCustomDateTimePicker(parent) {
  FFocusTimer.setInterval(20);
  connect(&FFocusTimer, &QTimer::timeout, this, [this] { FFocusTimer.stop(); });
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  // The stored kind is applied again once the window exists: reset to the date, then the kind itself.
  const TQrvDateTimeKind kind = FKind;
  FKind = dkDate;
  SetKind(kind);
  FKnownDate = Date();
  FLabel.OnClick = [this] {
    if (OnLabelClick) OnLabelClick(this);
  };
  FLabel.OnDblClick = [this] {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
}

TQrvDateTimePicker::~TQrvDateTimePicker() {
  FFocusTimer.stop();
}

QString TQrvDateTimePicker::Version() const {
  return PackedVersionText(0x01020000);
}

void TQrvDateTimePicker::SetKind(TQrvDateTimeKind value) {
  if (FKind == value) return;
  FKind = value;
  SetPickerKind(value == dkTime ? dtkTime : dtkDate);
  if (value == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
}

TDateTime TQrvDateTimePicker::DateTime() const {
  if (FTimePicker) return Combine(WholeDays(PickerDateTime()), TimeOfDay(FTimePicker->PickerDateTime()));
  return PickerDateTime();
}

void TQrvDateTimePicker::SetDateTime(TDateTime value) {
  SetPickerDateTime(value);  // raises before anything changed when the value is no date
  const TDateTime whole = WithoutMilliseconds(value);
  SetPickerDateTime(whole);
  if (FKind == dkDateTime) CreateTimePicker();
  if (FTimePicker) FTimePicker->SetPickerDateTime(whole);
  // After a date was set the time part's enabling is settled; the notification that follows keeps it.
  if (ShowCheckbox() && FTimePicker) {
    SettleTimePartEnabled();
    FIgnoreTimePickerCheck = FTimePicker->isEnabled();
  }
}

TDateTime TQrvDateTimePicker::Date() const {
  return WholeDays(PickerDateTime());
}

void TQrvDateTimePicker::SetDate(TDateTime value) {
  int32_t h, m, s, ms;
  DecodeTime(Time(), h, m, s, ms);
  SetDateTime(Combine(WholeDays(value), EncodeTime(h, m, s, 0)));
}

TDateTime TQrvDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return TimeOfDay(FTimePicker->PickerDateTime());
  return TimeOfDay(PickerDateTime());
}

void TQrvDateTimePicker::SetTime(TDateTime value) {
  SetPickerDateTime(Combine(WholeDays(PickerDateTime()), TimeOfDay(value)));
  if (FTimePicker) FTimePicker->SetPickerDateTime(PickerDateTime());
  UpdateTimePicker();
}

void TQrvDateTimePicker::SetTimeFormat(const QString& value) {
  if (FTimePicker) FTimePicker->SetFormat(value);
  if (FKind == dkTime) SetFormat(value);
  FTimeFormat = value;
  UpdateTimePicker();
}

void TQrvDateTimePicker::SetAutoTab(bool value) {
  TCustomDateTimePicker::SetAutoTab(value);
  if (FTimePicker) FTimePicker->SetAutoTab(value);
}

void TQrvDateTimePicker::SetBorderStyle(TBorderStyle value) {
  TCustomDateTimePicker::SetBorderStyle(value);
  UpdateTimePicker();
}

void TQrvDateTimePicker::CreateTimePicker() {
  if (FKind != dkDateTime || FTimePicker) return;
  auto* part = new TCustomDateTimePicker(this);
  FTimePicker = part;
  part->setGeometry(0, 0, 90, 17);
  part->hide();
  part->setEnabled(isEnabled());
  part->SetPickerKind(dtkTime);
  part->SetAutoTab(AutoTab());
  part->OnChange = [this](TDateTimePicker*) {
    DoChange();
    if (OnTimeChange) OnTimeChange(this);
  };
  part->OnClick = [this](TDateTimePicker*) { DoClick(); };
  part->OnKeyPress = [](TDateTimePicker*, QChar&) {};
  part->OnKeyDown = [this](TDateTimePicker*, QKeyEvent* e) {
    if (OnKeyDown) OnKeyDown(this, e);
  };
}

void TQrvDateTimePicker::UpdateTimePicker() {
  if (!FTimePicker || FUpdating) return;
  FUpdating = true;
  TCustomDateTimePicker* part = FTimePicker;
  if (part->parentWidget() != this) part->setParent(this);
  part->SetColor(Color());
  part->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
  const bool visible = FKind == dkDateTime;
  part->SetPickerDateTime(DateTime());
  part->SetFormat(FTimeFormat);
  part->setFont(font());
  if (visible) {
    const int32_t tw = fontMetrics().horizontalAdvance(part->text().left(255));
    const int32_t a = tw + 31;
    const int32_t b = 0;  // no bevels here
    const int32_t w = width();
    const int32_t h = height();
    // The offsets fit the desktop picker's own drawing; with this picker the part stays inside the frame.
    QRect bounds;
    if (!HasComCtl6() || !QrvXPVS().Loaded())
      bounds = QRect(w - a - b - 23, 2, a, h - b - 4);
    else if (!QrvXPVS().IsThemeActive())
      bounds = QRect(w - a - b - 21, 2, a, h - b - 4);
    else if (MetroStyle())
      bounds = QRect(w - a - b - 21, 1, a, h - b - 2);
    else
      bounds = QRect(w - a - b - 34, 1, a, h - b - 2);
    part->setGeometry(bounds);
    part->show();
  } else {
    part->hide();
    part->deleteLater();
    FTimePicker = nullptr;
  }
  FUpdating = false;
}

void TQrvDateTimePicker::SettleTimePartEnabled(bool noDate) {
  if (FTimePicker) FTimePicker->setEnabled(isEnabled() && Checked() && !noDate);
}

void TQrvDateTimePicker::DoChange() {
  if (OnChange) OnChange(this);
}

void TQrvDateTimePicker::DoClick() {
  if (OnClick) OnClick(this);
}

void TQrvDateTimePicker::KeyPress(QChar& key) {
  if (AutoTab() && key >= u'0' && key <= u'9') {
    int32_t y, m, d;
    DecodeDate(PickerDateTime(), y, m, d);
    Fy = uint16_t(y), Fm = uint16_t(m), Fd = uint16_t(d);
  }
  TCustomDateTimePicker::KeyPress(key);
}

void TQrvDateTimePicker::ShiftFocus() {
  if (FKind == dkTime) return TimeShiftFocus();
  int32_t y, m, d;
  DecodeDate(PickerDateTime(), y, m, d);
  const bool dayChanged = d != Fd;
  const bool monthChanged = m != Fm;
  const bool yearChanged = y != Fy;
  const auto focusTimePart = [this] {
    if (FTimePicker) FTimePicker->setFocus();
  };
  if (!Format().isEmpty()) {
    const QChar c = Format().back();
    if ((dayChanged && (c == u'd' || c == u'D')) || (monthChanged && (c == u'm' || c == u'M')) ||
        (yearChanged && (c == u'y' || c == u'Y')))
      focusTimePart();
    else if (dayChanged || monthChanged || yearChanged)
      PostRightKey();
  } else if (dayChanged || monthChanged) {
    PostRightKey();
  } else if (yearChanged) {
    focusTimePart();
  }
}

void TQrvDateTimePicker::Notify(TDtpNotification code, bool noDate) {
  if (!ShowCheckbox() || code != dtnDateTimeChange) {
    // Drop-down and close-up keep their events with the check box shown too.
    DefaultNotify(code, noDate);
    FIgnoreTimePickerCheck = false;
    return;
  }
  int32_t y0, m0, d0, y1, m1, d1;
  DecodeDate(FKnownDate, y0, m0, d0);
  DefaultNotify(code, noDate);
  DecodeDate(PickerDateTime(), y1, m1, d1);
  if (y0 != y1 || m0 != m1 || d0 != d1) FFocusTimer.start();
  if (FTimePicker && !FIgnoreTimePickerCheck) SettleTimePartEnabled(noDate);
  FIgnoreTimePickerCheck = false;
}

void TQrvDateTimePicker::CheckedChanged() {
  if (ShowCheckbox() && FTimePicker) SettleTimePartEnabled();
}

void TQrvDateTimePicker::ValueSet() {
  FKnownDate = PickerDateTime();
}

void TQrvDateTimePicker::SetLabelFont(const QFont& value) {
  // A picker that takes its parent's font gives the label no font of its own either.
  if (!ParentFont()) FLabel.SetFont(value);
}

bool TQrvDateTimePicker::Guarded_Event(QEvent* e) {
  const bool handled = TCustomDateTimePicker::Guarded_Event(e);
  switch (e->type()) {
    case QEvent::Resize:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
      UpdateTimePicker();
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      if (FFocusLabel) FLabel.SetBold(hasFocus());
      break;
    default:
      break;
  }
  FLabel.Follow(*e);
  return handled;
}

void TQrvDateTimePicker::paintEvent(QPaintEvent* e) {
  if (FFirstRun) {
    FFirstRun = false;
    UpdateTimePicker();
  }
  TCustomDateTimePicker::paintEvent(e);
}
