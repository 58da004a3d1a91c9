#pragma once
// Each window's built-in English texts live in english/English_<Window>.cpp as one Add_English_* function;
// UEnglishTexts.cpp calls them all. A window adds its block by adding its file and one line there.
#include <QStringList>

using TEnglishBlock = void (*)(QStringList& table);

void Add_English_Shared_Messages(QStringList& table);
void Add_English_Boot(QStringList& table);
void Add_English_Placeholders(QStringList& table);
void Add_English_Main(QStringList& table);
void Add_English_New_Project(QStringList& table);
void Add_English_OpenConf(QStringList& table);
void Add_English_SoftOptions(QStringList& table);
void Add_English_ParGen(QStringList& table);
void Add_English_OPC_UA_Checks(QStringList& table);
