#include "ULanguage_Files.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "UGlobals.h"

QStringList Find_Language_Files(const QString& folder) {
  QStringList names;
  const QDir dir(folder);
  const QFileInfoList entries =
      dir.entryInfoList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::NoSort);
  for (const QFileInfo& entry : entries) {
    if (entry.isSymLink() || !entry.isFile()) continue;
    // The owner's write bit stands for the read-only attribute; access() would say "writable" to root.
    if (!entry.permissions().testFlag(QFileDevice::WriteOwner)) continue;
    names.append(entry.fileName());
  }
  QCollator collator(QLocale::system());
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(names.begin(), names.end(),
            [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
  return names;
}

QString Flag_Picture_Path(const QString& folder, const QString& name) {
  const QString own = Join_Path(folder, name + QStringLiteral(".bmp"));
  if (QFileInfo(own).isFile()) return own;
  const QString fallback = Join_Path(folder, QStringLiteral("DefaultFlag.bmp"));
  if (QFileInfo(fallback).isFile()) return fallback;
  return QString();
}
