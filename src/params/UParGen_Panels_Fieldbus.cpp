// Panels of the models whose field side is a serial line or a field bus.
#include <QComboBox>
#include <QLabel>

#include "TCategoryPanel.h"
#include "UParGen.h"

namespace {
const QStringList Serial_Kinds{QStringLiteral("RS232"), QStringLiteral("RS485")};
const QStringList Serial_Rates{QStringLiteral("1200"),  QStringLiteral("2400"),  QStringLiteral("4800"),
                               QStringLiteral("9600"),  QStringLiteral("19200"), QStringLiteral("38400"),
                               QStringLiteral("57600"), QStringLiteral("115200")};
const QStringList Parities{QStringLiteral("NONE"), QStringLiteral("ODD"), QStringLiteral("EVEN")};
const QStringList Stop_Bits{QStringLiteral("1 Stop Bits"), QStringLiteral("2 Stop Bits")};
const QStringList Can_Rates{QStringLiteral("10K"),   QStringLiteral("20K"),  QStringLiteral("50K"),
                            QStringLiteral("62.5K"), QStringLiteral("100K"), QStringLiteral("125K"),
                            QStringLiteral("250K"),  QStringLiteral("500K"), QStringLiteral("800K"),
                            QStringLiteral("1000K")};
const QStringList CANopen_Rates{QStringLiteral("10K"),   QStringLiteral("20K"),
                                QStringLiteral("50K"),   QStringLiteral("100K"),
                                QStringLiteral("125K"),  QStringLiteral("250K"),
                                QStringLiteral("500K"),  QStringLiteral("800K"),
                                QStringLiteral("1000K"), QString()};

struct TSerialRows {
  QLabel*& L_Serial;
  QComboBox*& CB_Serial;
  QLabel*& L_Baudrate;
  QComboBox*& CB_Baudrate;
  QLabel*& L_Parity;
  QComboBox*& CB_Parity;
  QLabel*& L_StopBits;
  QComboBox*& CB_StopBits;
};

void Add_Serial_Rows(TParGenRowBuilder& b, const TSerialRows& r) {
  b.List(r.L_Serial, r.CB_Serial, QStringLiteral("Serial"), Serial_Kinds, 0);
  b.List(r.L_Baudrate, r.CB_Baudrate, QStringLiteral("Baudrate"), Serial_Rates, 7);
  b.List(r.L_Parity, r.CB_Parity, QStringLiteral("Parity"), Parities, 0);
  b.List(r.L_StopBits, r.CB_StopBits, QStringLiteral("Stop Bits"), Stop_Bits, 0);
}
}  // namespace

void TFParGen::Build_Panels_Serial() {
  CP_Serial = New_Panel(QStringLiteral("Serial"));
  {
    TParGenRowBuilder b(CP_Serial, 425, FBook);
    Add_Serial_Rows(b, {L_Serial_Serial, CB_Serial_Serial, L_Serial_Baudrate, CB_Serial_Baudrate, L_Serial_Parity,
                        Cb_Serial_Parity, L_Serial_StopBits, CB_Serial_StopBits});
    b.Finish();
  }

  CP_Modbus_Slave = New_Panel(QStringLiteral("Modbus Slave"));
  {
    TParGenRowBuilder b(CP_Modbus_Slave, 434, FBook);
    Add_Serial_Rows(b,
                    {L_ModbusSlave_Serial, CB_ModbusSlave_Serial, L_ModbusSlave_Baudrate, CB_ModbusSlave_Baudrate,
                     L_ModbusSlave_Parity, CB_ModbusSlave_Parity, L_ModbusSlave_StopBits, CB_ModbusSlave_StopBits});
    b.Text(L_ModbusSlave_IDDevice, E_ModbusSlave_IDDevice, QStringLiteral("ID Device"), QStringLiteral("1"));
    b.Check(CB_ModbusSlave_ReadInput, QStringLiteral("Read with Input Register / Status Function"));
    b.Finish();
  }
}

void TFParGen::Build_Panels_Fieldbus() {
  CP_KNX = New_Panel(QStringLiteral("KNX"));
  {
    TParGenRowBuilder b(CP_KNX, 573, FBook);
    b.List(L_KNX_Type, CB_KNX_Type, QStringLiteral("Type"), {QStringLiteral("KNX TP"), QStringLiteral("KNXnet/IP")},
           0);
    CB_KNX_Type->setEnabled(false);
    b.Text(L_KNX_IDDevice, E_KNX_IDDevice, QStringLiteral("ID Device"), QStringLiteral("0"));
    b.Finish();
  }

  CP_DMX = New_Panel(QStringLiteral("DMX"));
  {
    TParGenRowBuilder b(CP_DMX, 533, FBook);
    b.List(L_DMX_DMX, CB_DMX_DMX, QStringLiteral("DMX"), {QStringLiteral("IN"), QStringLiteral("OUT")}, 1);
    b.Text(L_DMX_ChannelNum, E_DMX_ChannelNum, QStringLiteral("Channel Number"), QStringLiteral("0"));
    b.Finish();
  }

  CP_NMEA2000 = New_Panel(QStringLiteral("NMEA 2000"));
  {
    TParGenRowBuilder b(CP_NMEA2000, 724, FBook);
    b.List(L_NMEA2000_Baudrate, CB_NMEA2000_Baudrate, QStringLiteral("Baudrate"), Can_Rates, 9);
    b.Text(L_NMEA2000_TimeOut, E_NMEA2000_TimeOut, QStringLiteral("TimeOut Data (s)"), QStringLiteral("0"));
    b.Check(CB_NMEA2000_Peer_To_Peer, QStringLiteral("Enable Peer to Peer"));
    b.Finish();
  }

  CP_PROFIBUS = New_Panel(QStringLiteral("PROFIBUS"));
  {
    TParGenRowBuilder b(CP_PROFIBUS, 798, FBook);
    b.Text(L_PROFIBUS_ID_Device, E_PROFIBUS_ID_Device, QStringLiteral("ID Device"), QStringLiteral("0"));
    b.List(L_PROFIBUS_Baudrate, CB_PROFIBUS_Baudrate, QStringLiteral("Baudrate"), {QStringLiteral("Auto Baudrate")},
           0);
    CB_PROFIBUS_Baudrate->setEnabled(false);
    b.Text(L_PROFIBUS_NByte_In, E_PROFIBUS_NByte_In, QStringLiteral("Number Byte In"), QStringLiteral("244"));
    b.Text(L_PROFIBUS_NByte_Out, E_PROFIBUS_NByte_Out, QStringLiteral("Number Byte Out"), QStringLiteral("244"));
    b.Finish();
  }

  CP_DeviceNet_Slave = New_Panel(QStringLiteral("DeviceNet Slave"));
  {
    TParGenRowBuilder b(CP_DeviceNet_Slave, 524, FBook);
    b.Text(L_DeviceNet_Slave_ID_Device, E_DeviceNet_Slave_ID_Device, QStringLiteral("ID Device"),
           QStringLiteral("0"));
    b.List(L_DeviceNet_Slave_Baudrate, CB_DeviceNet_Slave_Baudrate, QStringLiteral("Baudrate"),
           {QStringLiteral("125K"), QStringLiteral("250K"), QStringLiteral("500K")}, 2);
    b.Text(L_DeviceNet_Slave_NumByteIn, E_DeviceNet_Slave_NumByteIn, QStringLiteral("Number Byte In"),
           QStringLiteral("455"));
    b.Text(L_DeviceNet_Slave_NumByteOut, E_DeviceNet_Slave_NumByteOut, QStringLiteral("Number Byte Out"),
           QStringLiteral("455"));
    b.Finish();
  }

  CP_J1939 = New_Panel(QStringLiteral("J1939"));
  {
    TParGenRowBuilder b(CP_J1939, 564, FBook);
    b.List(L_J1939_Baudrate, CB_J1939_Baudrate, QStringLiteral("Baudrate"), Can_Rates, 9);
    b.Text(L_J1939_TimeOut, E_J1939_TimeOut, QStringLiteral("TimeOut Data (s)"), QStringLiteral("0"));
    b.Check(CB_J1939_Enable_Peer_To_Peer, QStringLiteral("Enable Peer to Peer"));
    b.Text(L_J1939_ID_Device, E_J1939_ID_Device, QStringLiteral("ID Device J1939"), QStringLiteral("1"));
    b.Finish();
  }

  CP_CANopen = New_Panel(QStringLiteral("CANopen"));
  {
    TParGenRowBuilder b(CP_CANopen, 512, FBook);
    b.Text(L_CANopen_ID_Device, E_CANopen_ID_Device, QStringLiteral("ID Device"));
    b.List(L_CANopen_Baudrate, CB_CANopen_Baudrate, QStringLiteral("Baudrate"), CANopen_Rates, 8);
    b.Check(CB_CANopen_SetOpe, QStringLiteral("Set Operational State at Start-Up"));
    b.Check_Text(CB_CANopen_NetOpe, 295, E_CANopen_NetOpe_Delay, 313, 116,
                 QStringLiteral("Network Start at Start-up. Delay (seconds)"), QString());
    b.Text(L_CANopen_SDO_Timeout, E_CANopen_SDO_Timeout, QStringLiteral("SDO Client TimeOut (1/10 millisecons)"),
           QStringLiteral("1"), 0, 252, 177);
    b.Finish();
  }

  CP_CAN = New_Panel(QStringLiteral("CAN"));
  {
    TParGenRowBuilder b(CP_CAN, 509, FBook);
    b.List(L_CAN_Baudrate, CB_CAN_Baudrate, QStringLiteral("Baudrate"), Can_Rates, 9);
    b.Finish();
  }
}
