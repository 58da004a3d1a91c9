#pragma once
// Files are written to a temporary file beside the target and renamed over it, so a failure keeps the old file.
#include <QByteArray>
#include <QString>
#include <functional>

// Returns false when any step fails; the previous file is then untouched.
bool Write_File_Atomic(const QString& path, const QByteArray& bytes);

// Tests install this to break a write half way (return true to fail the write to that path); empty by default.
void Set_Write_Interrupter(std::function<bool(const QString& path)> interrupter);
