#include "UXml.h"

#include <QFile>

#include <sstream>

#include "USaveFile.h"

namespace {
constexpr unsigned Parse_Options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments;
constexpr unsigned Save_Options = pugi::format_raw | pugi::format_no_declaration;
}  // namespace

bool TXmlDocument::Load_File(const QString& path) {
  FDoc.reset();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return Load_Bytes(file.readAll());
}

bool TXmlDocument::Load_Bytes(const QByteArray& bytes) {
  FDoc.reset();
  const pugi::xml_parse_result result =
      FDoc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), Parse_Options, pugi::encoding_auto);
  if (!result) {
    FDoc.reset();
    return false;
  }
  return true;
}

pugi::xml_node TXmlDocument::First_Node() const { return FDoc.first_child(); }

pugi::xml_node TXmlDocument::First_Element() const {
  for (pugi::xml_node n = FDoc.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element) return n;
  return {};
}

QByteArray TXmlDocument::Save_Bytes() const {
  std::ostringstream out;
  FDoc.save(out, "", Save_Options, pugi::encoding_utf8);
  const std::string s = out.str();
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

bool TXmlDocument::Save_File(const QString& path) const { return Write_File_Atomic(path, Save_Bytes()); }

QString Xml_To_QString(const pugi::char_t* text) { return QString::fromUtf8(text); }

QString Xml_Child_Text(pugi::xml_node parent, const char* name, const QString& def) {
  const pugi::xml_node child = parent.child(name);
  if (!child) return def;
  return Xml_To_QString(child.text().get());
}

QString Xml_Attr(pugi::xml_node node, const char* name, const QString& def) {
  const pugi::xml_attribute attr = node.attribute(name);
  if (!attr) return def;
  return Xml_To_QString(attr.value());
}

bool Xml_Has_Attr(pugi::xml_node node, const char* name) { return static_cast<bool>(node.attribute(name)); }

pugi::xml_node Xml_Append_Element(pugi::xml_node parent, const char* name) { return parent.append_child(name); }

pugi::xml_node Xml_Append_Text_Element(pugi::xml_node parent, const char* name, const QString& text) {
  pugi::xml_node e = parent.append_child(name);
  if (!text.isEmpty()) e.text().set(text.toUtf8().constData());
  return e;
}

void Xml_Set_Attr(pugi::xml_node node, const char* name, const QString& value) {
  pugi::xml_attribute attr = node.attribute(name);
  if (!attr) attr = node.append_attribute(name);
  attr.set_value(value.toUtf8().constData());
}

pugi::xml_node Xml_Append_Comment(pugi::xml_node parent, const QString& text) {
  pugi::xml_node c = parent.append_child(pugi::node_comment);
  c.set_value(text.toUtf8().constData());
  return c;
}
