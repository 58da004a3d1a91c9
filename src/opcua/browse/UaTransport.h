#pragma once
// UA-TCP: the connection handshake (Hello / Acknowledge), the 8-byte chunk header and Error messages.
#include <QByteArray>
#include <cstdint>

#include "UaEndpointUrl.h"
#include "UaSocket.h"

struct TUaTcpLimits {
  uint32_t ReceiveBufferSize = 0;
  uint32_t SendBufferSize = 0;
  uint32_t MaxMessageSize = 0;  // 0: no limit
  uint32_t MaxChunkCount = 0;   // 0: no limit
};

// What this client announces and enforces on what it receives.
TUaTcpLimits Ua_Client_Limits();

// One chunk as received: the three-letter message type, the chunk type ('F', 'C' or 'A') and what follows the header.
struct TUaChunk {
  QByteArray Type;
  char Chunk_Type = 'F';
  QByteArray Body;
};

QByteArray Ua_Chunk_Header(const char* type, char chunk_type, uint32_t total_size);
QByteArray Ua_Encode_Hello(const TUaTcpLimits& limits, const QByteArray& endpoint_url);
// Reads an Acknowledge body; raises EUaError when the server's buffers are below the protocol's minimum.
TUaTcpLimits Ua_Decode_Acknowledge(const QByteArray& body);
// The text of an Error message body (status code and reason), for the failure raised on it.
QString Ua_Describe_Error(const QByteArray& body);

class TUaTransport {
 public:
  // Connects and exchanges Hello / Acknowledge, all before the deadline.
  void Open(const TUaEndpointUrl& address, const QByteArray& endpoint_url, TUaDeadline deadline);
  void Send_Chunk(const char* type, char chunk_type, const QByteArray& payload, TUaDeadline deadline);
  // Sends a chunk whose header its security already wrote.
  void Send_Sealed(const QByteArray& chunk, TUaDeadline deadline);
  // The next chunk; an Error message from the server raises EUaError with its reason.
  TUaChunk Receive_Chunk(TUaDeadline deadline);
  void Close() { FSocket.Close(); }
  bool Is_Open() const { return FSocket.Is_Open(); }
  // The server's limits from its Acknowledge.
  const TUaTcpLimits& Peer() const { return FPeer; }

 private:
  TUaSocket FSocket;
  TUaTcpLimits FPeer;
};
