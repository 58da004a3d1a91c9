#pragma once
// Typing into a line edit through an edit mask: each character goes to the next place that takes it, literals are
// stepped over, erasing blanks places instead of closing the gap, and the edit's value is read back through the
// mask. Without a mask the edit is left alone.
#include <QObject>
#include <QPointer>

#include "UEditMask.h"

class QKeyEvent;
class QLineEdit;

class TMaskedInput : public QObject {
 public:
  // With `watchKeys` the input takes the edit's keys itself; otherwise its owner hands them over (HandleKey).
  TMaskedInput(QLineEdit& edit, bool watchKeys);

  // Raises EEditMaskError for a mask that cannot be used; the edit keeps its mask and text then. An empty mask
  // ends the masked input.
  void SetMask(const QString& mask);
  bool Active() const { return !FMask.IsEmpty(); }
  const TEditMask& Mask() const { return FMask; }
  // The value the edit stands for, and a value shown through the mask.
  QString Value() const;
  void SetValue(const QString& value);
  // One typed character at the caret; false when no place takes it.
  bool Type(QChar ch);
  void Erase(bool backwards);
  void Paste(const QString& text);
  // The keys that change a masked edit's text; true when the key was dealt with here.
  bool HandleKey(QKeyEvent* e);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Show(const QString& display, int32_t caret);

  QPointer<QLineEdit> FEdit;
  TEditMask FMask;
};
