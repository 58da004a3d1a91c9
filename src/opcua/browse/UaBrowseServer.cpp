#include "UaBrowseServer.h"

#include "UaClientCertificate.h"
#include "UaCrypto.h"

namespace {

constexpr int Client_Nonce_Size = 32;

bool Binary(const TUaEndpoint& e) {
  return e.TransportProfileUri.isEmpty() || e.TransportProfileUri == Ua_Binary_Transport_Uri;
}

const TUaEndpoint& Pick_Endpoint(const std::vector<TUaEndpoint>& endpoints, const TUaSecurityRequest& security) {
  const QByteArray policy = security.Policy ? QByteArray(security.Policy->Uri) : Ua_Policy_None_Uri;
  for (const TUaEndpoint& e : endpoints)
    if (e.SecurityMode == security.Mode && e.SecurityPolicyUri == policy && Binary(e)) return e;
  throw EUaError(QStringLiteral("OPC UA server offers no endpoint with the security asked for"),
                 TUaFailure::Security_Not_Offered);
}

// The certificate and key the channel is secured with: the login's certificate identity, or the program's own.
TUaOwnCertificate Client_Certificate(const TUaLogin& login, const TUaSecurityRequest& security) {
  if (login.Kind() == TUaLoginKind::Certificate) return {login.Certificate_Der, login.Key};
  return Ua_Program_Certificate(security.Certificate_Folder);
}

std::vector<TUaFoundVariable> Walk(TUaClient& client, const TUaBrowseLimits& limits) {
  TUaBrowseWalker walker(client, limits);
  std::vector<TUaFoundVariable> found = walker.Run();
  client.Disconnect();
  return found;
}

}  // namespace

std::vector<TUaFoundVariable> Ua_Browse_Server(const QByteArray& endpoint_url, const TUaLogin& login,
                                               const TUaBrowseLimits& limits, TUaDeadline deadline,
                                               const TUaSecurityRequest& security) {
  TUaEndpointUrl address;
  if (!Parse_Endpoint_Url(endpoint_url, address))
    throw EUaError(QStringLiteral("not an opc.tcp address"), TUaFailure::Bad_Address);
  const QByteArray url = endpoint_url.trimmed();
  const bool secured = security.Mode != uaModeNone && security.Policy;
  if (security.Mode != uaModeNone && !secured)
    throw EUaError(QStringLiteral("OPC UA security without a policy"), TUaFailure::No_Policy);

  TUaClient client(limits.Step_Timeout_Ms, deadline, limits.Channel_Lifetime_Ms);
  client.Connect(address, url);
  const TUaEndpoint endpoint = Pick_Endpoint(client.Get_Endpoints(url), security);

  if (!secured) {
    TUaSessionInfo session = client.Create_Session(url, Ua_Random_Bytes(Client_Nonce_Size));
    // The certificate that encrypts a password must be the one the endpoint list announced.
    if (!session.ServerCertificate.isEmpty() && !endpoint.ServerCertificate.isEmpty() &&
        !Ua_Same_Certificate(session.ServerCertificate, endpoint.ServerCertificate))
      throw EUaError(QStringLiteral("OPC UA server certificate differs from its endpoint's"),
                     TUaFailure::Server_Certificate);
    const QByteArray certificate =
        session.ServerCertificate.isEmpty() ? endpoint.ServerCertificate : session.ServerCertificate;
    client.Activate_Session(
        Ua_Build_Identity(endpoint, login, certificate, session.ServerNonce, client.Step_Deadline()));
    return Walk(client, limits);
  }

  // The endpoint list came over an unsecured channel: its certificate is checked before anything is sent under it.
  const TUaSecurityPolicy& policy = *security.Policy;
  Ua_Check_Server_Certificate(endpoint, policy);
  const TUaOwnCertificate own = Client_Certificate(login, security);
  client.Disconnect();
  client.Connect(address, url, {&policy, security.Mode, own.Der, own.Key, endpoint.ServerCertificate});

  const QByteArray client_nonce = Ua_Random_Bytes(Client_Nonce_Size);
  const QByteArray application_uri = Ua_Certificate_Application_Uri(own.Der);
  TUaSessionInfo session = client.Create_Session(url, client_nonce, application_uri, own.Der);
  if (!Ua_Same_Certificate(session.ServerCertificate, endpoint.ServerCertificate))
    throw EUaError(QStringLiteral("OPC UA server certificate differs from its endpoint's"),
                   TUaFailure::Server_Certificate);
  // The server proves it holds the certificate's key by signing ours with our nonce. The policy fixes the
  // algorithm: servers name the PSS one by more than one URI, so the name is not compared.
  if (!Ua_Rsa_Verify(endpoint.ServerCertificate, own.Der + client_nonce, session.ServerSignature.Signature,
                     policy.Asym_Signature))
    throw EUaError(QStringLiteral("OPC UA server signature is wrong"), TUaFailure::Server_Certificate);
  const TUaSignature client_signature{
      policy.Asym_Signature_Uri,
      Ua_Rsa_Sign(own.Key, endpoint.ServerCertificate + session.ServerNonce, policy.Asym_Signature)};
  client.Activate_Session(
      Ua_Build_Identity(endpoint, login, endpoint.ServerCertificate, session.ServerNonce, client.Step_Deadline()),
      client_signature);
  return Walk(client, limits);
}
