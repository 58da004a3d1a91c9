#include "UEDE_Writer.h"

#include "UExport_Maker.h"
#include "UParGenFile.h"

namespace {

struct TType_Code {
  const char* Name;
  int32_t Code;
};

constexpr TType_Code Type_Codes[] = {
    {"ANALOG INPUT", 0},
    {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},
    {"BINARY INPUT", 3},
    {"BINARY OUT", 4},
    {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},
    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},
    {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},
    {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},
    {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},
    {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46},
    {"OCTET STRING", 47},
    {"POSITIVE INTEGER VALUE", 48},
};

void Add_Rows(pugi::xml_node section, const TEDE_Device_Settings& settings, TEDE_Instance_Counters& counters,
              std::vector<TBACnet_EDE_Obj>& rows) {
  for (pugi::xml_node row = section.first_child(); row; row = row.next_sibling()) {
    if (row.type() != pugi::node_element) continue;
    const QString mnemonic = Xml_Attr(row, "Mnemonic", QString());
    const int32_t type = EDE_Object_Type_Code(Xml_Attr(row, "Data_Type", QString()).trimmed().toUpper());
    TBACnet_EDE_Obj obj;
    obj.DevObjInstance = settings.Device_Instance;
    obj.ObjectName = mnemonic.left(settings.Name_Length);
    obj.ObjectType = QString::number(type);
    obj.ObjectInstance = QString::number(counters.Next_EDE_Object_Instance(type));
    obj.Keyname =
        settings.Device_Instance + QStringLiteral("_") + mnemonic + QStringLiteral("_") + obj.ObjectInstance;
    obj.Description = obj.ObjectName;
    obj.UnitCode = Xml_Attr(row, "Eng_Unit", QString());
    rows.push_back(obj);
  }
}

}  // namespace

TInputLoad Read_EDE_Device_Settings(const QString& pargen_path, TEDE_Device_Settings& settings, QString& error) {
  settings = {};
  TParGenExtraTexts texts;
  switch (Load_ParGen_Texts(
      pargen_path, {"BACnet_Type", "BACnet_Ser_DEV_IDE", "BACnet_DEV_IDE", "BACnet_Desc_Chars_Limit"}, texts)) {
    case TParGenLoadResult::Missing:
      return TInputLoad::Missing;
    case TParGenLoadResult::Unreadable:
      error = Unreadable_Input_Text(pargen_path);
      return TInputLoad::Unreadable;
    case TParGenLoadResult::Loaded:
      break;
  }
  const std::optional<QString>& instance = Export_Int(texts[0], 0) == 1 ? texts[1] : texts[2];
  settings.Device_Instance = instance.value_or(QString());
  if (texts[3] == QStringLiteral("1")) settings.Name_Length = 32;
  return TInputLoad::Loaded;
}

int32_t EDE_Object_Type_Code(const QString& upper_type_name) {
  for (const TType_Code& t : Type_Codes)
    if (upper_type_name == QLatin1String(t.Name)) return t.Code;
  return 0;
}

int32_t TEDE_Instance_Counters::Next_EDE_Object_Instance(int32_t object_type) {
  if (object_type < 0 || object_type >= static_cast<int32_t>(FCounters.size())) return 0;
  return FCounters[object_type]++;
}

TInputLoad Read_EDE_Objects(const QString& path, const TEDE_Device_Settings& settings,
                            std::vector<TBACnet_EDE_Obj>& rows, QString& error) {
  rows.clear();
  TXmlDocument doc;
  pugi::xml_node root;
  const TInputLoad load = Load_Export_Input(path, doc, root, error);
  if (load != TInputLoad::Loaded) return load;
  TEDE_Instance_Counters counters;
  Add_Rows(root.child("BACnet_in_Read"), settings, counters, rows);
  Add_Rows(root.child("BACnet_in_Write"), settings, counters, rows);
  return load;
}

QString EDE_Time_Stamp(const QDateTime& now) {
  return now.toString(QStringLiteral("hh:mm:ss dd/MM/")) + QString::number(now.date().year());
}

QString EDE_Field(const QString& text) {
  const bool quote = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
  if (!quote) return text;
  QString inner = text;
  inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return QStringLiteral("\"") + inner + QStringLiteral("\"");
}

QStringList EDE_Lines(const QString& project_name, const std::vector<TBACnet_EDE_Obj>& rows, const QDateTime& now) {
  QStringList l;
  l << QStringLiteral("PROJECT_NAME;") +
           EDE_Field(QStringLiteral(" Quorvane-") + Maker::Bacnet_Product_Code + QStringLiteral("-") + project_name) +
           QStringLiteral(";;;;;;")
    << QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;")
    << QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + EDE_Time_Stamp(now) + QStringLiteral(";;;;;;")
    << QStringLiteral("AUTHOR_OF_LAST_CHANGE;Quorvane;;;;;;") << QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;")
    << QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;")
    << QStringLiteral(
           "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;");
  for (const TBACnet_EDE_Obj& r : rows) {
    QString line;
    for (const QString* field : {&r.Keyname, &r.DevObjInstance, &r.ObjectName, &r.ObjectType, &r.ObjectInstance,
                                 &r.Description, &r.UnitCode})
      line += EDE_Field(*field) + QStringLiteral(";");
    l << line;
  }
  return l;
}
