#pragma once
// What the fuzz targets share: the input as bytes, a private folder for the readers that take a file, and the
// stop that a broken property makes.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

inline QByteArray Fuzz_Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A temporary folder of this process, removed at its end.
QString Fuzz_Folder();
// Writes the bytes as the file `name` in the folder, replacing an earlier one; returns its path.
QString Write_Fuzz_File(const QString& name, const QByteArray& bytes);

// A property that must hold for every input; a broken one stops the run as a crash so that the input is kept.
inline void Fuzz_Require(bool holds) {
  if (!holds) std::abort();
}
