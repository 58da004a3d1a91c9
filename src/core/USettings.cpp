#include "USettings.h"

#include <QFileInfo>

#include "UGlobals.h"
#include "UXml.h"

namespace {

const QString Default_Language = QStringLiteral("English");

// An element holding elements has no value; its text is all its text, comments between the pieces left out.
QString Leaf_Text(pugi::xml_node root, const char* group, const char* leaf, const QString& def) {
  QString text;
  return Xml_Element_Text(root.child(group).child(leaf), text) ? text : def;
}

bool Leaf_Flag(pugi::xml_node group, const char* leaf) {
  QString text;
  return Xml_Element_Text(group.child(leaf), text) && text == QStringLiteral("1");
}

void Set_Defaults() {
  Name_Project.clear();
  Path_Project.clear();
  Last_IP_Address = Default_IP_Address;
  Language = Default_Language;
  enable_internet = false;
  enable_update = false;
  enable_jump_field_tables = false;
  Double_Click_Auto_Size = false;
}

QString Flag_Text(bool on) {
  return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

QString Settings_File_Path() {
  return Join_Path(Path_Exe, QStringLiteral("Vandrel.xml"));
}

void Read_Settings() {
  Set_Defaults();
  TXmlDocument doc;
  if (!QFileInfo(Settings_File_Path()).isFile() || !doc.Load_File(Settings_File_Path())) return;
  // A hand-edited file may start with a declaration or a comment; the settings are still in its first element.
  const pugi::xml_node root = doc.First_Element();
  if (!root) return;
  Name_Project = Leaf_Text(root, "lastproj", "projectname", QString());
  Last_IP_Address = Leaf_Text(root, "lastipadd", "ipaddress", Default_IP_Address);
  Language = Leaf_Text(root, "lastlang", "language", Default_Language);
  const pugi::xml_node flags = root.child("lastinternet");
  enable_internet = Leaf_Flag(flags, "enable_internet");
  enable_update = Leaf_Flag(flags, "enable_update");
  enable_jump_field_tables = Leaf_Flag(flags, "enable_jump_field_tables");
  Double_Click_Auto_Size = Leaf_Flag(flags, "Double_Click_Auto_Size");
}

bool Write_Settings() {
  TXmlDocument doc;
  pugi::xml_node root = Xml_Append_Element(doc.Doc(), "Conf_Settings");
  Xml_Append_Text_Element(Xml_Append_Element(root, "lastproj"), "projectname", Name_Project);
  Xml_Append_Text_Element(Xml_Append_Element(root, "lastipadd"), "ipaddress", Last_IP_Address);
  Xml_Append_Text_Element(Xml_Append_Element(root, "lastlang"), "language", Language);
  pugi::xml_node flags = Xml_Append_Element(root, "lastinternet");
  Xml_Append_Text_Element(flags, "enable_internet", Flag_Text(enable_internet));
  Xml_Append_Text_Element(flags, "enable_update", Flag_Text(enable_update));
  Xml_Append_Text_Element(flags, "enable_jump_field_tables", Flag_Text(enable_jump_field_tables));
  Xml_Append_Text_Element(flags, "Double_Click_Auto_Size", Flag_Text(Double_Click_Auto_Size));
  return doc.Save_File(Settings_File_Path());
}
