#include "USaveFile.h"

#include <QSaveFile>

namespace {
std::function<bool(const QString&)>& Interrupter() {
  static std::function<bool(const QString&)> interrupter;
  return interrupter;
}
}  // namespace

void Set_Write_Interrupter(std::function<bool(const QString&)> interrupter) {
  Interrupter() = std::move(interrupter);
}

bool Write_File_Atomic(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const qsizetype half = bytes.size() / 2;
  if (file.write(bytes.constData(), half) != half) {
    file.cancelWriting();
    return false;
  }
  if (Interrupter() && Interrupter()(path)) {
    file.cancelWriting();
    return false;
  }
  const qsizetype rest = bytes.size() - half;
  if (file.write(bytes.constData() + half, rest) != rest) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
