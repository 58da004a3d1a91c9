#pragma once
// Entry points of the device-description exports. The writers come in a later version; until then each entry
// tells the user so and writes nothing.
#include <QString>

void Create_GSDML_File(const QString& proposed_name);
void Create_EDE_File(const QString& path);
void Create_EDS_File(const QString& path);
void Create_MIB_File();
void Create_GSD_File();
