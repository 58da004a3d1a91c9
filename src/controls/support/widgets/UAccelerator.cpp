#include "UAccelerator.h"

#include <QKeySequence>
#include <QWidget>

QChar AcceleratorOf(const QString& caption) {
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toUpper();
    ++i;
  }
  return QChar();
}

int GrabAccelerator(QWidget* control, int previousId, const QString& caption) {
  if (previousId) control->releaseShortcut(previousId);
  const QChar key = AcceleratorOf(caption);
  if (key.isNull()) return 0;
  return control->grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))));
}
