#pragma once
// Thin helpers over pugixml: whole-document load, defaults for what is missing, attributes kept in the order
// written, declaration and comment nodes, and saving without indentation through an atomic file write.
#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

class TXmlDocument {
 public:
  // Loads the whole file. Returns false (leaving an empty document, and the reason in Error()) when the file is
  // missing or is not a well-formed XML document (a document type declaration counts as not well-formed here).
  bool Load_File(const QString& path);
  bool Load_Bytes(const QByteArray& bytes);
  // Why the last load failed, as a phrase to put after "the file ... " ("is not well-formed XML (line 2: ...)");
  // empty after a successful load.
  const QString& Error() const { return FError; }
  // The document's first node of any kind (a declaration or comment counts), empty when there is none.
  pugi::xml_node First_Node() const;
  // The document's first element, skipping a leading declaration, comment or processing instruction.
  pugi::xml_node First_Element() const;
  pugi::xml_document& Doc() { return FDoc; }
  const pugi::xml_document& Doc() const { return FDoc; }
  // The serialised document: no indentation, no declaration unless the document holds one.
  QByteArray Save_Bytes() const;
  // Writes beside the target and renames over it; false leaves the previous file intact.
  bool Save_File(const QString& path) const;

 private:
  pugi::xml_document FDoc;
  QString FError;
};

QString Xml_To_QString(const pugi::char_t* text);
// The text of an element: all of its text and CDATA pieces joined, whatever comments or processing instructions
// stand between them. False when the element is missing or holds an element (then it has no single value).
bool Xml_Element_Text(pugi::xml_node element, QString& text);
// Text of the first child element `name`, or `def` when that element is missing or holds an element.
QString Xml_Child_Text(pugi::xml_node parent, const char* name, const QString& def);
// Value of attribute `name`, or `def` when the attribute (or the node) is missing.
QString Xml_Attr(pugi::xml_node node, const char* name, const QString& def);
bool Xml_Has_Attr(pugi::xml_node node, const char* name);
pugi::xml_node Xml_Append_Element(pugi::xml_node parent, const char* name);
pugi::xml_node Xml_Append_Text_Element(pugi::xml_node parent, const char* name, const QString& text);
// Appends the attribute, or replaces the value of an existing one in its place.
void Xml_Set_Attr(pugi::xml_node node, const char* name, const QString& value);
pugi::xml_node Xml_Append_Comment(pugi::xml_node parent, const QString& text);
