#pragma once
// The INI files the grid keeps the user's column layout in (widths, order).
#include <QString>
#include <functional>

class QSettings;
class TColumnSize;

// Edits the INI file at path through QSettings on a scratch copy, then replaces the file in one atomic step: keys
// the edit leaves alone stay as they were, and a failed write keeps the previous file. False when any step fails.
bool EditIniFileAtomic(const QString& path, const std::function<void(QSettings&)>& edit);

// The file holding the widths ColumnSize names: Key itself for an INI file; for the per-user store, one INI file
// named after Key in the application's configuration folder. Empty when Key names no usable file.
QString ColumnSizeStoreFile(const TColumnSize& size);
