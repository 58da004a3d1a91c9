#include "UParGenChecks.h"

#include "UStrUtils.h"

namespace {
constexpr int32_t Octet_Max = 255;
constexpr int32_t Port_Max = 65535;
// The device's application port: the update recipe talks to it there, so Modbus may not take it.
constexpr int32_t Reserved_Port = 10000;
constexpr int32_t Poll_Time_Max = 10000000;
// The device keeps PIN and APN together in one buffer of this size.
constexpr int32_t Gsm_Buffer_Size = 512;

struct TOctetCheck {
  TParGenField First;
  int32_t First_Message;
  TParGenField Only_When;  // a flag that switches the check on, or ParGen_Field_Count for always
};

const TOctetCheck Octet_Checks[] = {
    {pfEth_Conn_Primary_DNS1, 3412, pfEth_Conn_Enable_DNS}, {pfEth_Conn_Secondary_DNS1, 3416, pfEth_Conn_Enable_DNS},
    {pfOPC_UA_Client_IP1, 806, ParGen_Field_Count},         {pfOPC_UA_Client_SM1, 810, ParGen_Field_Count},
    {pfOPC_UA_Client_GAT1, 814, pfOPC_UA_Client_EN_GAT},    {pfModbus_TCP_Slave_IP1, 821, ParGen_Field_Count},
    {pfModbus_TCP_Slave_SM1, 825, ParGen_Field_Count},      {pfModbus_TCP_Slave_GAT1, 829, pfModbus_TCP_Slave_EN_GAT},
};

bool In_Range(const QString& text, int32_t max) {
  const int32_t v = ParGen_Field_Number(text);
  return v >= 0 && v <= max;
}

int32_t First_Bad_Octet(const TParGenValues& values, const TOctetCheck& check) {
  if (check.Only_When != ParGen_Field_Count && values[check.Only_When] != u"1") return 0;
  for (int32_t k = 0; k < 4; ++k)
    if (!In_Range(values[check.First + k], Octet_Max)) return check.First_Message + k;
  return 0;
}
}  // namespace

int32_t ParGen_Field_Number(const QString& text) {
  int32_t v = -1;
  return TryStrToInt(text, v) ? v : -1;
}

int32_t ParGen_First_Error(const TParGenValues& values, const QString& gsm_pin, const QString& gsm_apn) {
  for (const TOctetCheck& check : Octet_Checks)
    if (const int32_t id = First_Bad_Octet(values, check)) return id;
  const QString& port = values[pfModbus_TCP_Slave_Port];
  if (!In_Range(port, Port_Max) || ParGen_Field_Number(port) == Reserved_Port) return 833;
  if (!In_Range(values[pfNTP_Poll_Time], Poll_Time_Max)) return 925;
  const QString gsm =
      QStringLiteral("PIN=") + gsm_pin + QStringLiteral("\r\nAPN=") + gsm_apn + QStringLiteral("\r\n");
  if (gsm.size() > Gsm_Buffer_Size) return 3465;
  return 0;
}

int32_t ParGen_First_Range_Error(const TParGenTexts& texts) {
  // Only integers outside their range count: a missing element, or a text that is no integer, takes the reader's
  // default, which lies in range. Standing in "0" for those lets the window's own checks decide the rest.
  TParGenValues values;
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) {
    int32_t v;
    const bool keep = texts[i] && (ParGen_Elements[i].Is_Flag || TryStrToInt(*texts[i], v));
    values[i] = keep ? *texts[i] : QStringLiteral("0");
  }
  return ParGen_First_Error(values, QString(), QString());
}
