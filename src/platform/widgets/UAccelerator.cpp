#include "UAccelerator.h"

#include <QKeySequence>
#include <QWidget>

#include "UTextLayout.h"

QChar AcceleratorOf(const QString& caption) {
  int32_t index = -1;
  const QString plain = Strip_Prefix(caption, &index);
  return index >= 0 ? plain.at(index).toUpper() : QChar();
}

int GrabAccelerator(QWidget* control, int previousId, const QString& caption) {
  if (previousId) control->releaseShortcut(previousId);
  const QChar key = AcceleratorOf(caption);
  if (key.isNull()) return 0;
  return control->grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))));
}
