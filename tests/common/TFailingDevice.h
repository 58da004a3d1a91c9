#pragma once
// A write device that passes the first `limit` bytes on to the file behind it and then fails, as a full disk or a
// lost network share does half way through a write. TFailing_Writes puts one behind the atomic writer for the
// targets a test names, for as long as it lives.
#include <QIODevice>
#include <QString>
#include <QStringList>

#include "USaveFile.h"

class TFailingDevice : public QIODevice {
 public:
  TFailingDevice(QIODevice& target, qint64 limit);
  qint64 Passed() const { return FPassed; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override;

 private:
  QIODevice& FTarget;
  qint64 FLimit;
  qint64 FPassed = 0;
};

class TFailing_Writes {
 public:
  // Every atomic write to a path ending in `suffix` (any path for an empty one) fails after `limit` bytes.
  TFailing_Writes(QString suffix, qint64 limit);
  ~TFailing_Writes();
  TFailing_Writes(const TFailing_Writes&) = delete;
  TFailing_Writes& operator=(const TFailing_Writes&) = delete;

  // The paths whose write went through a failing device, in order.
  QStringList Failed;
};
