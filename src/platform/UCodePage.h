#pragma once
// The two legacy 8-bit code pages the program meets: ANSI (Windows-1252) and OEM (CP850).
#include <QByteArray>
#include <QString>

QString Ansi_To_Unicode(const QByteArray& bytes);
// Characters the code page cannot hold become "?".
QByteArray Unicode_To_Ansi(const QString& text);
QString Oem_To_Unicode(const QByteArray& bytes);
QByteArray Unicode_To_Oem(const QString& text);
