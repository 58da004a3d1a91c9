#pragma once
// Configurations are folders under PROJECTS next to the program; a configuration's name is its folder's name.
#include <QString>
#include <QStringList>
#include <cstdint>

// Creates PROJECTS/<name> with its empty bin folder. Returns 0 on success, otherwise the ID of the error text:
// 107 empty name, 106 folder exists, 105 the folder cannot be made (a name that would lead out of PROJECTS or
// into a folder below another one counts as such).
int32_t Create_Configuration_Folder(const QString& name);

// Makes the named configuration the active one: Name_Project, Path_Project and the per-topic paths.
void Activate_Configuration(const QString& name);

// The configuration folders under PROJECTS, in the order the file system gives them; hidden folders are left out.
QStringList List_Configuration_Folders();

// The active configuration's folder name, empty when none is open.
QString Active_Configuration_Name();

// Index of the first entry equal to `name` ignoring letter case, or -1.
int32_t Index_Ignoring_Case(const QStringList& list, const QString& name);

// False for names that are no single folder name: "", ".", ".." and names holding "/" or "\".
bool Is_Single_Folder_Name(const QString& name);
