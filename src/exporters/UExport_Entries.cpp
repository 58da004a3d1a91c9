#include "UExport_Entries.h"

#include <QDir>

#include "UDialogs.h"

namespace {

void Not_Available(const QString& kind, const QString& path = QString()) {
  const QString target = path.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(QDir::toNativeSeparators(path));
  MessageDlg(QStringLiteral("The export of the %1%2 is not available in this version of the configurator yet. "
                            "No file has been written.")
                 .arg(kind, target),
             mtInformation, mbOK);
}

}  // namespace

void Create_GSDML_File(const QString& proposed_name) {
  Not_Available(QStringLiteral("PROFINET GSDML file"), proposed_name);
}
void Create_EDE_File(const QString& path) {
  Not_Available(QStringLiteral("BACnet EDE file"), path);
}
void Create_EDS_File(const QString& path) {
  Not_Available(QStringLiteral("CANopen EDS file"), path);
}
void Create_MIB_File() {
  Not_Available(QStringLiteral("SNMP MIB file"));
}
void Create_GSD_File() {
  Not_Available(QStringLiteral("PROFIBUS GSD file"));
}
