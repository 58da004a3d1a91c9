// The atomic writer against real failures: a device that breaks down part way, targets the process may not write,
// and a pair of files whose second one cannot be committed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TFailingDevice.h"
#include "USaveFile.h"

namespace {
QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QStringList Entries(const QTemporaryDir& dir) {
  return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const QByteArray New_Bytes(1000, 'n');
}  // namespace

TEST(SaveFile, WritesExactlyTheBytesAndLeavesNothingElse) {
  QTemporaryDir dir;
  const QString path = dir.filePath("f.bin");
  Write(path, QByteArray(5000, 'o'));
  ASSERT_TRUE(Write_File_Atomic(path, New_Bytes));
  EXPECT_EQ(Read(path), New_Bytes);
  EXPECT_EQ(Entries(dir), QStringList{"f.bin"});
}

TEST(SaveFile, ADeviceThatFailsPartWayKeepsTheOldFileOrNone) {
  for (const qint64 limit : {qint64(0), qint64(1), New_Bytes.size() / 2, New_Bytes.size() - 1}) {
    QTemporaryDir dir;
    const QString old_file = dir.filePath("old.bin");
    const QString new_file = dir.filePath("new.bin");
    Write(old_file, "old");
    TFailing_Writes failing(QString(), limit);
    EXPECT_FALSE(Write_File_Atomic(old_file, New_Bytes)) << limit;
    EXPECT_FALSE(Write_File_Atomic(new_file, New_Bytes)) << limit;
    EXPECT_EQ(failing.Failed, QStringList({old_file, new_file}));
    EXPECT_EQ(Read(old_file), "old") << limit;
    EXPECT_EQ(Entries(dir), QStringList{"old.bin"}) << limit;
  }
}

// Not a device of the test's: the system itself refuses. Root may write anywhere, so there is nothing to see then.
TEST(SaveFile, ATargetTheProcessMayNotWriteKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write to read-only files and folders";
  QTemporaryDir dir;
  const QString locked_folder = dir.filePath("locked");
  ASSERT_TRUE(QDir().mkpath(locked_folder));
  const QString in_locked_folder = locked_folder + "/f.bin";
  Write(in_locked_folder, "old");
  const QString read_only = dir.filePath("read_only.bin");
  Write(read_only, "old");
  ASSERT_TRUE(QFile::setPermissions(read_only, QFile::ReadOwner));
  ASSERT_TRUE(QFile::setPermissions(locked_folder, QFile::ReadOwner | QFile::ExeOwner));
  for (const QString& path : {in_locked_folder, read_only}) {
    EXPECT_FALSE(Write_File_Atomic(path, New_Bytes)) << path.toStdString();
    EXPECT_EQ(Read(path), "old") << path.toStdString();
  }
  QString failed;
  EXPECT_FALSE(Write_Files_Atomic({{dir.filePath("free.bin"), New_Bytes}, {read_only, New_Bytes}}, &failed));
  EXPECT_EQ(failed, read_only);
  EXPECT_FALSE(QFile::exists(dir.filePath("free.bin")));
  QFile::setPermissions(locked_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SaveFile, APairIsReplacedWholeOrNotAtAll) {
  QTemporaryDir dir;
  const QString first = dir.filePath("first.bin");
  const QString second = dir.filePath("second.bin");
  Write(first, "old first");
  Write(second, "old second");
  const std::vector<TFile_Bytes> pair = {{first, "new first"}, {second, "new second"}};
  {
    TFailing_Writes failing(QStringLiteral("second.bin"), 3);
    QString failed;
    EXPECT_FALSE(Write_Files_Atomic(pair, &failed));
    EXPECT_EQ(failed, second);
  }
  EXPECT_EQ(Read(first), "old first");
  EXPECT_EQ(Read(second), "old second");
  EXPECT_EQ(Entries(dir), QStringList({"first.bin", "second.bin"}));

  ASSERT_TRUE(Write_Files_Atomic(pair));
  EXPECT_EQ(Read(first), "new first");
  EXPECT_EQ(Read(second), "new second");
  EXPECT_EQ(Entries(dir), QStringList({"first.bin", "second.bin"}));
}

// The last step of a pair is one rename per file. When the second rename fails after the first went through (here
// a folder took the second file's place while it was written), the first file gets its old content back.
TEST(SaveFile, APairWhoseSecondFileCannotBeCommittedPutsTheFirstBack) {
  for (const bool first_existed : {true, false}) {
    QTemporaryDir dir;
    const QString first = dir.filePath("first.bin");
    const QString second = dir.filePath("second.bin");
    if (first_existed) Write(first, "old first");
    Set_Write_Device_Factory([&](const QString& path, QIODevice&) -> std::unique_ptr<QIODevice> {
      if (path == second) QDir().mkpath(second + "/taken");
      return nullptr;
    });
    QString failed;
    const bool written = Write_Files_Atomic({{first, "new first"}, {second, "new second"}}, &failed);
    Set_Write_Device_Factory({});
    EXPECT_FALSE(written);
    EXPECT_EQ(failed, second);
    EXPECT_EQ(Read(first), first_existed ? QByteArray("old first") : QByteArray("<missing>"));
    EXPECT_EQ(Entries(dir), first_existed ? QStringList({"first.bin", "second.bin"}) : QStringList{"second.bin"});
  }
}
