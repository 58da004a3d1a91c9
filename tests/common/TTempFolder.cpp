#include "TTempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "UGlobals.h"

TTempFolder::TTempFolder() : FOldExe(Path_Exe) {
  Set_Program_Folder(FDir.path());
}

TTempFolder::~TTempFolder() {
  Set_Program_Folder(FOldExe);
}

void TTempFolder::Write(const QString& relative, const QByteArray& bytes) const {
  const QString path = File(relative);
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray TTempFolder::Read(const QString& relative) const {
  QFile f(File(relative));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
