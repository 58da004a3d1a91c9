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

TEST(Xml, ElementTextIsAllOfItsTextAndAnElementInsideLeavesNone) {
  TXmlDocument doc;
  ASSERT_TRUE(
      doc.Load_Bytes("<r><a>time.<!--x-->example<![CDATA[.net]]><?p?></a><b>1<c/>2</b><d> </d><e/>"
                     "<f><!--only a comment--></f><g>a<!--x--> <!--y-->b</g><h> <!--c--></h></r>"));
  const pugi::xml_node r = doc.First_Element();
  QString text;
  EXPECT_TRUE(Xml_Element_Text(r.child("a"), text));
  EXPECT_EQ(text, QStringLiteral("time.example.net"));
  EXPECT_FALSE(Xml_Element_Text(r.child("b"), text));
  EXPECT_FALSE(Xml_Element_Text(r.child("missing"), text));
  EXPECT_EQ(Xml_Child_Text(r, "b", QStringLiteral("def")), QStringLiteral("def"));
  EXPECT_EQ(Xml_Child_Text(r, "d", QStringLiteral("def")), QStringLiteral(" "));
  EXPECT_EQ(Xml_Child_Text(r, "e", QStringLiteral("def")), QString());
  EXPECT_EQ(Xml_Child_Text(r, "f", QStringLiteral("def")), QString());
  // A blank between two comments is text like any other piece.
  EXPECT_EQ(Xml_Child_Text(r, "g", QStringLiteral("def")), QStringLiteral("a b"));
  EXPECT_EQ(Xml_Child_Text(r, "h", QStringLiteral("def")), QStringLiteral(" "));
}

TEST(Xml, RefusedDocumentsSayWhyAndWhere) {
  struct Case {
    QByteArray bytes;
    const char* reason;  // nullptr: loads
  };
  const Case cases[] = {
      {"<a>\n<b>&nbsp;</b></a>", "is not well-formed XML (line 2: the entity \"&nbsp;\" is not defined)"},
      {"<!DOCTYPE a><a/>", "holds a document type declaration"},
      {QByteArray("\xFF\xFE<\0a\0/\0>\0", 10), nullptr},
      {QByteArray("\xFE\xFF\0<\0a\0/\0>", 10), nullptr},
      {QByteArray("\xFF\xFE<\0\x00\xD8/\0>\0", 10),
       "cannot be decoded (its UTF-16 text holds an unpaired surrogate)"},
      {"<?xml version=\"1.0\" encoding=\"EBCDIC-US\"?><a/>", "cannot be decoded"},
      {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80</a>", nullptr},
      {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x81</a>", "holds the byte 0x81"},
      {"<?xml version=\"2\"?><a/>", "an XML declaration that is not well-formed"},
      {"<a>\xED\xA0\x80</a>", "bytes that are not UTF-8"},  // an encoded surrogate
      {"<a>\xC0\xBC</a>", "bytes that are not UTF-8"},      // an overlong '<'
      {"<a>\xEF\xBF\xBF</a>", "U+FFFF"},
  };
  for (const Case& c : cases) {
    TXmlDocument doc;
    const bool loaded = doc.Load_Bytes(c.bytes);
    EXPECT_EQ(loaded, c.reason == nullptr) << c.bytes.toStdString() << ": " << doc.Error().toStdString();
    if (c.reason) {
      EXPECT_TRUE(doc.Error().contains(QString::fromUtf8(c.reason))) << doc.Error().toStdString();
    }
  }
  TXmlDocument doc;
  ASSERT_TRUE(doc.Load_Bytes("<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80</a>"));
  EXPECT_EQ(Xml_Child_Text(doc.Doc(), "a", QString()), QStringLiteral("\u20AC"));
}

TEST(Xml, DeepNestingIsCheckedWithoutExhaustingTheStack) {
  QByteArray deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  TXmlDocument doc;
  EXPECT_FALSE(doc.Load_Bytes(deep));
  EXPECT_TRUE(doc.Error().contains("is not closed")) << doc.Error().toStdString();
}
