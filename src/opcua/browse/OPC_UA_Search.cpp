#include "OPC_UA_Search.h"

#include <QString>
#include <vector>

#include "UCodePage.h"
#include "UGlobals.h"
#include "UaBrowseServer.h"

namespace {

constexpr int32_t Auth_Anonymous = 0;
constexpr int32_t Auth_User_Password = 1;
constexpr int32_t Auth_Certificate = 2;
constexpr int32_t Security_None = 0;
constexpr int32_t Security_Sign = 1;
constexpr int32_t Security_Sign_And_Encrypt = 2;
constexpr int32_t Last_Data_Type = 14;

// A browsed variable with the 8-bit texts its record points into.
struct TStoredVariable {
  opcua_structure Record;
  QByteArray String_Id;
  QByteArray Bytes_Id;
  QByteArray Display_Name;
};

QString& Last_Error() {
  static QString text;
  return text;
}

TUaFailure& Last_Failure() {
  static TUaFailure reason = TUaFailure::None;
  return reason;
}

std::vector<TStoredVariable>& Last_Browse() {
  static std::vector<TStoredVariable> list;
  return list;
}

QByteArray Utf8_Of(const char* ansi) {
  return ansi ? Ansi_To_Unicode(QByteArray(ansi)).toUtf8() : QByteArray();
}

// An identifier travels on as the record's 8-bit text: the browse window reads it through the code page and the
// device image keeps one byte per character. Only an identifier whose every byte comes back as itself that way is
// offered, since one that came back altered would name another node, or none.
bool Keeps_Its_Bytes(const QByteArray& ansi) {
  return !ansi.isEmpty() && !ansi.contains('\0') && Ansi_To_Unicode(ansi) == QString::fromLatin1(ansi);
}

// The 8-bit form of a string identifier, or false when it cannot be carried unchanged.
bool Ansi_Identifier(const QByteArray& utf8, QByteArray& out) {
  const QString text = QString::fromUtf8(utf8);
  out = Unicode_To_Ansi(text);
  return Keeps_Its_Bytes(out) && QString::fromLatin1(out) == text;
}

bool To_Stored(const TUaFoundVariable& found, TStoredVariable& out) {
  if (found.Data_Type < 0 || found.Data_Type > Last_Data_Type) return false;
  const uint8_t access = found.Access_Level & 0x03;
  if (access == 0) return false;  // a record's 0 would read as "read and write"
  opcua_structure& r = out.Record;
  r.nameSpaceIndex = found.NodeId.Namespace;
  r.identifierType = uint16_t(found.NodeId.Type);
  switch (found.NodeId.Type) {
    case TUaIdType::Numeric:
      r.numeric = found.NodeId.Numeric;
      break;
    case TUaIdType::String:
      if (!Ansi_Identifier(found.NodeId.Text, out.String_Id)) return false;
      break;
    case TUaIdType::ByteString:
      // Opaque identifiers pass as their bytes.
      if (!Keeps_Its_Bytes(found.NodeId.Text)) return false;
      out.Bytes_Id = found.NodeId.Text;
      break;
    case TUaIdType::Guid:
      r.guide1 = found.NodeId.Guid.Data1;
      r.guide2 = found.NodeId.Guid.Data2;
      r.guide3 = found.NodeId.Guid.Data3;
      std::copy(std::begin(found.NodeId.Guid.Data4), std::end(found.NodeId.Guid.Data4), r.guide4);
      break;
  }
  out.Display_Name = Unicode_To_Ansi(QString::fromUtf8(found.DisplayName).remove(QChar(0)));
  r.stringLength = uint32_t(out.String_Id.size());
  r.byteStringLength = uint32_t(out.Bytes_Id.size());
  r.displayNameLength = uint32_t(out.Display_Name.size());
  r.dataType = found.Data_Type;
  r.accessLevel = access;
  return true;
}

// The login of the record; the certificate identity's texts are the PEM texts as pasted.
TUaLogin Login_Of(const opcua_server_to_discover& server) {
  TUaLogin login;
  login.Anonymous = server.user_pass_auth_flag == Auth_Anonymous;
  if (server.user_pass_auth_flag == Auth_User_Password) {
    login.User = Utf8_Of(server.username);
    login.Password = Utf8_Of(server.password);
  } else if (server.user_pass_auth_flag == Auth_Certificate) {
    login.Certificate_Der = Ua_Certificate_Der(server.cert ? QByteArray(server.cert) : QByteArray());
    login.Key = Ua_Private_Key(server.priv_key ? QByteArray(server.priv_key) : QByteArray());
    if (login.Certificate_Der.isEmpty())
      throw EUaError(QStringLiteral("The certificate is not a PEM certificate"), TUaFailure::Bad_Identity);
    if (!login.Key)
      throw EUaError(QStringLiteral("The private key is not an RSA key in PEM form"), TUaFailure::Bad_Identity);
    if (!Ua_Key_Matches_Certificate(login.Key, login.Certificate_Der))
      throw EUaError(QStringLiteral("The private key does not belong to the certificate"), TUaFailure::Bad_Identity);
  } else if (!login.Anonymous) {
    throw EUaError(QStringLiteral("unknown OPC UA authorization"));
  }
  return login;
}

TUaSecurityRequest Security_Of(const opcua_server_to_discover& server) {
  TUaSecurityRequest security;
  security.Certificate_Folder = Path_Exe;
  switch (server.security_type) {
    case Security_None:
      return security;
    case Security_Sign:
      security.Mode = uaModeSign;
      break;
    case Security_Sign_And_Encrypt:
      security.Mode = uaModeSignAndEncrypt;
      break;
    default:
      throw EUaError(QStringLiteral("unknown OPC UA security mode"));
  }
  security.Policy = Ua_Policy_Of_Code(server.security_policy);
  if (!security.Policy)
    throw EUaError(QStringLiteral("OPC UA security mode without a security policy"), TUaFailure::No_Policy);
  return security;
}

}  // namespace

QString Ua_Last_Browse_Error() {
  return Last_Error();
}

TUaFailure Ua_Last_Browse_Failure() {
  return Last_Failure();
}

int32_t Ua_Client_Begin(const opcua_server_to_discover& server, const TUaBrowseLimits& limits) {
  std::vector<TStoredVariable>& list = Last_Browse();
  list.clear();
  Last_Error().clear();
  Last_Failure() = TUaFailure::None;
  const TUaDeadline deadline = Ua_Deadline_In(limits.Total_Timeout_Ms);
  try {
    const TUaLogin login = Login_Of(server);
    const TUaSecurityRequest security = Security_Of(server);
    for (const TUaFoundVariable& found :
         Ua_Browse_Server(Utf8_Of(server.server_address), login, limits, deadline, security)) {
      if (int(list.size()) >= limits.Max_Variables) break;
      // The conversion to 8-bit texts is part of the browse and ends with it.
      if (TUaClock::now() >= deadline)
        throw EUaError(QStringLiteral("OPC UA browse ran out of time"), TUaFailure::No_Answer);
      TStoredVariable stored;
      if (To_Stored(found, stored)) list.push_back(std::move(stored));
    }
  } catch (const EUaError& e) {
    // The browse window shows an empty list for every failure, and the reason beside it.
    list.clear();
    Last_Error() = e.Message();
    Last_Failure() = e.Reason();
  } catch (const std::exception& e) {
    list.clear();
    Last_Error() = QString::fromLocal8Bit(e.what());
    Last_Failure() = TUaFailure::Protocol;
  }
  return int32_t(list.size());
}

int32_t opcua_client_begin(opcua_server_to_discover server) {
  return Ua_Client_Begin(server, TUaBrowseLimits());
}

int32_t opcua_return_variable(opcua_structure* variable, int32_t index) {
  if (!variable) return 0;
  const std::vector<TStoredVariable>& list = Last_Browse();
  if (index < 0 || size_t(index) >= list.size()) {
    *variable = opcua_structure();
    variable->stringname = variable->byteString = variable->displayName = "";
    return 0;
  }
  const TStoredVariable& stored = list[size_t(index)];
  *variable = stored.Record;
  variable->stringname = stored.String_Id.constData();
  variable->byteString = stored.Bytes_Id.constData();
  variable->displayName = stored.Display_Name.constData();
  return 1;
}
