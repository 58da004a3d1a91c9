#pragma once
// The secure conversation over UA-TCP with security policy None: the channel is opened with OPN, requests and
// responses travel as MSG chunks (split and reassembled here), and CLO ends it.
#include <QByteArray>
#include <cstdint>

#include "UaMessages.h"
#include "UaTransport.h"

class TUaSecureChannel {
 public:
  void Open(const TUaEndpointUrl& address, const QByteArray& endpoint_url, TUaDeadline deadline);
  // Sends one encoded request (type id, header, body) and returns the encoded response of the same request id.
  QByteArray Exchange(const QByteArray& request, TUaDeadline deadline);
  // Tells the server the channel ends, when it is open, and closes the connection; never raises.
  void Close(const QByteArray& close_request, TUaDeadline deadline);
  bool Is_Open() const { return FTransport.Is_Open(); }

 private:
  void Send_Message(const char* type, const QByteArray& body, uint32_t request_id, TUaDeadline deadline);
  QByteArray Receive_Message(const char* type, uint32_t request_id, TUaDeadline deadline);
  QByteArray Security_Header(const char* type) const;
  void Request_Token(TUaTokenRequest kind, TUaDeadline deadline);

  TUaTransport FTransport;
  uint32_t FChannelId = 0;
  uint32_t FTokenId = 0;
  uint32_t FSequence = 0;
  uint32_t FRequestId = 0;
  TUaDeadline FRenew_At;
};
