#pragma once
// The program's own settings file, Vandrel.xml next to the program: last configuration, last device address,
// language and the four option flags.
#include <QString>

QString Settings_File_Path();

// Fills Name_Project, Last_IP_Address, Language and the four flags from the settings file; every value that the
// file does not give (the whole file missing or unreadable included) takes its default.
void Read_Settings();

// Writes the settings file whole from the program-wide values. False when the file could not be written; the
// previous file is then left as it was.
bool Write_Settings();
