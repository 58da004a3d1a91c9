#pragma once
// A temporary program folder: points Path_Exe (and the folders derived from it) at a fresh directory for the
// test's lifetime.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  QString Path() const { return FDir.path(); }
  QString File(const QString& relative) const { return FDir.path() + u'/' + relative; }
  // Writes bytes to a file below the folder, creating its parent folders.
  void Write(const QString& relative, const QByteArray& bytes) const;
  QByteArray Read(const QString& relative) const;

 private:
  QTemporaryDir FDir;
  QString FOldExe;
};
