// Which panels each model of the family shows, in which order and under which caption, and which re-layout
// routines it runs.
#include "TCategoryPanel.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UParGen.h"

namespace {
struct TModelPanel {
  TCategoryPanel* TParGenControls::*Panel;
  int32_t Caption_Id;
};

struct TModelPanels {
  const char* Model;
  std::vector<TModelPanel> Panels;
};

using C = TParGenControls;

// Every model but one puts its field protocol between the OPC UA client and NTP.
TModelPanels Field_Model(const char* model, TCategoryPanel* C::*field, int32_t caption_id) {
  return {model,
          {{&C::CP_Ethernet_Connection, 3303}, {&C::CP_OPC_UA_Client, 406}, {field, caption_id}, {&C::CP_NTP, 718}}};
}

const std::vector<TModelPanels>& Model_Panels() {
  static const std::vector<TModelPanels> table{
      Field_Model("Tarn07", &C::CP_PROFIBUS, 797),
      Field_Model("Tarn08", &C::CP_Serial, 424),
      Field_Model("Tarn09", &C::CP_Modbus_Slave, 433),
      Field_Model("Tarn10", &C::CP_Modbus_TCP_Slave, 446),
      Field_Model("Tarn11", &C::CP_BACnet_Slave, 465),
      Field_Model("Tarn12", &C::CP_CAN, 508),
      Field_Model("Tarn13", &C::CP_CANopen, 511),
      Field_Model("Tarn14", &C::CP_DeviceNet_Slave, 523),
      Field_Model("Tarn15", &C::CP_DMX, 532),
      Field_Model("Tarn16", &C::CP_EtherNetIP, 537),
      Field_Model("Tarn17", &C::CP_J1939, 563),
      Field_Model("Tarn18", &C::CP_KNX, 572),
      {"Tarn19",
       {{&C::CP_Select_Device, 3300},
        {&C::CP_Ethernet_Connection, 3303},
        {&C::CP_OPC_UA_Client, 406},
        {&C::CP_MQTT, 577},
        {&C::CP_Ethernet, 604},
        {&C::CP_TLS, 703},
        {&C::CP_NTP, 718},
        {&C::CP_WiFi2, 3322},
        {&C::CP_GSM_GPRS, 3401}}},
      Field_Model("Tarn21", &C::CP_NMEA2000, 723),
      Field_Model("Tarn22", &C::CP_PROFINET, 730),
      Field_Model("Tarn23", &C::CP_SNMP_Agent, 758),
  };
  return table;
}

using TRoutine = void (TFParGen::*)();

struct TModelRoutines {
  const char* Model;
  std::vector<TRoutine> Routines;
};

using F = TFParGen;

TModelRoutines Field_Routines(const char* model, std::vector<TRoutine> field) {
  std::vector<TRoutine> all{&F::RePosition_Object_Ethernet_Connection, &F::RePosition_Object_OPC_UA_Client};
  all.insert(all.end(), field.begin(), field.end());
  return {model, all};
}

const std::vector<TModelRoutines>& Model_Routines() {
  static const std::vector<TModelRoutines> table{
      Field_Routines("Tarn07", {&F::RePosition_Object_PROFIBUS, &F::RePosition_Object_NTP}),
      Field_Routines("Tarn08", {&F::RePosition_Object_Serial}),
      Field_Routines("Tarn09", {&F::RePosition_Object_Modbus_Slave}),
      Field_Routines("Tarn10", {&F::RePosition_Object_Modbus_TCP_Slave}),
      Field_Routines("Tarn11", {&F::RePosition_Object_BACnet_Slave}),
      Field_Routines("Tarn12", {&F::RePosition_Object_CAN}),
      Field_Routines("Tarn13", {&F::RePosition_Object_CANopen}),
      Field_Routines("Tarn14", {&F::RePosition_Object_DeviceNet_Slave}),
      Field_Routines("Tarn15", {&F::RePosition_Object_DMX}),
      Field_Routines("Tarn16", {&F::RePosition_Object_EtherNetIP}),
      Field_Routines("Tarn17", {&F::RePosition_Object_J1939}),
      Field_Routines("Tarn18", {&F::RePosition_Object_KNX}),
      {"Tarn19",
       {&F::RePosition_Object_Select_Device, &F::RePosition_Object_Ethernet_Connection,
        &F::RePosition_Object_OPC_UA_Client, &F::RePosition_Object_MQTT, &F::RePosition_Object_Ethernet,
        &F::RePosition_Object_TLS, &F::RePosition_Object_NTP, &F::RePosition_Object_WiFi2,
        &F::RePosition_Object_GSM_GPRS, &F::Device_Choice_Tarn19}},
      Field_Routines("Tarn21", {&F::RePosition_Object_NMEA2000}),
      Field_Routines("Tarn22", {&F::RePosition_Object_PROFINET, &F::RePosition_Object_NTP}),
      Field_Routines("Tarn23", {&F::RePosition_Object_SNMP_Agent}),
  };
  return table;
}

// The model this program serves: its software code without the leading "SW".
QString Build_Model() {
  return Model_SW_Code.mid(2);
}
}  // namespace

void TFParGen::Order_TAB_Panels() {
  Order_TAB_Panels_For(Build_Model());
}

bool TFParGen::Order_TAB_Panels_For(const QString& model) {
  Ensure_Built();
  for (const TModelPanels& m : Model_Panels()) {
    if (model != QLatin1String(m.Model)) continue;
    for (const TModelPanel& entry : m.Panels) (this->*entry.Panel)->setVisible(true);
    TCategoryPanel* previous = nullptr;
    int32_t position = 0;
    for (const TModelPanel& entry : m.Panels) {
      TCategoryPanel* panel = this->*entry.Panel;
      panel->SetTop(previous ? previous->Top() + previous->height() : 0);
      // The captions are set here only: they keep the language active when the window was created.
      panel->SetCaption(QString::number(position + 1) + QStringLiteral(". ") +
                        FCreation_Texts.value(entry.Caption_Id));
      panel->SetTab_Order(position);
      previous = panel;
      ++position;
    }
    return true;
  }
  return false;
}

void TFParGen::Move_GroupBoxs() {
  RePosition_Objects_For(Build_Model());
}

bool TFParGen::RePosition_Objects_For(const QString& model) {
  Ensure_Built();
  for (const TModelRoutines& m : Model_Routines()) {
    if (model != QLatin1String(m.Model)) continue;
    for (TRoutine routine : m.Routines) (this->*routine)();
    return true;
  }
  return false;
}
