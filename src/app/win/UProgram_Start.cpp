#include "UProgram_Start.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "UApplication.h"
#include "UControl_Modules.h"
#include "UFonts.h"
#include "UGlobals.h"
#include "ULang.h"
#include "USettings.h"
#include "UVandrelFirmWare.h"
#include "UWindows.h"
#include "UWorkspace.h"

void Prepare_Program_State() {
  Lang_Table.clear();
  Set_Program_Folder(Path_Exe);
  // Folders that cannot be made show up later, when a file in them is needed.
  for (const QString& folder : {Path_Master, Path_Projects, Path_Language}) QDir().mkpath(folder);
  Name_Project.clear();
  Update_Read_Back = true;
  Update_Option_Index = 0;
  Read_Settings();
  SW_Code = Model_SW_Code;
  SW_Desc = Model_SW_Desc;
  Language = Load_Language(Language);
  // A name from a hand-edited file that is no single folder name would lead out of PROJECTS: it opens nothing.
  const QString folder = Join_Path(Path_Projects, Name_Project);
  if (Is_Single_Folder_Name(Name_Project) && QFileInfo(folder).isDir())
    Path_Project = folder;
  else
    Path_Project.clear();
  Build_Topic_Paths();
  Row_Clipboard.clear();
  MIB_Read_List.clear();
  MIB_Write_List.clear();
}

int Program_Main(int argc, char** argv, const QString& program_folder, const TBefore_Show& before_show) {
  TApplication app(argc, argv);
  Install_Font_Substitutes();
  Set_Program_Folder(program_folder.isEmpty() ? QCoreApplication::applicationDirPath() : program_folder);
  return Program_Start(before_show);
}

int Program_Start(const TBefore_Show& before_show) {
  Start_Control_Modules();
  Prepare_Program_State();
  Create_Windows();
  if (before_show) before_show(FVandrelFirmWare);
  FVandrelFirmWare->show();
  const int result = QApplication::exec();
  Destroy_Windows();
  Stop_Control_Modules();
  return result;
}
