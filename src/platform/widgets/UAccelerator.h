#pragma once
// The accelerator of a caption ("&Find": F) and the toolkit shortcut (Alt with that key) that reaches a control.
#include <QChar>
#include <QString>

class QWidget;

// The upper-case character marked by the caption's "&" ("&&" shows one ampersand); with several marks the last,
// which is the one the caption's text drawing underlines. None when the caption has none.
QChar AcceleratorOf(const QString& caption);
// Releases the control's previous shortcut and grabs Alt with the caption's accelerator, so that the key reaches
// the control even while an edit field, which takes plain characters, has the focus; the new id, or 0.
int GrabAccelerator(QWidget* control, int previousId, const QString& caption);
