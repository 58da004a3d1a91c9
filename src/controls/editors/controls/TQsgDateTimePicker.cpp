#include "TQsgDateTimePicker.h"

QString PackedVersionText(uint32_t packed) {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(packed >> 24)
      .arg((packed >> 16) & 0xFF)
      .arg((packed >> 8) & 0xFF)
      .arg(packed & 0xFF);
}

TQsgDateTimePicker::TQsgDateTimePicker(QWidget* parent) : TThemedDateTimePicker(parent) {
  SetCtl3D(true);
}

QString TQsgDateTimePicker::Version() const {
  return PackedVersionText(0x01000000);
}
