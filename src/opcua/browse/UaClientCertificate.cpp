#include "UaClientCertificate.h"

#include <QDir>
#include <QFile>

#include "USaveFile.h"
#include "UaBinary.h"
#include "UaMessages.h"

namespace {

constexpr int Key_Bits = 2048;
constexpr int Valid_Days = 20 * 365;
const QByteArray Common_Name("SWTarn10 Configurator");

QByteArray Read_All(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Usable(const TUaOwnCertificate& own) {
  return own.Key && !own.Der.isEmpty() && Ua_Key_Matches_Certificate(own.Key, own.Der) &&
         Ua_Certificate_In_Time(own.Der) && Ua_Certificate_Application_Uri(own.Der) == Ua_Client_Application_Uri;
}

}  // namespace

TUaOwnCertificate Ua_Program_Certificate(const QString& folder) {
  const QDir dir(folder);
  const QString certificate_path = dir.filePath(Ua_Client_Certificate_File);
  const QString key_path = dir.filePath(Ua_Client_Key_File);
  TUaOwnCertificate kept{Ua_Certificate_Der(Read_All(certificate_path)), Ua_Private_Key(Read_All(key_path))};
  if (Usable(kept)) return kept;

  TUaOwnCertificate own = Ua_Create_Self_Signed(Ua_Client_Application_Uri, Common_Name, Key_Bits, Valid_Days);
  // The key file exists, empty and for the owner only, before the key is written: the writer keeps the permissions
  // of the file it replaces, so the key is never readable by others, not even for a moment.
  {
    QFile placeholder(key_path);
    if (!placeholder.exists() && placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly)) placeholder.close();
    placeholder.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
  QString failed;
  if (!Write_Files_Atomic({{certificate_path, own.Der}, {key_path, Ua_Private_Key_Pem(own.Key)}}, &failed))
    throw EUaError(QStringLiteral("The OPC UA client certificate cannot be written to %1 (%2)")
                       .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(failed)));
  QFile::setPermissions(key_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return own;
}
