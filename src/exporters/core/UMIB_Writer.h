#pragma once
// The SNMPv2 MIB module: a fixed tree, one object per enabled row of the SNMP read and write tables, and one
// notification per enabled read row.
#include <QString>
#include <QStringList>
#include <vector>

#include "UExport_Text.h"

struct TMIB_Object {
  QString Description;
  bool Is_Int = false;
};

struct TMIB_Objects {
  std::vector<TMIB_Object> Read;
  std::vector<TMIB_Object> Write;
};

// The enabled rows of SNMP_Trap.xml ("Y" in any case), 256 at most per table; a missing file or section gives none.
constexpr int Max_MIB_Rows = 256;
TInputLoad Read_SNMP_MIB_Objects(const QString& path, TMIB_Objects& objects, QString& error);

// A description as an object name: its letters and digits, each word after the first starting with a capital, the
// name with a lower-case letter; empty when nothing usable is left.
QString MIB_Identifier(const QString& description);

QStringList MIB_Lines(const TMIB_Objects& objects);
