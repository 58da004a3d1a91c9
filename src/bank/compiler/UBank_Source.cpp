#include "UBank_Source.h"

#include <QFile>

#include "Exception.h"

void Load_Bank_Source(TXmlDocument& xml, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw Exception(QStringLiteral("Cannot open the file %1: %2.").arg(path, file.errorString()));
  if (!xml.Load_Bytes(file.readAll()))
    throw Exception(QStringLiteral("Cannot read the file %1: it %2.").arg(path, xml.Error()));
}

void Fail_In_File(const QString& path, const QString& problem) {
  throw Exception(QStringLiteral("Error in the file %1: %2.").arg(path, problem));
}

void Check_Device_Text(const QString& path, QStringView text, const QString& field) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].unicode() <= 0xFF) continue;
    char32_t cp = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
      cp = QChar::surrogateToUcs4(text[i], text[i + 1]);
    Fail_In_File(path, QStringLiteral("%1 holds the character U+%2, which the device cannot store (it takes "
                                      "characters up to U+00FF only)")
                           .arg(field)
                           .arg(QString::number(cp, 16).toUpper().rightJustified(4, u'0')));
  }
}

void Check_Device_Text_Utf8(const QString& path, std::string_view text, const QString& field) {
  // Lead bytes up to 0xC3 encode characters up to U+00FF.
  for (const char c : text)
    if (static_cast<unsigned char>(c) > 0xC3) {
      Check_Device_Text(path, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), field);
      return;
    }
}
