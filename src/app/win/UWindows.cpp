#include "UWindows.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

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
#include "UWindow_Table.h"

namespace {

struct TCreated {
  QWidget* Window;
  std::function<void()> Clear_Instance;
};

std::vector<TCreated> Windows;
// The main window's one owner. Every other window is owned by the main window, its Qt parent, which also keeps it
// with the main window on the desktop (one taskbar entry, dialogs above it); it goes when the main window goes.
std::unique_ptr<TFVandrelFirmWare> Main_Window;

template <class T>
void Create(T*& instance) {
  if constexpr (std::is_same_v<T, TFVandrelFirmWare>) {
    Main_Window = std::make_unique<T>();
    instance = Main_Window.get();
  } else {
    instance = new T(FVandrelFirmWare);
  }
  Windows.push_back({instance, [&instance] { instance = nullptr; }});
}

template <int Position, class T>
void Add_To_Fan_Out(std::vector<std::pair<int, TFDialogFrame*>>& list, T* window) {
  if constexpr (Position > 0) {
    if (window) list.emplace_back(Position, window);
  }
}

}  // namespace

void Create_Windows() {
#define TARN_CREATE_WINDOW(window_class, instance, fan_out, english_block) Create(instance);
  TARN_WINDOW_TABLE(TARN_CREATE_WINDOW)
#undef TARN_CREATE_WINDOW
  // The options window reaches the main window, which sits in a library above it, only through these.
  FSoftOptions->On_Change_Language = [] { FVandrelFirmWare->Change_Language(); };
  FSoftOptions->On_Enable_Timer_Update = [](bool on) { FVandrelFirmWare->Enable_Timer_Update(on); };
}

void Destroy_Windows() {
  // No instance pointer may lead to a window being destroyed, whatever a destructor looks at.
  for (auto it = Windows.rbegin(); it != Windows.rend(); ++it) it->Clear_Instance();
  Windows.clear();
  Main_Window.reset();
}

std::vector<QWidget*> Created_Windows() {
  std::vector<QWidget*> list;
  for (const TCreated& created : Windows) list.push_back(created.Window);
  return list;
}

std::vector<TFDialogFrame*> Language_Fan_Out() {
  std::vector<std::pair<int, TFDialogFrame*>> ranked;
#define TARN_FAN_OUT(window_class, instance, fan_out, english_block) Add_To_Fan_Out<fan_out>(ranked, instance);
  TARN_WINDOW_TABLE(TARN_FAN_OUT)
#undef TARN_FAN_OUT
  std::sort(ranked.begin(), ranked.end());
  std::vector<TFDialogFrame*> present;
  for (const auto& [position, window] : ranked) present.push_back(window);
  return present;
}
