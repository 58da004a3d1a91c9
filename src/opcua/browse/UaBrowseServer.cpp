#include "UaBrowseServer.h"

#include "UaCrypto.h"

namespace {

constexpr int Client_Nonce_Size = 32;

const TUaEndpoint& Pick_Unsecured_Endpoint(const std::vector<TUaEndpoint>& endpoints) {
  for (const TUaEndpoint& e : endpoints) {
    bool binary = e.TransportProfileUri.isEmpty() || e.TransportProfileUri == Ua_Binary_Transport_Uri;
    if (e.SecurityMode == uaModeNone && e.SecurityPolicyUri == Ua_Policy_None_Uri && binary) return e;
  }
  throw EUaError(QStringLiteral("OPC UA server offers no endpoint without security"));
}

}  // namespace

std::vector<TUaFoundVariable> Ua_Browse_Server(const QByteArray& endpoint_url, const TUaLogin& login,
                                               const TUaBrowseLimits& limits, TUaDeadline deadline) {
  TUaEndpointUrl address;
  if (!Parse_Endpoint_Url(endpoint_url, address)) throw EUaError(QStringLiteral("not an opc.tcp address"));
  const QByteArray url = endpoint_url.trimmed();

  TUaClient client(limits.Step_Timeout_Ms, deadline);
  client.Connect(address, url);
  const TUaEndpoint endpoint = Pick_Unsecured_Endpoint(client.Get_Endpoints(url));

  TUaSessionInfo session = client.Create_Session(url, Ua_Random_Bytes(Client_Nonce_Size));
  // The certificate that encrypts a password must be the one the endpoint list announced.
  if (!session.ServerCertificate.isEmpty() && !endpoint.ServerCertificate.isEmpty() &&
      session.ServerCertificate != endpoint.ServerCertificate)
    throw EUaError(QStringLiteral("OPC UA server certificate differs from its endpoint's"));
  const QByteArray certificate =
      session.ServerCertificate.isEmpty() ? endpoint.ServerCertificate : session.ServerCertificate;
  client.Activate_Session(
      Ua_Build_Identity(endpoint, login, certificate, session.ServerNonce, client.Step_Deadline()));

  TUaBrowseWalker walker(client, limits);
  std::vector<TUaFoundVariable> found = walker.Run();
  client.Disconnect();
  return found;
}
