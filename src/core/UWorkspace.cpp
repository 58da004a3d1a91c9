#include "UWorkspace.h"

#include <QDir>
#include <QFileInfo>

#include "UGlobals.h"

bool Is_Single_Folder_Name(const QString& name) {
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
  return !name.contains(u'/') && !name.contains(u'\\');
}

int32_t Create_Configuration_Folder(const QString& name) {
  if (name.isEmpty()) return 107;
  if (!Is_Single_Folder_Name(name)) return 105;
  const QString folder = Join_Path(Path_Projects, name);
  if (QFileInfo(folder).isDir()) return 106;
  if (!QDir(Path_Projects).mkdir(name)) return 105;
  // The bank files go there later; a failure shows up when they are written.
  QDir(folder).mkpath(QStringLiteral("bin"));
  Activate_Configuration(name);
  return 0;
}

void Activate_Configuration(const QString& name) {
  Name_Project = name;
  Path_Project = Join_Path(Path_Projects, name);
  Build_Topic_Paths();
}

QStringList List_Configuration_Folders() {
  return QDir(Path_Projects).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QString Active_Configuration_Name() {
  const QString prefix = Path_Projects + u'/';
  return Path_Project.startsWith(prefix) ? Path_Project.mid(prefix.size()) : QString();
}

int32_t Index_Ignoring_Case(const QStringList& list, const QString& name) {
  for (qsizetype i = 0; i < list.size(); ++i)
    if (list[i].compare(name, Qt::CaseInsensitive) == 0) return static_cast<int32_t>(i);
  return -1;
}
