// The J1939 and NMEA 2000 receive blocks, twins that share most of their messages.
#include "../UEnglishTexts.h"

namespace {
// The messages both receive blocks share, from `first` (2538 / 2733) on: source address, transport protocol.
void Add_Receive_Messages(QStringList& t, int first) {
  t[first] = QStringLiteral("!! Source Address must be between 0 and 239");
  t[first + 1] = QStringLiteral("!! Start Byte must be between 0 and 1785");
  t[first + 2] = QStringLiteral("!! Start Byte plus Number Bytes must be between 0 and 1785");
}

// The single-frame messages and the budget, from `first` (2541 / 2738) on.
void Add_Frame_Messages(QStringList& t, int first) {
  t[first] = QStringLiteral("!! Start Byte and Number Bytes must be both compiled");
  t[first + 1] = QStringLiteral("!! The Start Byte must be between 1 and 8");
  t[first + 2] = QStringLiteral("!! The Number Bytes must be between 1 and 8");
  t[first + 3] = QStringLiteral("!! The Number Bytes plus Start Byte must be minor of 9");
  t[first + 4] = QStringLiteral("Error!! Too many bytes of data, the max number is ");
}
}  // namespace

void Add_English_ReceiveJ1939(QStringList& t) {
  t[2500] = QStringLiteral("Receive J1939 Frames");
  t[2501] = QStringLiteral("Receive J1939 Frames");
  Add_English_Row_Buttons(t, 2502);
  t[2508] = QStringLiteral("Confirm and save the J1939 Receive Frames List");
  t[2509] = QStringLiteral("Exit without save the 1939 Receive Frames List");
  Add_English_Row_Hints(t, 2510);
  const char* const headers[] = {"N",          "Data Page", "PGN",         "Source Address", "Transport Protocol",
                                 "Start Byte", "N Byte",    "Cancel Data", "On Request",     "Time(ms)",
                                 "Mnemonic"};
  for (int i = 0; i < 11; ++i) t[2514 + i] = QString::fromLatin1(headers[i]);
  t[2525] = QStringLiteral("Select the Data Page of J1939 Frame, 0 or 1");
  t[2526] = QStringLiteral("Insert the PGN of J1939 Frame");
  t[2527] = QStringLiteral("Insert the Source Address of J1939 Frame");
  t[2528] = QStringLiteral("Enable or Disable the Transport Protocol for the J1939 Frame");
  t[2529] = QStringLiteral("Insert the First byte of J1939 Frame to Capture");
  t[2530] = QStringLiteral("Insert the Number of bytes of J1939 Frame to Capture");
  t[2531] = QStringLiteral("Enable or Disable the Possibility to Cancel the Data if TimeOut is Elapsed");
  t[2532] = QStringLiteral("Enable or Disable the Possibility to Send the Request for the J1939 Frame");
  t[2533] = QStringLiteral("Insert the Time Between Two Request for the J1939 Frame");
  t[2534] = QStringLiteral("Insert a description of the CAN Frame");
  t[2535] = QStringLiteral("Error in row ");
  t[2536] = QStringLiteral("!! Data Page must be 0 or 1");
  t[2537] = QStringLiteral("!! PGN must be between 0x0000 and 0xFFFF");
  Add_Receive_Messages(t, 2538);
  Add_Frame_Messages(t, 2541);
  t[2546] = QStringLiteral("!! Time(ms) must be between 0 and 10000000");
  t[2547] = QStringLiteral("Are you sure to delete the Row number ");
}

void Add_English_ReceiveNMEA(QStringList& t) {
  t[2700] = QStringLiteral("Receive NMEA 2000 Frames");
  t[2701] = QStringLiteral("Receive NMEA 2000 Frames");
  Add_English_Row_Buttons(t, 2702);
  t[2708] = QStringLiteral("Confirm and save the NMEA 2000 Receive Frames List");
  t[2709] = QStringLiteral("Exit without save the NMEA 2000 Receive Frames List");
  Add_English_Row_Hints(t, 2710);
  const char* const headers[] = {"N",           "PGN",        "Source Address", "Transport Protocol",
                                 "Fast Packet", "Start Byte", "N Byte",         "Cancel Data",
                                 "Mnemonic"};
  for (int i = 0; i < 9; ++i) t[2714 + i] = QString::fromLatin1(headers[i]);
  t[2723] = QStringLiteral("Insert the PGN of NMEA 2000 Frame");
  t[2724] = QStringLiteral("Insert the Source Address of NMEA 2000 Frame");
  t[2725] = QStringLiteral("Enable or Disable the Transport Protocol for the NMEA 2000 Frame");
  t[2726] = QStringLiteral("Enable or Disable the Fast Packet Protocol for the NMEA 2000 Frame");
  t[2727] = QStringLiteral("Insert the First byte of NMEA 2000 Frame to Capture");
  t[2728] = QStringLiteral("Insert the Number of bytes of NMEA 2000 Frame to Capture");
  t[2729] = QStringLiteral("Enable or Disable the Possibility to Cancel the Data if TimeOut is Elapsed");
  t[2730] = QStringLiteral("Insert a description of the NMEA 2000 Frame");
  t[2731] = QStringLiteral("Error in row ");
  t[2732] = QStringLiteral("!! PGN must be between 0x00000 and 0x1FFFF");
  Add_Receive_Messages(t, 2733);
  t[2736] = QStringLiteral("!! Start Byte must be between 0 and 223");
  t[2737] = QStringLiteral("!! Start Byte plus Number Bytes must be between 0 and 223");
  Add_Frame_Messages(t, 2738);
  t[2743] = QStringLiteral("Are you sure to delete the Row number ");
}
