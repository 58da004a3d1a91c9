#pragma once
// Pins the user's number and date conventions for one test, and restores the system's afterwards.
#include "UFormatSettings.h"

class TPinnedFormat {
 public:
  explicit TPinnedFormat(QChar decimal = u'.', QChar thousand = u',', QChar dateSeparator = u'/',
                         const QString& shortDate = QStringLiteral("M/d/yyyy"), QChar timeSeparator = u':') {
    TFormatSettings fs;
    fs.DecimalSeparator = decimal;
    fs.ThousandSeparator = thousand;
    fs.DateSeparator = dateSeparator;
    fs.ShortDateFormat = shortDate;
    fs.TimeSeparator = timeSeparator;
    Set_Format_Settings_Provider([fs] { return fs; });
  }
  ~TPinnedFormat() { Set_Format_Settings_Provider({}); }
  TPinnedFormat(const TPinnedFormat&) = delete;
  TPinnedFormat& operator=(const TPinnedFormat&) = delete;
};
