#include "UBank_Source.h"

#include <QFile>

#include "Exception.h"

void Load_Bank_Source(TXmlDocument& xml, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw Exception(QStringLiteral("Cannot open the file %1: %2.").arg(path, file.errorString()));
  if (!xml.Load_Bytes(file.readAll()))
    throw Exception(QStringLiteral("Cannot read the file %1: it is not well-formed XML.").arg(path));
}
