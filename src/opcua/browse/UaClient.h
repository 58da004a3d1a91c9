#pragma once
// The services of one connection: each call sends one request over the secure channel and decodes its response,
// within the step time limit and never past the overall deadline of the browse.
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "UaBrowseMessages.h"
#include "UaMessages.h"
#include "UaSecureChannel.h"

class TUaClient {
 public:
  TUaClient(int step_ms, TUaDeadline overall, uint32_t channel_lifetime_ms = 3600000)
      : FStep_Ms(step_ms), FOverall(overall) {
    FChannel.Set_Lifetime(channel_lifetime_ms);
  }
  ~TUaClient() { Disconnect(); }
  TUaClient(const TUaClient&) = delete;
  TUaClient& operator=(const TUaClient&) = delete;

  void Connect(const TUaEndpointUrl& address, const QByteArray& endpoint_url,
               const TUaChannelSecurity& security = TUaChannelSecurity());
  std::vector<TUaEndpoint> Get_Endpoints(const QByteArray& endpoint_url);
  TUaSessionInfo Create_Session(const QByteArray& endpoint_url, const QByteArray& client_nonce,
                                const QByteArray& application_uri = QByteArray(),
                                const QByteArray& client_certificate = QByteArray());
  void Activate_Session(const TUaIdentityToken& identity, const TUaSignature& client_signature = TUaSignature());
  // Results in the order of the request; a response with another count, or with more references per node than
  // max_references (that of the Browse the points come from), raises EUaError.
  std::vector<TUaBrowseResult> Browse(const std::vector<TUaBrowseDescription>& nodes, uint32_t max_references);
  std::vector<TUaBrowseResult> Browse_Next(const std::vector<QByteArray>& continuation_points,
                                           uint32_t max_references);
  std::vector<TUaDataValue> Read(const std::vector<TUaReadValueId>& nodes);
  // The time the current step may still take: the step limit, never past the browse's deadline.
  TUaDeadline Step_Deadline() const;
  int Channel_Renewals() const { return FChannel.Renewals(); }
  // Closes the session and the channel as far as the server still answers; never raises.
  void Disconnect();

 private:
  TUaRequestHeader Next_Header();
  QByteArray Exchange(const QByteArray& request);

  TUaSecureChannel FChannel;
  int FStep_Ms;
  TUaDeadline FOverall;
  TUaNodeId FAuthToken;
  bool FSession = false;
  uint32_t FHandle = 0;
};
