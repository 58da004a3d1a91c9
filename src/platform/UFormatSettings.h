#pragma once
// The user's number and date conventions. Read at every call so a change of the system locale applies at once;
// tests pin them with Set_Format_Settings_Provider.
#include <QChar>
#include <QString>
#include <functional>

struct TFormatSettings {
  QChar DecimalSeparator = u'.';
  QChar ThousandSeparator = u',';
  QChar DateSeparator = u'/';
  QChar TimeSeparator = u':';
  QString ShortDateFormat = QStringLiteral("dd/MM/yyyy");
  QString LongDateFormat = QStringLiteral("dddd, d MMMM yyyy");
  QString ShortTimeFormat = QStringLiteral("HH:mm");
  QString LongTimeFormat = QStringLiteral("HH:mm:ss");
};

TFormatSettings FormatSettings();
// An empty provider restores the system locale.
void Set_Format_Settings_Provider(std::function<TFormatSettings()> provider);
TFormatSettings System_Format_Settings();
