#include "UFormatSettings.h"

#include <QLocale>

namespace {
std::function<TFormatSettings()>& Provider() {
  static std::function<TFormatSettings()> provider;
  return provider;
}

QChar First_Separator(const QString& format, QChar fallback) {
  for (QChar c : format)
    if (!c.isLetter()) return c;
  return fallback;
}
}  // namespace

TFormatSettings System_Format_Settings() {
  const QLocale locale = QLocale::system();
  TFormatSettings fs;
  fs.DecimalSeparator = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().at(0);
  fs.ThousandSeparator = locale.groupSeparator().isEmpty() ? QChar(u',') : locale.groupSeparator().at(0);
  fs.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
  fs.LongDateFormat = locale.dateFormat(QLocale::LongFormat);
  fs.ShortTimeFormat = locale.timeFormat(QLocale::ShortFormat);
  fs.LongTimeFormat = locale.timeFormat(QLocale::LongFormat);
  fs.DateSeparator = First_Separator(fs.ShortDateFormat, u'/');
  fs.TimeSeparator = First_Separator(fs.ShortTimeFormat, u':');
  return fs;
}

TFormatSettings FormatSettings() {
  const auto& provider = Provider();
  return provider ? provider() : System_Format_Settings();
}

void Set_Format_Settings_Provider(std::function<TFormatSettings()> provider) {
  Provider() = std::move(provider);
}
