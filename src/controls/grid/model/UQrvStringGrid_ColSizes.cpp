// The user's column widths, kept under ColumnSize's Key and Section.
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <limits>

#include "UGridIniFile.h"
#include "UQrvStringGrid.h"

namespace {
QString ColKey(const QString& section, int32_t i) {
  return section + QStringLiteral("/Col") + QString::number(i);
}
}  // namespace

bool TQrvStringGrid::SaveColSizes() {
  const QString file = ColumnSizeStoreFile(ColumnSize());
  const QString section = ColumnSize().Section();
  if (file.isEmpty() || section.isEmpty() || IsDesigning()) return false;
  if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
  return EditIniFileAtomic(file, [&](QSettings& ini) {
    for (int32_t i = 0; i < ColCount(); ++i) ini.setValue(ColKey(section, i), ColWidths(i));
  });
}

void TQrvStringGrid::LoadColSizes() {
  const QString file = ColumnSizeStoreFile(ColumnSize());
  const QString section = ColumnSize().Section();
  if (file.isEmpty() || section.isEmpty() || IsDesigning() || !QFileInfo(file).isFile()) return;
  const QSettings ini(file, QSettings::IniFormat);
  for (int32_t i = 0; i < ColCount(); ++i) {
    bool ok = false;
    const int32_t width = ini.value(ColKey(section, i)).toString().toInt(&ok);
    // A hidden column keeps its width in a 16-bit table, so a larger one is as foreign as text or a negative one.
    if (!ok || width < 0 || width > std::numeric_limits<int16_t>::max()) continue;
    if (width != ColWidths(i)) SetColWidths(i, width);
  }
}
