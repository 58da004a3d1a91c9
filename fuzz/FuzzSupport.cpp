#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

QString Fuzz_Folder() {
  static QTemporaryDir folder;
  return folder.path();
}

QString Write_Fuzz_File(const QString& name, const QByteArray& bytes) {
  const QString path = Fuzz_Folder() + u'/' + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) std::abort();
  return path;
}
