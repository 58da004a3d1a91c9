#pragma once
// Files are written to a temporary file beside the target and renamed over it, so a failure keeps the old file.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Returns false when any step fails; the previous file is then untouched.
bool Write_File_Atomic(const QString& path, const QByteArray& bytes);

struct TFile_Bytes {
  QString Path;
  QByteArray Bytes;
};

// Writes files that belong together (a reader needs them from the same write): every file is written to its
// temporary first, and only when all are complete are they renamed over the old ones. On any failure every target
// keeps its previous content (or stays absent), whichever file failed. Returns false then, with the path of the file
// that failed in `failed` when given.
bool Write_Files_Atomic(const std::vector<TFile_Bytes>& files, QString* failed = nullptr);

// The device the bytes of one target pass through on their way to its temporary file. The writer asks the factory
// once per target; it may return a device of its own that writes into `temporary` (for example one that fails on
// purpose), or nullptr to write straight into the file, which is what happens without a factory.
using TWrite_Device_Factory = std::function<std::unique_ptr<QIODevice>(const QString& path, QIODevice& temporary)>;
// An empty factory restores the direct writes.
void Set_Write_Device_Factory(TWrite_Device_Factory factory);
