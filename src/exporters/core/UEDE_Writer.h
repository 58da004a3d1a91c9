#pragma once
// The BACnet EDE list: seven header lines and one ";"-separated line per object of the two BACnet object tables.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "UExport_Text.h"

struct TBACnet_EDE_Obj {
  QString Keyname;
  QString DevObjInstance;
  QString ObjectName;
  QString ObjectType;
  QString ObjectInstance;
  QString Description;
  QString UnitCode;
};

struct TEDE_Device_Settings {
  QString Device_Instance;
  int32_t Name_Length = 16;
};

// The device instance of the configured variant and the object-name length, from ParGen.xml; a missing file keeps
// an empty instance and 16 characters.
TInputLoad Read_EDE_Device_Settings(const QString& pargen_path, TEDE_Device_Settings& settings, QString& error);

// The BACnet object type of a table's type name (already trimmed and upper case); 0 for a name not in the table.
int32_t EDE_Object_Type_Code(const QString& upper_type_name);

// Instance numbers count from 0 per object type, in-read rows before in-write rows.
class TEDE_Instance_Counters {
 public:
  int32_t Next_EDE_Object_Instance(int32_t object_type);

 private:
  std::array<int32_t, 64> FCounters{};
};

// The rows of BACnet_Slave_SetAccess.xml; a missing file or section gives no rows.
TInputLoad Read_EDE_Objects(const QString& path, const TEDE_Device_Settings& settings,
                            std::vector<TBACnet_EDE_Obj>& rows, QString& error);

// "hh:mm:ss dd/mm/yyyy".
QString EDE_Time_Stamp(const QDateTime& now);
// A field as the list holds it: in double quotes (inner ones doubled) when it holds ";", a double quote or a line
// break, so a text typed by the user cannot add columns or lines.
QString EDE_Field(const QString& text);

QStringList EDE_Lines(const QString& project_name, const std::vector<TBACnet_EDE_Obj>& rows, const QDateTime& now);
