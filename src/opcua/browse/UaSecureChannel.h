#pragma once
// The secure conversation over UA-TCP: the channel is opened with OPN (asymmetric security with the two
// certificates, or none), requests and responses travel as MSG chunks (signed, or signed and encrypted, with the keys
// derived from the nonces; split and reassembled here), and CLO ends it. Every chunk received has the next sequence
// number.
#include <QByteArray>
#include <cstdint>

#include "UaChunkSecurity.h"
#include "UaMessages.h"
#include "UaTransport.h"

class TUaSecureChannel {
 public:
  // Without a security the channel runs with policy None.
  void Open(const TUaEndpointUrl& address, const QByteArray& endpoint_url, TUaDeadline deadline,
            const TUaChannelSecurity& security = TUaChannelSecurity());
  // Sends one encoded request (type id, header, body) and returns the encoded response of the same request id.
  QByteArray Exchange(const QByteArray& request, TUaDeadline deadline);
  // Tells the server the channel ends, when it is open, and closes the connection; never raises.
  void Close(const QByteArray& close_request, TUaDeadline deadline);
  bool Is_Open() const { return FTransport.Is_Open(); }
  // The life asked for the tokens of the next Open and its renewals.
  void Set_Lifetime(uint32_t milliseconds) { FLifetime_Ms = milliseconds; }
  // How often the token was renewed since the channel opened.
  int Renewals() const { return FRenewals; }

 private:
  void Send_Message(const char* type, const QByteArray& body, uint32_t request_id, TUaDeadline deadline);
  QByteArray Receive_Message(const char* type, uint32_t request_id, TUaDeadline deadline);
  QByteArray Security_Header(const char* type) const;
  // The sequence header and body of one received chunk, its security checked and removed.
  QByteArray Open_Chunk(const TUaChunk& chunk, TUaDeadline deadline);
  void Check_Sequence(uint32_t number);
  void Request_Token(TUaTokenRequest kind, TUaDeadline deadline);

  TUaTransport FTransport;
  TUaChannelSecurity FSecurity;
  TUaChannelKeys FKeys;
  TUaChannelKeys FPrevious_Keys;  // of the token before a renewal, for responses still under it
  uint32_t FPrevious_TokenId = 0;
  uint32_t FChannelId = 0;
  uint32_t FTokenId = 0;
  uint32_t FSequence = 0;
  uint32_t FRequestId = 0;
  bool FHave_Received = false;
  uint32_t FReceived_Sequence = 0;
  TUaDeadline FRenew_At;
  uint32_t FLifetime_Ms = 3600000;
  int FRenewals = 0;
};
