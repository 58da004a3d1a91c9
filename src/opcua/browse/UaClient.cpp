#include "UaClient.h"

#include <algorithm>

TUaDeadline TUaClient::Step_Deadline() const {
  return std::min(Ua_Deadline_In(FStep_Ms), FOverall);
}

TUaRequestHeader TUaClient::Next_Header() {
  TUaRequestHeader header;
  header.AuthenticationToken = FAuthToken;
  header.RequestHandle = ++FHandle;
  header.TimeoutHint = uint32_t(FStep_Ms);
  return header;
}

QByteArray TUaClient::Exchange(const QByteArray& request) {
  // An answer that is already waiting would be read without any wait that could notice the deadline.
  if (TUaClock::now() >= FOverall)
    throw EUaError(QStringLiteral("OPC UA browse ran out of time"), TUaFailure::No_Answer);
  return FChannel.Exchange(request, Step_Deadline());
}

void TUaClient::Connect(const TUaEndpointUrl& address, const QByteArray& endpoint_url,
                        const TUaChannelSecurity& security) {
  FChannel.Open(address, endpoint_url, Step_Deadline(), security);
}

std::vector<TUaEndpoint> TUaClient::Get_Endpoints(const QByteArray& endpoint_url) {
  return Ua_Decode_Get_Endpoints_Response(Exchange(Ua_Encode_Get_Endpoints_Request(Next_Header(), endpoint_url)));
}

TUaSessionInfo TUaClient::Create_Session(const QByteArray& endpoint_url, const QByteArray& client_nonce,
                                         const QByteArray& application_uri, const QByteArray& client_certificate) {
  QByteArray request =
      Ua_Encode_Create_Session_Request(Next_Header(), endpoint_url, client_nonce, Ua_Client_Limits().MaxMessageSize,
                                       application_uri, client_certificate);
  TUaSessionInfo info = Ua_Decode_Create_Session_Response(Exchange(request));
  FAuthToken = info.AuthenticationToken;
  FSession = true;
  return info;
}

void TUaClient::Activate_Session(const TUaIdentityToken& identity, const TUaSignature& client_signature) {
  Ua_Decode_Activate_Session_Response(
      Exchange(Ua_Encode_Activate_Session_Request(Next_Header(), identity, client_signature)));
}

std::vector<TUaBrowseResult> TUaClient::Browse(const std::vector<TUaBrowseDescription>& nodes,
                                               uint32_t max_references) {
  return Ua_Decode_Browse_Response(Exchange(Ua_Encode_Browse_Request(Next_Header(), max_references, nodes)),
                                   UaId::BrowseResponse, nodes.size(), max_references);
}

std::vector<TUaBrowseResult> TUaClient::Browse_Next(const std::vector<QByteArray>& continuation_points,
                                                    uint32_t max_references) {
  return Ua_Decode_Browse_Response(Exchange(Ua_Encode_Browse_Next_Request(Next_Header(), false, continuation_points)),
                                   UaId::BrowseNextResponse, continuation_points.size(), max_references);
}

std::vector<TUaDataValue> TUaClient::Read(const std::vector<TUaReadValueId>& nodes) {
  return Ua_Decode_Read_Response(Exchange(Ua_Encode_Read_Request(Next_Header(), nodes)), nodes.size());
}

void TUaClient::Disconnect() {
  if (!FChannel.Is_Open()) return;
  // Closing gets its own short time, also when the browse used up its overall time.
  TUaDeadline deadline = Ua_Deadline_In(std::min(FStep_Ms, 2000));
  if (FSession) {
    try {
      Ua_Decode_Close_Session_Response(FChannel.Exchange(Ua_Encode_Close_Session_Request(Next_Header()), deadline));
    } catch (const std::exception&) {
      // The server drops the session by itself when its timeout runs out.
    }
    FSession = false;
  }
  FAuthToken = TUaNodeId();
  FChannel.Close(Ua_Encode_Close_Channel_Request(Next_Header()), deadline);
}
