#include "TFailingDevice.h"

#include <algorithm>

TFailingDevice::TFailingDevice(QIODevice& target, qint64 limit) : FTarget(target), FLimit(limit) {
  open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 TFailingDevice::writeData(const char* data, qint64 size) {
  const qint64 allowed = std::clamp<qint64>(FLimit - FPassed, 0, size);
  if (allowed > 0) {
    const qint64 n = FTarget.write(data, allowed);
    if (n < 0) return -1;
    FPassed += n;
  }
  if (allowed < size) {
    setErrorString(QStringLiteral("No space left on device"));
    return -1;
  }
  return size;
}

TFailing_Writes::TFailing_Writes(QString suffix, qint64 limit) {
  Set_Write_Device_Factory(
      [this, suffix = std::move(suffix), limit](const QString& path, QIODevice& file) -> std::unique_ptr<QIODevice> {
        if (!path.endsWith(suffix)) return nullptr;
        Failed << path;
        return std::make_unique<TFailingDevice>(file, limit);
      });
}

TFailing_Writes::~TFailing_Writes() {
  Set_Write_Device_Factory({});
}
