// The XML layer: a document of any bytes, its first element and its serialised form.
#include "FuzzSupport.h"
#include "UXml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TXmlDocument doc;
  if (!doc.Load_Bytes(Fuzz_Bytes(data, size))) return 0;
  const pugi::xml_node root = doc.First_Element();
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
    Xml_Attr(child, "Name", QString());
  Xml_Child_Text(root, "Version", QString());
  doc.Save_Bytes();
  return 0;
}
