#include "UExport_Entries.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "UDialogs.h"
#include "UEDE_Writer.h"
#include "UEDS_Writer.h"
#include "UGSDML_Writer.h"
#include "UGSD_Writer.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UMIB_Writer.h"
#include "USaveFile.h"

namespace {

// True when the input could be used (present or missing); an unreadable one has been reported.
bool Input_Usable(TInputLoad load, const QString& error) {
  if (load != TInputLoad::Unreadable) return true;
  MessageDlg(error, mtError, mbOK);
  return false;
}

void Save_Export(const QString& path, const QByteArray& bytes) {
  if (Write_File_Atomic(path, bytes)) return;
  MessageDlg(QStringLiteral("The file %1 could not be written. An earlier file of that name is unchanged.")
                 .arg(QDir::toNativeSeparators(path)),
             mtError, mbOK);
}

bool Confirm_Replace(const QString& path, int32_t question_id) {
  return !QFileInfo::exists(path) || MessageDlg(Lang_Table.value(question_id), mtConfirmation, mbYes | mbNo) == mrYes;
}

TFileDialogRequest Save_Request(const QString& filter, const QString& default_ext = QString()) {
  TFileDialogRequest request;
  request.Save = true;
  request.InitialDir = Path_Project;
  request.Filter = filter;
  request.DefaultExt = default_ext;
  return request;
}

void Write_GSDML_File(const QString& path) {
  TProfinet_Parameters parameters;
  QString error;
  if (!Input_Usable(Read_PROFINET_Parameters(Path_ParGen, parameters, error), error)) return;
  Save_Export(path, Utf8_Bom_Lines_Bytes(GSDML_Lines(parameters)));
}

void Write_MIB_File(const QString& path) {
  TMIB_Objects objects;
  QString error;
  if (!Input_Usable(Read_SNMP_MIB_Objects(Path_SNMP_Trap, objects, error), error)) return;
  Save_Export(path, Ansi_Lines_Bytes(MIB_Lines(objects)));
}

}  // namespace

void Create_GSD_File() {
  if (!QFileInfo::exists(Path_ParGen)) {
    MessageDlg(Lang_Table.value(1104), mtError, mbOK);
    return;
  }
  TGSD_Sizes sizes;
  QString error;
  if (!Input_Usable(Read_GSD_Sizes(Path_ParGen, sizes, error), error)) return;
  if (!GSD_Sizes_Fit(sizes)) {
    MessageDlg(QStringLiteral("The process data of %1 (%2 bytes to the master, %3 bytes from it) need more than %4 "
                              "modules, more than a GSD file can describe. No file has been written.")
                   .arg(QDir::toNativeSeparators(Path_ParGen))
                   .arg(sizes.Input_Bytes)
                   .arg(sizes.Output_Bytes)
                   .arg(Max_GSD_Modules),
               mtError, mbOK);
    return;
  }
  QString name = File_Dialog(Save_Request(QStringLiteral("Generic Station Description (*.gsd)|*.gsd")));
  if (name.isEmpty()) return;
  if (!name.endsWith(QStringLiteral(".gsd"), Qt::CaseInsensitive)) name += QStringLiteral(".gsd");
  if (!Confirm_Replace(name, 1103)) return;
  Save_Export(name, Ansi_Lines_Bytes(GSD_Lines(sizes)));
}

void Create_GSDML_File(const QString& proposed_name) {
  // The name is typed by the user and joined to the chosen folder: it must stay a name, not a path.
  if (proposed_name.contains(QLatin1Char('/')) || proposed_name.contains(QLatin1Char('\\'))) {
    MessageDlg(QStringLiteral("The file name %1 must not hold \"/\" or \"\\\". No file has been written.")
                   .arg(proposed_name),
               mtError, mbOK);
    return;
  }
  TFileDialogRequest request = Save_Request(QStringLiteral("PROFINET XML (*.xml)|") + proposed_name);
  request.FileName = proposed_name;
  const QString chosen = File_Dialog(request);
  if (chosen.isEmpty()) return;
  const QString path = QDir(QFileInfo(chosen).absolutePath()).filePath(proposed_name);
  if (!Confirm_Replace(path, 1811)) return;
  Write_GSDML_File(path);
}

void Create_EDS_File(const QString& path) {
  TPDO_Table pdos;
  TSDO_Index_List sdos;
  QString error;
  if (!Input_Usable(Read_PDO_List(Path_PDO_CANopen, pdos, error), error)) return;
  if (!Input_Usable(Read_SDO_Server_List(Path_SDO_Server_CANopen, sdos, error), error)) return;
  Sort_SDO_Sub_Indexs(sdos);
  Save_Export(path, Ansi_Lines_Bytes(EDS_Lines(pdos, sdos, QDateTime::currentDateTime())));
}

void Create_EDE_File(const QString& path) {
  TEDE_Device_Settings settings;
  std::vector<TBACnet_EDE_Obj> rows;
  QString error;
  if (!Input_Usable(Read_EDE_Device_Settings(Path_ParGen, settings, error), error)) return;
  if (!Input_Usable(Read_EDE_Objects(Path_BACnet_Slave_SetAccess, settings, rows, error), error)) return;
  Save_Export(path, Ansi_Lines_Bytes(EDE_Lines(Name_Project, rows, QDateTime::currentDateTime())));
}

void Create_MIB_File() {
  const QString name =
      File_Dialog(Save_Request(QStringLiteral("Management Information Base (*.mib)|*.mib"), QStringLiteral("*.mib")));
  if (name.isEmpty() || !Confirm_Replace(name, 1105)) return;
  Write_MIB_File(name);
}
