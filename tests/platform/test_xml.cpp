#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TFailingDevice.h"
#include "UXml.h"

namespace {
QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
}  // namespace

TEST(Xml, AttributesKeepTheOrderWrittenAndSaveHasNoIndentation) {
  TXmlDocument doc;
  auto root = Xml_Append_Element(doc.Doc(), "Root");
  Xml_Append_Comment(doc.Doc(), QStringLiteral("SW_VERSION = 1.009"));
  auto e = Xml_Append_Element(root, "Item");
  Xml_Set_Attr(e, "Zeta", QStringLiteral("1"));
  Xml_Set_Attr(e, "Alpha", QStringLiteral("\u00e8&<"));
  Xml_Set_Attr(e, "Zeta", QStringLiteral("2"));
  Xml_Append_Text_Element(root, "Text", QStringLiteral("abc"));
  Xml_Append_Text_Element(root, "Empty", QString());
  EXPECT_EQ(doc.Save_Bytes(),
            QByteArray("<Root><Item Zeta=\"2\" Alpha=\"\xc3\xa8&amp;&lt;\"/><Text>abc</Text><Empty/>"
                       "</Root><!--SW_VERSION = 1.009-->"));
}

TEST(Xml, LoadKeepsDeclarationAndCommentNodes) {
  TXmlDocument doc;
  ASSERT_TRUE(doc.Load_Bytes("<?xml version=\"1.0\"?><!-- c --><Conf><a>1</a><b x=\"y\"/></Conf>"));
  EXPECT_EQ(doc.First_Node().type(), pugi::node_declaration);
  const auto root = doc.First_Element();
  EXPECT_STREQ(root.name(), "Conf");
  EXPECT_EQ(Xml_Child_Text(root, "a", QStringLiteral("d")), QStringLiteral("1"));
  EXPECT_EQ(Xml_Child_Text(root, "missing", QStringLiteral("d")), QStringLiteral("d"));
  EXPECT_EQ(Xml_Child_Text(root, "b", QStringLiteral("d")), QString());
  EXPECT_EQ(Xml_Attr(root.child("b"), "x", QStringLiteral("d")), QStringLiteral("y"));
  EXPECT_EQ(Xml_Attr(root.child("b"), "z", QStringLiteral("d")), QStringLiteral("d"));
  EXPECT_EQ(Xml_Attr(root.child("nothing"), "x", QStringLiteral("d")), QStringLiteral("d"));
  EXPECT_TRUE(doc.Save_Bytes().startsWith("<?xml version=\"1.0\"?><!-- c --><Conf>"));
}

TEST(Xml, MissingOrMalformedFileGivesEmptyDocument) {
  QTemporaryDir dir;
  TXmlDocument doc;
  EXPECT_FALSE(doc.Load_File(dir.filePath(QStringLiteral("none.xml"))));
  EXPECT_FALSE(doc.First_Node());
  Write(dir.filePath(QStringLiteral("bad.xml")), "<a><b></a>");
  EXPECT_FALSE(doc.Load_File(dir.filePath(QStringLiteral("bad.xml"))));
  EXPECT_FALSE(doc.First_Element());
}

TEST(Xml, InterruptedSaveLeavesTheOldFileIntact) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("keep.xml"));
  Write(path, "<Old/>");
  TXmlDocument doc;
  Xml_Append_Element(Xml_Append_Element(doc.Doc(), "New"), "Child");
  TFailing_Writes failing(QStringLiteral("keep.xml"), 5);
  EXPECT_FALSE(doc.Save_File(path));
  EXPECT_EQ(failing.Failed, QStringList{path});
  EXPECT_EQ(Read(path), QByteArray("<Old/>"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.xml")});
  // A folder that does not exist fails as well, without creating anything.
  EXPECT_FALSE(doc.Save_File(dir.filePath(QStringLiteral("no/such/folder.xml"))));
}

TEST(Xml, SaveReplacesTheWholeFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("f.xml"));
  Write(path, "<Old>with a long body that must disappear</Old>");
  TXmlDocument doc;
  Xml_Append_Element(doc.Doc(), "New");
  ASSERT_TRUE(doc.Save_File(path));
  EXPECT_EQ(Read(path), QByteArray("<New/>"));
}
