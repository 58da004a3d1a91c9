#pragma once
// The device-description exports as the main window's commands: each reads the active configuration's files,
// asks for the target, and writes the whole file in one step (an existing file stays as it was when anything
// fails). An input file that is not XML is named in an error message and nothing is written.
#include <QString>

// `proposed_name` is the name composed in the GSDML file-name window; the dialog only picks the folder.
void Create_GSDML_File(const QString& proposed_name);
void Create_EDE_File(const QString& path);
void Create_EDS_File(const QString& path);
void Create_MIB_File();
void Create_GSD_File();
