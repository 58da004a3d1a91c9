#include "UMIB_Writer.h"

#include <QRegularExpression>
#include <QSet>

#include "UExport_Maker.h"

namespace {

constexpr int Max_Identifier_Length = 64;

std::vector<TMIB_Object> Enabled_Rows(pugi::xml_node section) {
  std::vector<TMIB_Object> rows;
  for (pugi::xml_node row = section.first_child(); row && rows.size() < Max_MIB_Rows; row = row.next_sibling()) {
    if (row.type() != pugi::node_element) continue;
    if (Xml_Attr(row, "Enable", QString()).toUpper() != QStringLiteral("Y")) continue;
    rows.push_back({Xml_Attr(row, "Description", QString()),
                    Xml_Attr(row, "Type", QString()).toUpper() == QStringLiteral("INT")});
  }
  return rows;
}

// A quoted text of the module ends at the next double quote.
QString Quoted_Text(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char('"'), QLatin1Char('\''));
  return out;
}

QString Syntax(bool is_int) {
  return is_int ? QStringLiteral("INTEGER") : QStringLiteral("OCTET STRING");
}

// The names of the fixed tree, and the fallback names, which a description must not take.
bool Is_Reserved(const QString& name) {
  static const QSet<QString> fixed = {
      "identity",      "quorvane",      "gateway",       "application",   "data",          "hellostring",
      "countin",       "countout",      "bufferin",      "bufferout",     "bufferinval",   "bufferoutval",
      "traps",         "trapsval",      "enterprises",   "bufferinblk1",  "bufferinblk2",  "bufferinblk3",
      "bufferinblk4",  "bufferinblk5",  "bufferinblk6",  "bufferinblk7",  "bufferinblk8",  "bufferoutblk1",
      "bufferoutblk2", "bufferoutblk3", "bufferoutblk4", "bufferoutblk5", "bufferoutblk6", "bufferoutblk7",
      "bufferoutblk8"};
  static const QRegularExpression fallback(QStringLiteral("^(bufferinval|bufferoutval|trapval)[0-9]+$"));
  return fixed.contains(name) || fallback.match(name).hasMatch();
}

// Object names are unique in a module: a description whose name is taken gets the numbered one.
void Add_Objects(QStringList& l, const std::vector<TMIB_Object>& rows, const char* access, const char* parent,
                 QSet<QString>& used) {
  for (size_t k = 1; k <= rows.size(); ++k) {
    const TMIB_Object& row = rows[k - 1];
    QString name = MIB_Identifier(row.Description);
    if (name.isEmpty() || Is_Reserved(name) || used.contains(name))
      name = QLatin1String(parent) + QString::number(k);
    else
      used.insert(name);
    l << QStringLiteral("%1 OBJECT-TYPE SYNTAX %2 MAX-ACCESS %3 STATUS current DESCRIPTION \"%4\" ::= { %5 %6 }")
             .arg(name, Syntax(row.Is_Int), QLatin1String(access), Quoted_Text(row.Description),
                  QLatin1String(parent), QString::number(k));
  }
}

}  // namespace

TInputLoad Read_SNMP_MIB_Objects(const QString& path, TMIB_Objects& objects, QString& error) {
  objects = {};
  TXmlDocument doc;
  pugi::xml_node root;
  const TInputLoad load = Load_Export_Input(path, doc, root, error);
  if (load != TInputLoad::Loaded) return load;
  objects.Read = Enabled_Rows(root.child("SNMP_Trap_Read"));
  objects.Write = Enabled_Rows(root.child("SNMP_Trap_Write"));
  return load;
}

QString MIB_Identifier(const QString& description) {
  // SMIv2 descriptors hold no hyphen: each further word starts with a capital instead.
  QString name;
  bool word_start = false;
  for (const QChar c : description) {
    const bool keep = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                      (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                      (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    if (!keep) {
      word_start = !name.isEmpty();
      continue;
    }
    name += word_start ? c.toUpper() : c;
    word_start = false;
  }
  name.truncate(Max_Identifier_Length);
  if (name.isEmpty() || !name.front().isLetter()) return QString();
  name[0] = name.front().toLower();
  return name;
}

QStringList MIB_Lines(const TMIB_Objects& objects) {
  QStringList l;
  l << QStringLiteral("GATEWAY DEFINITIONS ::= BEGIN") << QStringLiteral("IMPORTS")
    << QStringLiteral("       MODULE-IDENTITY,OBJECT-TYPE") << QStringLiteral("         FROM SNMPv2-SMI")
    << QStringLiteral("         DisplayString, TimeStamp") << QStringLiteral("         FROM SNMPv2-TC")
    << QStringLiteral("         enterprises") << QStringLiteral("         FROM RFC1155-SMI;") << QString()
    << QStringLiteral("identity MODULE-IDENTITY") << QStringLiteral("    LAST-UPDATED \"201701310000Z\"")
    << QStringLiteral("    ORGANIZATION \"%1\"").arg(Maker::Organisation) << QStringLiteral("    CONTACT-INFO")
    << QStringLiteral("\t \"") + Maker::Street << QStringLiteral("    ") + Maker::Town_Province
    << QStringLiteral("    ") + Maker::Country << QStringLiteral("    email:    %1\"").arg(Maker::Support_Mail)
    << QStringLiteral("    DESCRIPTION") << QStringLiteral("\t\"MIB objects for agent module \"")
    << QStringLiteral("    REVISION     \"201701310000Z\"") << QStringLiteral("    DESCRIPTION")
    << QStringLiteral("\t\"Corrected notification \"") << QStringLiteral("    REVISION     \"200202060000Z\"")
    << QStringLiteral("    DESCRIPTION") << QStringLiteral("\t\"First draft\"")
    << QStringLiteral("    ::= { quorvane 2 }")
    << QStringLiteral("quorvane        OBJECT IDENTIFIER ::= { enterprises %1 }").arg(Maker::Enterprise_Number)
    << QStringLiteral("gateway OBJECT IDENTIFIER::= { quorvane 1 }")
    << QStringLiteral("application OBJECT IDENTIFIER::= { gateway 1 }")
    << QStringLiteral("data OBJECT IDENTIFIER::= { application 1 }")
    << QStringLiteral(
           "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  "
           "DESCRIPTION \"\" ::= { data 1}")
    << QStringLiteral(
           "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  "
           "DESCRIPTION \"\" ::= { data 2}")
    << QStringLiteral(
           "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  "
           "DESCRIPTION \"\" ::= { data 3}")
    << QStringLiteral("bufferin OBJECT IDENTIFIER::= { data 4 }");
  for (int b = 1; b <= 8; ++b)
    l << QStringLiteral(
             "bufferinblk%1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current "
             "DESCRIPTION \"data block n.%1\" ::= { bufferin %1 }")
             .arg(b);
  l << QStringLiteral(" bufferinval OBJECT IDENTIFIER::= { bufferin 9 }");
  QSet<QString> used;
  Add_Objects(l, objects.Read, "read-only", "bufferinval", used);
  l << QStringLiteral("bufferout OBJECT IDENTIFIER::= { data 5 }");
  for (int b = 1; b <= 8; ++b)
    l << QStringLiteral(
             "bufferoutblk%1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current "
             "DESCRIPTION \"data block n.%1\" ::= { bufferout %1 }")
             .arg(b);
  l << QStringLiteral(" bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }");
  Add_Objects(l, objects.Write, "read-write", "bufferoutval", used);
  l << QStringLiteral("traps OBJECT IDENTIFIER::= { application 2 }")
    << QStringLiteral(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
  for (size_t k = 1; k <= objects.Read.size(); ++k) {
    const TMIB_Object& row = objects.Read[k - 1];
    l << QStringLiteral(
             "trapval%1 NOTIFICATION-TYPE SYNTAX %2 MAX-ACCESS read-only STATUS current DESCRIPTION "
             "\"%3\" ::= { trapsval %1 }")
             .arg(k)
             .arg(Syntax(row.Is_Int), Quoted_Text(row.Description));
  }
  l << QStringLiteral("END");
  return l;
}
