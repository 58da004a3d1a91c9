#include "UUpdate_Recipe.h"

#include <vector>

#include "UGlobals.h"

namespace {
// What sets one memory operation apart from the others; everything else is the same for all three.
struct TMemory_Operation {
  QString File;
  const char* Start_Address;
  const char* Bank_Type;
  const char* Write_CSS;
  bool Go_To_App_After;
};

std::vector<TMemory_Operation> Operations_Of(const TUpdate_Recipe& r) {
  const bool firmware = r.Option_Index == uoFirmware_And_Configuration || r.Option_Index == uoFirmware;
  const bool configuration = r.Option_Index == uoFirmware_And_Configuration || r.Option_Index == uoConfiguration;
  std::vector<TMemory_Operation> operations;
  // The last operation sends the device back to its application.
  if (firmware) operations.push_back({r.Firmware_File, "0x8000", "1", "1", !configuration});
  if (configuration) {
    operations.push_back({r.Bank1_File, "0x07000", "2", "0", false});
    // The load address the bank2 image was built for.
    operations.push_back({r.Bank2_File, "0x80000", "2", "0", true});
  }
  return operations;
}

void Append(pugi::xml_node parent, const char* name, const QString& text) {
  Xml_Append_Text_Element(parent, name, text);
}

void Append_Operation(pugi::xml_node operations, const TMemory_Operation& op, bool read_back) {
  const auto text = [](const char* s) { return QString::fromLatin1(s); };
  const pugi::xml_node o = Xml_Append_Element(operations, "Operation");
  Append(o, "Ope_Protection_Enabled", QString());
  Append(o, "Ope_GoToBoot_Before", text("0"));
  Append(o, "Ope_GoToApp_Before", text("0"));
  Append(o, "Ope_IP_Address", QString());
  Append(o, "Ope_Port", text("2008"));
  Append(o, "Ope_Port_Sec", text("2007"));
  Append(o, "Ope_Erase_Memory", text("0"));
  Append(o, "Ope_FileName", op.File);
  Append(o, "Ope_Start_Address", text(op.Start_Address));
  Append(o, "Ope_Memory_Type", text("0"));
  Append(o, "Ope_Bank_Type", text(op.Bank_Type));
  Append(o, "Ope_Read_Back", text(read_back ? "1" : "0"));
  Append(o, "Ope_Write_CSS", text(op.Write_CSS));
  Append(o, "Ope_Address_CSS", text("0x07A00"));
  Append(o, "Ope_Command_CSS", text("0x02"));
  Append(o, "Ope_Write_Internal_Data", text("0"));
  Append(o, "Ope_WID_Address", text("0x07810"));
  Append(o, "Ope_WID_Command", text("0x02"));
  Append(o, "Ope_WID_Data", text("0x00, 0x00, 0x00, 0x01"));
  Append(o, "Ope_GoToApp_After", text(op.Go_To_App_After ? "1" : "0"));
}
}  // namespace

TUpdate_Recipe Update_Recipe_For(const QString& ip_address, int32_t option_index, bool read_back) {
  TUpdate_Recipe r;
  r.IP_Address = ip_address;
  r.Option_Index = option_index;
  r.Read_Back = read_back;
  r.Firmware_File = Join_Path(Path_Master, Firmware_Image_File_Name);
  const QString bin = Join_Path(Path_Project, QStringLiteral("bin"));
  r.Bank1_File = Join_Path(bin, QStringLiteral("bank1.bin"));
  r.Bank2_File = Join_Path(bin, QStringLiteral("bank2.bin"));
  return r;
}

void Fill_Update_Recipe(TXmlDocument& doc, const TUpdate_Recipe& recipe) {
  doc.Doc().reset();
  const pugi::xml_node root = Xml_Append_Element(doc.Doc(), "Ethernet_Update");
  Append(root, "Version", QStringLiteral("1000"));
  Append(root, "Title", QStringLiteral("Quorvane - SWTarn10 Ethernet Update"));
  Append(root, "IP_Address_Dev", recipe.IP_Address);
  Append(root, "Application_Port", QStringLiteral("10000"));
  Append(root, "Boot_Port", QStringLiteral("2008"));
  Append(root, "Boot_Port_Sec", QStringLiteral("2007"));
  Append(root, "Address_Protection", QStringLiteral("0x07800"));
  Append(Xml_Append_Element(root, "Protections"), "Protection", QStringLiteral("0x294"));
  const pugi::xml_node operations = Xml_Append_Element(root, "Operations");
  for (const TMemory_Operation& op : Operations_Of(recipe)) Append_Operation(operations, op, recipe.Read_Back);
}
