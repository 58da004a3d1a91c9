#include "UXml.h"

#include <QFile>

#include <sstream>
#include <string>
#include <string_view>

#include "USaveFile.h"
#include "UXmlCheck.h"

namespace {
// Blank-only text pieces are kept, also beside comments, so an element's text is all of its text: " " reads back
// as " ", and "12<!--x--> " as "12 ", which is no integer.
constexpr unsigned Parse_Options =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_ws_pcdata;
constexpr unsigned Save_Options = pugi::format_raw | pugi::format_no_declaration;
}  // namespace

bool TXmlDocument::Load_File(const QString& path) {
  FDoc.reset();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    FError = QStringLiteral("cannot be opened: %1").arg(file.errorString());
    return false;
  }
  return Load_Bytes(file.readAll());
}

bool TXmlDocument::Load_Bytes(const QByteArray& bytes) {
  FDoc.reset();
  FError.clear();
  QByteArray converted;
  QString problem;
  if (!Xml_Decode_To_Utf8(bytes, converted, problem)) {
    FError = QStringLiteral("cannot be decoded (%1)").arg(problem);
    return false;
  }
  const QByteArray& text = converted.isNull() ? bytes : converted;
  switch (Xml_Check_Well_Formed(std::string_view(text.constData(), static_cast<size_t>(text.size())), problem)) {
    case TXmlVerdict::Well_Formed:
      break;
    case TXmlVerdict::Has_Doctype:
      FError = QStringLiteral("holds a document type declaration, which configuration files never carry (%1)")
                   .arg(problem);
      return false;
    case TXmlVerdict::Not_Well_Formed:
      FError = QStringLiteral("is not well-formed XML (%1)").arg(problem);
      return false;
  }
  const pugi::xml_parse_result result =
      FDoc.load_buffer(text.constData(), static_cast<size_t>(text.size()), Parse_Options, pugi::encoding_utf8);
  if (!result) {
    FDoc.reset();
    FError = QStringLiteral("is not well-formed XML (%1)").arg(QString::fromUtf8(result.description()));
    return false;
  }
  return true;
}

pugi::xml_node TXmlDocument::First_Node() const {
  return FDoc.first_child();
}

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

bool TXmlDocument::Save_File(const QString& path) const {
  return Write_File_Atomic(path, Save_Bytes());
}

QString Xml_To_QString(const pugi::char_t* text) {
  return QString::fromUtf8(text);
}

namespace {
// The pieces joined as UTF-8; `scratch` holds the joined text when there is more than one piece.
bool Xml_Element_Text_Utf8(pugi::xml_node element, std::string_view& text, std::string& scratch) {
  if (!element) return false;
  text = {};
  int pieces = 0;
  for (pugi::xml_node c = element.first_child(); c; c = c.next_sibling()) {
    const pugi::xml_node_type type = c.type();
    if (type == pugi::node_element) return false;
    if (type != pugi::node_pcdata && type != pugi::node_cdata) continue;
    const std::string_view piece(c.value());
    if (++pieces == 1) {
      text = piece;
      continue;
    }
    if (pieces == 2) scratch.assign(text);
    scratch.append(piece);
  }
  if (pieces > 1) text = scratch;
  return true;
}
}  // namespace

bool Xml_Element_Text(pugi::xml_node element, QString& text) {
  std::string_view utf8;
  std::string scratch;
  if (!Xml_Element_Text_Utf8(element, utf8, scratch)) return false;
  text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  return true;
}

QString Xml_Child_Text(pugi::xml_node parent, const char* name, const QString& def) {
  QString text;
  return Xml_Element_Text(parent.child(name), text) ? text : def;
}

QString Xml_Attr(pugi::xml_node node, const char* name, const QString& def) {
  const pugi::xml_attribute attr = node.attribute(name);
  if (!attr) return def;
  return Xml_To_QString(attr.value());
}

bool Xml_Has_Attr(pugi::xml_node node, const char* name) {
  return static_cast<bool>(node.attribute(name));
}

pugi::xml_node Xml_Append_Element(pugi::xml_node parent, const char* name) {
  return parent.append_child(name);
}

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
