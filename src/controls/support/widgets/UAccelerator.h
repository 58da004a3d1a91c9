#pragma once
// The accelerator of a caption ("&Find": F) and the toolkit shortcut (Alt with that key) that reaches a control.
#include <QChar>
#include <QString>

class QWidget;

// The upper-case character after the first single "&"; none when the caption has none.
QChar AcceleratorOf(const QString& caption);
// Releases the control's previous shortcut and grabs Alt with the caption's accelerator; the new id, or 0.
int GrabAccelerator(QWidget* control, int previousId, const QString& caption);
