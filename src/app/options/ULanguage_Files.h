#pragma once
// The language files the options window offers, and the flag picture shown beside each.
#include <QString>
#include <QStringList>

// Names (with extension) of the files "*.lng" in the folder that the user may pick, sorted in the locale's order
// regardless of letter case. Read-only files, folders and links are left out, as are names that differ only in
// the case of ".lng": the loader looks the file up by exact name.
QStringList Find_Language_Files(const QString& folder);

// <folder>/<name>.bmp when it exists, else <folder>/DefaultFlag.bmp when that exists, else an empty text.
QString Flag_Picture_Path(const QString& folder, const QString& name);
