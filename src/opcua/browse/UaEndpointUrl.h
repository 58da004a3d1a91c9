#pragma once
// The parts of an "opc.tcp://host[:port][/path]" endpoint address that the connection needs.
#include <QByteArray>
#include <cstdint>

struct TUaEndpointUrl {
  QByteArray Host;  // without the brackets of an IPv6 literal
  uint16_t Port = 4840;
};

// False for anything but a well-formed opc.tcp address; blanks around the address are ignored.
bool Parse_Endpoint_Url(const QByteArray& url, TUaEndpointUrl& out);
