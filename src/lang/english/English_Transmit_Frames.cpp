// The J1939 and NMEA 2000 transmit blocks, twins that share most of their texts.
#include "../UEnglishTexts.h"

namespace {
void Add_Transmit_Shared(QStringList& t, int base) {
  Add_English_Row_Buttons(t, base + 2);
  Add_English_Row_Hints(t, base + 10);
  t[base + 35] = QStringLiteral("Error in row ");
  t[base + 36] = QStringLiteral("!! Priority must be between 0 and 7");
}

// The byte count, budget, send timer and delete texts, from the byte count's message `first` on.
void Add_Send_Texts(QStringList& t, int first) {
  t[first] = QStringLiteral("!! Num Byte must be between 0 and ");
  t[first + 1] = QStringLiteral("Error!! Too many bytes of data, the max number is ");
  t[first + 2] = QStringLiteral("!! Send Timer must be between 1 and 65535 ms");
  t[first + 3] = QStringLiteral("Are you sure to delete the Row number ");
}
}  // namespace

void Add_English_TransmitJ1939(QStringList& t) {
  t[2600] = QStringLiteral("Transmit J1939 Frames");
  t[2601] = QStringLiteral("Transmit J1939 Frames");
  Add_Transmit_Shared(t, 2600);
  t[2608] = QStringLiteral("Confirm and save the J1939 Transmit Frames List");
  t[2609] = QStringLiteral("Exit without save the 1939 Transmit Frames List");
  const char* const headers[] = {"N",       "Priority",    "Data Page", "PGN",        "Source Address", "N Bytes",
                                 "Request", "Data Change", "On Timer",  "Send Timer", "Mnemonic"};
  for (int i = 0; i < 11; ++i) t[2614 + i] = QString::fromLatin1(headers[i]);
  t[2625] = QStringLiteral("Select the Priority of J1939 Frame, from 0 to 7");
  t[2626] = QStringLiteral("Select the Data Page of J1939 Frame, 0 or 1");
  t[2627] = QStringLiteral("Insert the PGN of J1939 Frame");
  t[2628] = QStringLiteral("Insert the Source Address of J1939 Frame");
  t[2629] = QStringLiteral("Insert the Number of Bytes for the J1939 Frame");
  t[2630] = QStringLiteral("Enable or Disable the Possibility to Send the J1939 Frame When Arrive a Request Frame");
  t[2631] = QStringLiteral("Enable or Disable the Possibility to Send the J1939 Frame on Data Change");
  t[2632] = QStringLiteral("Enable or Disable the Possibility to Send the J1939 Frame on Timer");
  t[2633] = QStringLiteral("Insert the Time between two J1939 Frame, expressed in milliseconds");
  t[2634] = QStringLiteral("Insert a description of the CAN Frame");
  t[2637] = QStringLiteral("!! Data Page must be 0 or 1");
  t[2638] = QStringLiteral("!! PGN must be between 0x00000 and 0x1FFFF");
  t[2639] = QStringLiteral("!! Source Address must be between 0 and 255");
  Add_Send_Texts(t, 2640);
}

void Add_English_TransmitNMEA(QStringList& t) {
  t[2800] = QStringLiteral("Transmit NMEA 2000 Frames");
  t[2801] = QStringLiteral("Transmit NMEA 2000 Frames");
  Add_Transmit_Shared(t, 2800);
  // The NMEA 2000 block repeats the J1939 receive block's texts here.
  t[2808] = QStringLiteral("Confirm and save the J1939 Receive Frames List");
  t[2809] = QStringLiteral("Exit without save the 1939 Receive Frames List");
  const char* const headers[] = {"N",       "Priority",    "PGN",      "Source Address", "Fast Packet", "Num Byte",
                                 "Request", "Data Change", "On Timer", "Send Timer",     "Mnemonic"};
  for (int i = 0; i < 11; ++i) t[2814 + i] = QString::fromLatin1(headers[i]);
  t[2825] = QStringLiteral("Insert the Priority of NMEA 2000 Frame");
  t[2826] = QStringLiteral("Insert the PGN of NMEA 2000 Frame");
  t[2827] = QStringLiteral("Insert the Source Address of NMEA 2000 Frame");
  t[2828] = QStringLiteral("Enable or Disable the Fast Packet Protocol for the NMEA 2000 Frame");
  t[2829] = QStringLiteral("Insert the NMEA 2000 Frame Number of Bytes");
  t[2830] = QStringLiteral("Enable or Disable the Possibility to Send the NMEA 2000 Frame On Request");
  t[2831] = QStringLiteral("Enable or Disable the Possibility to Send the NMEA 2000 Frame On Data Change");
  t[2832] = QStringLiteral("Enable or Disable the Possibility to Send the NMEA 2000 Frame On Timer");
  t[2833] = QStringLiteral("Insert the Time in Milliseconds between the NMEA 2000 Frames");
  t[2834] = QStringLiteral("Insert a description of the NMEA 2000 Frame");
  t[2837] = QStringLiteral("!! PGN must be between 0x00000 and 0x1FFFF");
  t[2838] = QStringLiteral("!! Source Address must be between 0 and 239");
  Add_Send_Texts(t, 2839);
}
