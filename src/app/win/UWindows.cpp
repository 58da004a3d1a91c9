#include "UWindows.h"

#include <functional>
#include <memory>

#include "UAbout.h"
#include "UBACnetSlaveSetAccess.h"
#include "UBACnet_Eng_Unit.h"
#include "UBoot.h"
#include "UDMXDefVal.h"
#include "UKNXAccess.h"
#include "UMQTT_Set_Topic.h"
#include "UNew_Project.h"
#include "UOPC_UA_Add_Server.h"
#include "UOPC_UA_Client_Access.h"
#include "UOPC_UA_Scan_Server.h"
#include "UOpenConf.h"
#include "UParGen.h"
#include "UProfinetFileName.h"
#include "UReceiveCAN.h"
#include "UReceiveJ1939.h"
#include "UReceiveNMEA.h"
#include "USNMP_Trap_Access.h"
#include "USet_PDO_Access.h"
#include "USet_SDO_Client_Access.h"
#include "USet_SDO_Server_Access.h"
#include "USoftOptions.h"
#include "UTopicTemplate.h"
#include "UTransmitCAN.h"
#include "UTransmitJ1939.h"
#include "UTransmitNMEA.h"
#include "UVandrelFirmWare.h"

namespace {

struct TWindowSlot {
  std::unique_ptr<QWidget> Window;
  std::function<void()> Clear_Instance;
};

std::vector<TWindowSlot> Windows;

// Every window but the main one belongs to the main window on the desktop (one taskbar entry, dialogs kept above
// it); ownership stays here, and the reverse destruction frees the dialogs before their parent.
template <class T>
void Create(T*& instance) {
  auto window = std::make_unique<T>(FVandrelFirmWare);
  instance = window.get();
  Windows.push_back({std::move(window), [&instance] { instance = nullptr; }});
}

}  // namespace

void Create_Windows() {
  Create(FVandrelFirmWare);
  Create(FParGen);
  Create(FNew_Project);
  Create(FOpenConf);
  Create(FAbout);
  Create(FSoftOptions);
  Create(FOPC_UA_Client_Access);
  Create(FOPC_UA_Add_Server);
  Create(FOPC_UA_Scan_Server);
  Create(FBoot);
  Create(FBACnet_Eng_Unit);
  Create(FBACnetSlaveSetAccess);
  Create(FProfinetFileName);
  Create(FReceiveCAN);
  Create(FTransmitCAN);
  Create(FSet_PDO_Access);
  Create(FSet_SDO_Client_Access);
  Create(FSet_SDO_Server_Access);
  Create(FDMXDefVal);
  Create(FReceiveJ1939);
  Create(FTransmitJ1939);
  Create(FReceiveNMEA);
  Create(FTransmitNMEA);
  Create(FSNMP_Trap_Access);
  Create(FKNXAccess);
  Create(FMQTT_Set_Topic);
  Create(FTopicTemplate);
}

void Destroy_Windows() {
  while (!Windows.empty()) {
    TWindowSlot slot = std::move(Windows.back());
    Windows.pop_back();
    slot.Clear_Instance();
    slot.Window.reset();
  }
}

std::vector<QWidget*> Created_Windows() {
  std::vector<QWidget*> list;
  for (const TWindowSlot& slot : Windows) list.push_back(slot.Window.get());
  return list;
}

std::vector<TFDialogFrame*> Language_Fan_Out() {
  const std::vector<TFDialogFrame*> order = {
      FNew_Project,
      FOpenConf,
      FSoftOptions,
      FBoot,
      FParGen,
      FOPC_UA_Client_Access,
      FOPC_UA_Add_Server,
      FOPC_UA_Scan_Server,
      FBACnetSlaveSetAccess,
      FBACnet_Eng_Unit,
      FProfinetFileName,
      FReceiveCAN,
      FTransmitCAN,
      FSet_PDO_Access,
      FSet_SDO_Client_Access,
      FSet_SDO_Server_Access,
      FDMXDefVal,
      FReceiveJ1939,
      FTransmitJ1939,
      FReceiveNMEA,
      FTransmitNMEA,
      FSNMP_Trap_Access,
      FKNXAccess,
      FMQTT_Set_Topic,
  };
  std::vector<TFDialogFrame*> present;
  for (TFDialogFrame* window : order)
    if (window) present.push_back(window);
  return present;
}
