#include "UGridIniFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "UColumnSize.h"
#include "USaveFile.h"

bool EditIniFileAtomic(const QString& path, const std::function<void(QSettings&)>& edit) {
  QTemporaryDir scratch;
  if (!scratch.isValid()) return false;
  const QString copy = scratch.filePath(QStringLiteral("edit.ini"));
  if (QFile::exists(path) && !QFile::copy(path, copy)) return false;
  {
    QSettings ini(copy, QSettings::IniFormat);
    edit(ini);
    ini.sync();
    if (ini.status() != QSettings::NoError) return false;
  }
  QFile written(copy);
  if (!written.open(QIODevice::ReadOnly)) return false;
  return Write_File_Atomic(path, written.readAll());
}

QString ColumnSizeStoreFile(const TColumnSize& size) {
  const QString key = size.Key().trimmed();
  if (key.isEmpty()) return {};
  if (size.Location() == clIniFile) return size.Key();
  // A key is a path of names ("Software\\Maker\\Tool"); one flat file per key keeps every key apart.
  QString name = key;
  for (QChar& ch : name) {
    if (ch.isNull() || ch.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(ch)) ch = u'_';
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(name + QStringLiteral(".ini"));
}
