#pragma once
// Small checks and conversions that several windows share. Plain functions without state.
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

// Dotted IPv4 text: four parts of 0..255. The parts are handed out as far as the text allows, also when the
// result is false; the fourth is everything after the third dot.
bool Check_IP_Address(const QString& text, QString& P1, QString& P2, QString& P3, QString& P4);

// KNX group address ("a/b/c", "a/b" or a plain number) or individual address ("area.line.device" or a plain
// number). Returns 0 when valid and 1 when not. AllowZero lets the individual address 0.0.0 through.
int32_t Check_KNX_Address(const QString& text, bool Group, bool AllowZero);

bool No_Dot_In_Text(const QString& text);

// Numbers of the serial ports present, as decimal texts in rising order ("1", "3", ...).
QStringList List_COM_Ports();
// The same probe over another device folder, so tests can stand in their own device files.
QStringList List_COM_Ports_In(const QString& device_folder);
// The device file that port number n stands for, empty when no device maps to it.
QString COM_Port_Device_Name(int32_t n);

// The user's decimal separator when it is "," or ".", otherwise ",".
QChar Get_Decimal_Separator();

// Reads a number written with either separator: the other one is turned into `separator` first, then the text is
// read with the user's decimal separator. On failure the value is 1.0 and the result false.
bool Str_To_Float_Local(const QString& text, QChar separator, float& value);

// Empties both strings; always true.
bool Clear_Two_Strings(QString& a, QString& b);
