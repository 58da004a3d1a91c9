#include "USaveFile.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {
TWrite_Device_Factory& Device_Factory() {
  static TWrite_Device_Factory factory;
  return factory;
}

bool Write_Temporary(QSaveFile& file, const QString& path, const QByteArray& bytes) {
  if (!file.open(QIODevice::WriteOnly)) return false;
  std::unique_ptr<QIODevice> through;
  if (Device_Factory()) through = Device_Factory()(path, file);
  QIODevice& out = through ? *through : file;
  const bool written = out.write(bytes) == bytes.size();
  through.reset();
  return written && file.error() == QFileDevice::NoError;
}

// A second name for the old file, so that it can be put back if a later file of the group cannot be committed.
// Empty when there is no old file (nothing else can be replaced: its rename will fail); `ok` false when one exists
// but cannot be kept.
QString Keep_Old(const QString& path, bool& ok) {
  ok = true;
  if (!QFileInfo(path).isFile()) return {};
  QTemporaryFile name(path + QStringLiteral(".old"));
  // Only the unique name is wanted: link() needs it free.
  if (!name.open()) {
    ok = false;
    return {};
  }
  const QString kept = name.fileName();
  name.remove();
  // A second link costs nothing; file systems without links (a memory stick) get a copy.
  ok = ::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0 ||
       QFile::copy(path, kept);
  return ok ? kept : QString();
}

void Put_Back(const QString& path, const QString& kept) {
  if (kept.isEmpty()) {
    QFile::remove(path);
    return;
  }
  ::rename(QFile::encodeName(kept).constData(), QFile::encodeName(path).constData());
}
}  // namespace

void Set_Write_Device_Factory(TWrite_Device_Factory factory) {
  Device_Factory() = std::move(factory);
}

bool Write_File_Atomic(const QString& path, const QByteArray& bytes) {
  return Write_Files_Atomic({{path, bytes}});
}

bool Write_Files_Atomic(const std::vector<TFile_Bytes>& files, QString* failed) {
  auto fail = [&](size_t index) {
    if (failed) *failed = files[index].Path;
    return false;
  };
  std::vector<std::unique_ptr<QSaveFile>> temporaries;
  for (const TFile_Bytes& f : files) {
    temporaries.push_back(std::make_unique<QSaveFile>(f.Path));
    if (!Write_Temporary(*temporaries.back(), f.Path, f.Bytes)) {
      for (auto& t : temporaries) t->cancelWriting();
      return fail(temporaries.size() - 1);
    }
  }
  if (files.size() == 1) return temporaries[0]->commit() || fail(0);

  // Every temporary is complete; what is left is one rename per file. Should one of them fail, the files renamed
  // before it get their old content back.
  std::vector<QString> kept(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    bool ok = false;
    kept[i] = Keep_Old(files[i].Path, ok);
    if (!ok) {
      for (size_t j = 0; j < i; ++j)
        if (!kept[j].isEmpty()) QFile::remove(kept[j]);
      for (auto& t : temporaries) t->cancelWriting();
      return fail(i);
    }
  }
  size_t committed = 0;
  while (committed < files.size() && temporaries[committed]->commit()) ++committed;
  const bool all = committed == files.size();
  for (size_t i = committed; i < files.size(); ++i) temporaries[i]->cancelWriting();
  for (size_t i = 0; i < files.size(); ++i) {
    if (!all && i < committed)
      Put_Back(files[i].Path, kept[i]);
    else if (!kept[i].isEmpty())
      QFile::remove(kept[i]);
  }
  return all || fail(committed);
}
