#include "TCustomDateTimePicker.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "QrvStyleIF.h"
#include "UGridModule.h"
#include "UThemeBinding.h"

const uint16_t DTPShiftFocus = uint16_t(Grid_DTPShiftFocusMessage());

TCustomDateTimePicker::TCustomDateTimePicker(QWidget* parent) : TThemedDateTimePicker(parent) {
  FBorderColor = 0;
  SetCtl3D(false);
}

void TCustomDateTimePicker::PaintAfterFrame(TCanvas& canvas) {
  if (!Ctl3D()) DrawFlatOutline(canvas, HasVistaApi() && !QrvXPVS().IsThemeActive());
}

void TCustomDateTimePicker::KeyPress(QChar& key) {
  if (!FAutoTab || key < u'0' || key > u'9') return DefaultKeyPress(key);
  if (PickerKind() == dtkTime) {
    int32_t h, m, s, ms;
    DecodeTime(PickerDateTime(), h, m, s, ms);
    Fh = uint16_t(h), Fm = uint16_t(m), Fs = uint16_t(s), Fms = uint16_t(ms);
  }
  DefaultKeyPress(key);
  QCoreApplication::postEvent(this, new QEvent(QEvent::Type(DTPShiftFocus)));
}

bool TCustomDateTimePicker::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::Type(DTPShiftFocus)) {
    ShiftFocus();
    return true;
  }
  return TThemedDateTimePicker::Guarded_Event(e);
}

void TCustomDateTimePicker::ShiftFocus() {
  if (PickerKind() == dtkTime) TimeShiftFocus();
}

void TCustomDateTimePicker::TimeShiftFocus() {
  int32_t h, m, s, ms;
  DecodeTime(PickerDateTime(), h, m, s, ms);
  if (h != Fh || m != Fm || s != Fs) PostRightKey();
}

void TCustomDateTimePicker::PostRightKey() {
  QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
}
