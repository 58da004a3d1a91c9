#pragma once
// The PROFINET GSDML file: a fixed template in which the station name and the two cyclic data lengths vary, and
// the composed file name.
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "UExport_Text.h"

// The IO controller's view: the converter's input bytes are the controller's output data.
struct TProfinet_Parameters {
  int32_t Output_Length = 1438;
  int32_t Input_Length = 1438;
  QString Station_Name = QStringLiteral("SERIAL");
};

// A missing ParGen.xml or element keeps the defaults; Unreadable (with the message in `error`) when it is not XML.
TInputLoad Read_PROFINET_Parameters(const QString& pargen_path, TProfinet_Parameters& parameters, QString& error);

QStringList GSDML_Lines(const TProfinet_Parameters& parameters);

// Escapes the characters that would end an attribute value or start markup.
QString Xml_Escaped(const QString& text);

inline const QString GSDML_Fixed_Part = QStringLiteral("GSDML-V2.31-Quorvane-HDTarn22");
// "-yyyymmdd.xml".
QString GSDML_Date_Part(const QDate& date);
// The fixed part, "_" unless the user part starts with one, the user part as typed, the date part; a user part of
// blanks only counts as none.
QString Compose_GSDML_File_Name(const QString& fixed, const QString& user, const QString& date_part);
