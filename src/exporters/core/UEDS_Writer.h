#pragma once
// The CANopen EDS file: head sections, fixed communication objects, the objects of every PDO and one object per
// SDO server index.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "UCANopen_Tables.h"

// "mm-dd-yyyy".
QString EDS_Date_Text(const QDate& date);
// The file's 12-hour time: 14:05 gives 02:05PM, 12:00 12:00AM, 12:30 00:30PM and 00:15 00:15AM.
QString EDS_Time_Text(const QTime& time);

QStringList EDS_Lines(const TPDO_Table& pdos, const TSDO_Index_List& sdos, const QDateTime& now);
