#include "UParGen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"
#include "TOctetBox.h"
#include "UGlobals.h"
#include "ULang.h"

namespace {
constexpr int32_t Client_Width = 460;
constexpr int32_t Client_Height = 700;
constexpr int32_t Header_Height = 24;
constexpr TColor Header_Gradient = 0xD8D8E7;
constexpr int32_t Header_Image_Size = 12;
constexpr int32_t Ok_Left = 217;
constexpr int32_t Cancel_Left = 335;
constexpr int32_t Button_Top = 6;

QFont Header_Font() {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(15);
  font.setBold(true);
  return font;
}

// The two header pictures: a triangle pointing down on an open panel, right on a folded one.
QImage Header_Image(bool collapsed) {
  QImage image(Header_Image_Size, Header_Image_Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x60, 0x60, 0x60));
  const QPolygonF down{{2, 3}, {10, 3}, {6, 9}};
  const QPolygonF right{{3, 2}, {9, 6}, {3, 10}};
  p.drawPolygon(collapsed ? right : down);
  return image;
}
}  // namespace

TFParGen::TFParGen(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  // The width is fixed; the height follows the user.
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
  setMinimumHeight(Title_Height + Button_Panel_Height);
  setMaximumHeight(QWIDGETSIZE_MAX);
  setSizeGripEnabled(false);

  Btn_OK->move(Ok_Left, Button_Top);
  Btn_Cancel->move(Cancel_Left, Button_Top);
  // Enter and Esc type into the fields; only a click confirms or discards.
  Btn_OK->SetDefault(false);
  Btn_Cancel->SetCancel(false);

  FBook.On_Change = [this](QObject* sender) { On_Change(sender); };
  FBook.On_Click = [this](QObject* sender) { On_Click(sender); };
  Build_Group();
  L_SW_Code->setText(SW_Code);
  L_SW_Code->adjustSize();
  // The panel headers keep the language of this moment, whenever the panels are built.
  FCreation_Texts = Lang_Table;
  Set_Lang();
}

void TFParGen::Ensure_Built() {
  if (FBuilt) return;
  FBuilt = true;
  Build_Panels_Tarn10();
  Build_Panels_Serial();
  Build_Panels_IP();
  Build_Panels_Fieldbus();
  Build_Panels_MQTT_TLS();
  Build_Panels_WiFi();
  std::stable_sort(FBook.Lang.begin(), FBook.Lang.end(),
                   [](const TLangEntry& a, const TLangEntry& b) { return a.Id < b.Id; });
  Link_Octet_Chains();
  Collect_Fields();
  for (TCategoryPanel* panel : CPG->Panels()) panel->setVisible(false);
  Order_TAB_Panels();
  Move_GroupBoxs();
  Set_Lang();
  Is_Change = false;
}

void TFParGen::Build_Group() {
  CPG = new TCategoryPanelGroup(this);
  CPG->SetHeader_Height(Header_Height);
  CPG->SetHeader_Font(Header_Font());
  CPG->SetHeader_Font_Color(clGray);
  CPG->SetGradient(Header_Gradient, Header_Gradient);
  CPG->SetChevron_Colors(clGray, clRed);
  CPG->SetHeader_Images(Header_Image(false), Header_Image(true));
  CPG->viewport()->installEventFilter(this);
  Place_Group();
}

TCategoryPanel* TFParGen::New_Panel(const QString& caption) {
  auto* panel = new TCategoryPanel(CPG);
  panel->SetCaption(caption);
  return panel;
}

void TFParGen::Link_Octet_Chains() {
  // A full stop runs on through the whole address block of a panel, so an address, its mask and its gateway can
  // be typed in one go.
  TOctetBox::Link_Chain({E_OPC_UA_Client_IP1, E_OPC_UA_Client_IP2, E_OPC_UA_Client_IP3, E_OPC_UA_Client_IP4,
                         E_OPC_UA_Client_SM1, E_OPC_UA_Client_SM2, E_OPC_UA_Client_SM3, E_OPC_UA_Client_SM4,
                         E_OPC_UA_Client_GAT1, E_OPC_UA_Client_GAT2, E_OPC_UA_Client_GAT3, E_OPC_UA_Client_GAT4});
  TOctetBox::Link_Chain({E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4,
                         E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4});
  TOctetBox::Link_Chain({E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4,
                         E_ModbusTCPSlave_SM1, E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4,
                         E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3, E_ModbusTCPSlave_GAT4});
}

void TFParGen::Collect_Fields() {
  FFields = {E_OPC_UA_Client_IP1,     E_OPC_UA_Client_IP2,      E_OPC_UA_Client_IP3,      E_OPC_UA_Client_IP4,
             E_OPC_UA_Client_SM1,     E_OPC_UA_Client_SM2,      E_OPC_UA_Client_SM3,      E_OPC_UA_Client_SM4,
             E_OPC_UA_Client_GAT1,    E_OPC_UA_Client_GAT2,     E_OPC_UA_Client_GAT3,     E_OPC_UA_Client_GAT4,
             CB_OPC_UA_Client_En_GAT, E_EthConn_Device_Name,    CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi,
             CB_EthConn_Enable_DNS,   E_EthConn_Pri_DNS_IP1,    E_EthConn_Pri_DNS_IP2,    E_EthConn_Pri_DNS_IP3,
             E_EthConn_Pri_DNS_IP4,   E_EthConn_Sec_DNS_IP1,    E_EthConn_Sec_DNS_IP2,    E_EthConn_Sec_DNS_IP3,
             E_EthConn_Sec_DNS_IP4,   E_ModbusTCPSlave_IP1,     E_ModbusTCPSlave_IP2,     E_ModbusTCPSlave_IP3,
             E_ModbusTCPSlave_IP4,    E_ModbusTCPSlave_SM1,     E_ModbusTCPSlave_SM2,     E_ModbusTCPSlave_SM3,
             E_ModbusTCPSlave_SM4,    E_ModbusTCPSlave_GAT1,    E_ModbusTCPSlave_GAT2,    E_ModbusTCPSlave_GAT3,
             E_ModbusTCPSlave_GAT4,   CB_ModbusTCPSlave_En_GAT, E_ModbusTCPSlave_Port,    E_NTP_Server_URL,
             E_NTP_Poll_Time};
}

void TFParGen::Place_Group() {
  CPG->setGeometry(0, Title_Height, width(), std::max(0, height() - Title_Height - Button_Panel_Height));
}

void TFParGen::resizeEvent(QResizeEvent* event) {
  TFDialogFrame::resizeEvent(event);
  if (width() != Client_Width) {
    resize(Client_Width, height());
    return;
  }
  Place_Group();
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == CPG->viewport() && event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (FormMouseWheel(wheel->angleDelta().y(), wheel->globalPosition().toPoint())) return true;
  }
  return TFDialogFrame::eventFilter(watched, event);
}

bool TFParGen::FormMouseWheel(int32_t wheel_delta, const QPoint& global_pos) {
  if (!CPG->rect().contains(CPG->mapFromGlobal(global_pos))) return false;
  const int32_t lines = QApplication::wheelScrollLines();
  if (lines >= 1) CPG->Scroll_Lines(lines, wheel_delta > 0);
  return true;
}

void TFParGen::On_Change(QObject* sender) {
  Is_Change = true;
  if (sender == CB_Select_Device_Device || sender == CB_WiFi2_Secure_Type || sender == CB_WiFi2_Type)
    Move_GroupBoxs();
}

void TFParGen::On_Click(QObject* sender) {
  Is_Change = true;
  const QObject* deciding[] = {
      CB_MQTT_WillFlag, CB_TLS_Enable,          CB_TLS_En_Server_Auth,    CB_TLS_En_Client_Auth,   CB_WiFi_IP_Auto,
      CB_WiFi_En_DHCP,  CB_SNMP_Agent_Version3, CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi, CB_WiFi2_En_DHCP};
  if (std::find(std::begin(deciding), std::end(deciding), sender) != std::end(deciding)) Move_GroupBoxs();
}

void TFParGen::CP_Expand() {
  Move_GroupBoxs();
}
