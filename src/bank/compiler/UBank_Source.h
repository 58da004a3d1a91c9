#pragma once
// Loading the configuration files the compiler reads (ParGen.xml, OPC_UA_Client.xml).
#include <QString>

#include "UXml.h"

// Loads the whole file at `path` into `xml`. A file that cannot be opened, or that is not well-formed XML, raises an
// Exception naming the file and which of the two went wrong, so the user knows whether to fix access or content.
void Load_Bank_Source(TXmlDocument& xml, const QString& path);
