// The window frame: the model's panels, their order, captions and heights, the fixed width, the wheel and the
// header painting.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"
#include "TOctetBox.h"
#include "TParGenFixture.h"
#include "USysColors.h"

namespace {
struct TPanelExpectation {
  QString Caption;
  int32_t Top;
  int32_t Height;
};

void Send_Wheel(QWidget* target, int delta) {
  const QPointF local(target->width() / 2.0, target->height() / 2.0);
  QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}
}  // namespace

using ParGenWindow = TParGenFixture;

TEST_F(ParGenWindow, ShowsTheFourPanelsOfTheModelInOrder) {
  EXPECT_EQ(Window->width(), 460);
  EXPECT_EQ(Window->height(), 700);
  EXPECT_EQ(Window->L_SW_Code->text(), u"SWTarn10");
  const std::vector<TCategoryPanel*> panels = Window->CPG->Visible_Panels();
  const std::vector<TCategoryPanel*> expected_panels{Window->CP_Ethernet_Connection, Window->CP_OPC_UA_Client,
                                                     Window->CP_Modbus_TCP_Slave, Window->CP_NTP};
  ASSERT_EQ(panels, expected_panels);
  const TPanelExpectation expected[] = {{QStringLiteral("1. Ethernet Connection"), 0, 206},
                                        {QStringLiteral("2. OPC UA Client"), 206, 123},
                                        {QStringLiteral("3. Modbus TCP Slave"), 329, 150},
                                        {QStringLiteral("4. NTP (Network Time Protocol)"), 479, 94}};
  for (size_t i = 0; i < panels.size(); ++i) {
    EXPECT_EQ(panels[i]->Caption(), expected[i].Caption);
    EXPECT_EQ(panels[i]->y(), expected[i].Top) << i;
    EXPECT_EQ(panels[i]->height(), expected[i].Height) << i;
    EXPECT_EQ(panels[i]->Tab_Order(), static_cast<int32_t>(i));
  }
  EXPECT_EQ(Window->CPG->Panels().size(), 25u);
  EXPECT_FALSE(Window->Btn_OK->Default());
  EXPECT_FALSE(Window->Btn_Cancel->Cancel());
  EXPECT_EQ(Window->Btn_OK->pos(), QPoint(217, 6));
  EXPECT_EQ(Window->Btn_Cancel->pos(), QPoint(335, 6));
}

TEST_F(ParGenWindow, TabRunsRowByRowWithTheGatewaySwitchBeforeItsOctets) {
  Window->show();
  const auto& w = *Window;
  const std::vector<QWidget*> expected{
      w.E_EthConn_Device_Name,   w.CB_EthConn_En_DHCP_Cable, w.CB_EthConn_Enable_DNS,  // Wi-Fi DHCP is greyed
      w.E_EthConn_Pri_DNS_IP1,   w.E_EthConn_Pri_DNS_IP2,    w.E_EthConn_Pri_DNS_IP3, w.E_EthConn_Pri_DNS_IP4,
      w.E_EthConn_Sec_DNS_IP1,   w.E_EthConn_Sec_DNS_IP2,    w.E_EthConn_Sec_DNS_IP3, w.E_EthConn_Sec_DNS_IP4,
      w.E_OPC_UA_Client_IP1,     w.E_OPC_UA_Client_IP2,      w.E_OPC_UA_Client_IP3,   w.E_OPC_UA_Client_IP4,
      w.E_OPC_UA_Client_SM1,     w.E_OPC_UA_Client_SM2,      w.E_OPC_UA_Client_SM3,   w.E_OPC_UA_Client_SM4,
      w.CB_OPC_UA_Client_En_GAT, w.E_OPC_UA_Client_GAT1,     w.E_OPC_UA_Client_GAT2,  w.E_OPC_UA_Client_GAT3,
      w.E_OPC_UA_Client_GAT4,    w.E_ModbusTCPSlave_IP1,     w.E_ModbusTCPSlave_IP2,  w.E_ModbusTCPSlave_IP3,
      w.E_ModbusTCPSlave_IP4,    w.E_ModbusTCPSlave_SM1,     w.E_ModbusTCPSlave_SM2,  w.E_ModbusTCPSlave_SM3,
      w.E_ModbusTCPSlave_SM4,    w.CB_ModbusTCPSlave_En_GAT, w.E_ModbusTCPSlave_GAT1, w.E_ModbusTCPSlave_GAT2,
      w.E_ModbusTCPSlave_GAT3,   w.E_ModbusTCPSlave_GAT4,    w.E_ModbusTCPSlave_Port, w.E_NTP_Server_URL,
      w.E_NTP_Poll_Time};
  std::vector<QWidget*> order;
  QWidget* next = expected.front();
  while (order.size() < expected.size()) {
    if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) &&
        Window->CPG->isAncestorOf(next))
      order.push_back(next);
    next = next->nextInFocusChain();
    ASSERT_NE(next, expected.front()) << "the chain ran out after " << order.size();
  }
  EXPECT_EQ(order, expected);
}

TEST_F(ParGenWindow, UnknownModelIsRefused) {
  EXPECT_FALSE(Window->Order_TAB_Panels_For(QStringLiteral("Tarn20")));
  EXPECT_FALSE(Window->RePosition_Objects_For(QStringLiteral("Tarn20")));
  EXPECT_EQ(Window->CPG->Visible_Panels().size(), 4u);
}

TEST_F(ParGenWindow, WidthStaysWhileTheHeightFollowsTheUser) {
  Window->show();
  Window->resize(600, 500);
  EXPECT_EQ(Window->width(), 460);
  EXPECT_EQ(Window->height(), 500);
  EXPECT_EQ(Window->CPG->geometry(), QRect(0, 69, 460, 500 - 69 - 40));
  EXPECT_EQ(Window->P_Button->y(), 460);
}

TEST_F(ParGenWindow, CollapsedPanelsShowOnlyTheirHeadersInOrder) {
  for (TCategoryPanel* p : Window->CPG->Visible_Panels()) p->Collapse();
  int32_t top = 0;
  for (TCategoryPanel* p : Window->CPG->Visible_Panels()) {
    EXPECT_EQ(p->y(), top);
    EXPECT_EQ(p->height(), 24);
    top += 24;
  }
  // A click on a header opens the panel again and pushes the ones below it down.
  QTest::mouseClick(Window->CP_OPC_UA_Client, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
  EXPECT_FALSE(Window->CP_OPC_UA_Client->Collapsed());
  EXPECT_EQ(Window->CP_Modbus_TCP_Slave->y(), 24 + 123);
  // A click below the header does not fold it.
  QTest::mouseClick(Window->CP_OPC_UA_Client, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
  EXPECT_FALSE(Window->CP_OPC_UA_Client->Collapsed());
}

TEST_F(ParGenWindow, WheelScrollsTheGroupOnlyOverTheGroup) {
  QApplication::setWheelScrollLines(3);
  Window->resize(460, 400);
  Window->show();
  QScrollBar* bar = Window->CPG->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 48);
  Send_Wheel(Window->P_Title, -120);
  Send_Wheel(Window->P_Button, -120);
  EXPECT_EQ(bar->value(), 0);
  Send_Wheel(Window->CPG->viewport(), -120);
  EXPECT_EQ(bar->value(), 3 * bar->singleStep());
  Send_Wheel(Window->CPG->viewport(), -120);
  Send_Wheel(Window->CPG->viewport(), 120);
  EXPECT_EQ(bar->value(), 3 * bar->singleStep());
  // The routine itself answers whether the point lies over the group.
  EXPECT_FALSE(Window->FormMouseWheel(-120, Window->P_Title->mapToGlobal(QPoint(5, 5))));
  EXPECT_TRUE(Window->FormMouseWheel(120, Window->CPG->mapToGlobal(QPoint(5, 5))));
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(ParGenWindow, HeadersPaintTheirGradientAndAHotChevron) {
  TCategoryPanel* panel = Window->CP_NTP;
  QImage image = panel->grab().toImage();
  const QColor header = TColorToQColor(0xD8D8E7);
  EXPECT_EQ(image.pixelColor(300, 2), header);
  EXPECT_EQ(image.pixelColor(300, 21), header);
  const auto red_pixels = [](const QImage& img, int32_t width) {
    int32_t count = 0;
    for (int32_t x = width - 30; x < width; ++x)
      for (int32_t y = 0; y < 24; ++y)
        if (img.pixelColor(x, y) == QColor(Qt::red)) ++count;
    return count;
  };
  EXPECT_EQ(red_pixels(image, panel->width()), 0);
  QMouseEvent move(QEvent::MouseMove, QPointF(100, 10), panel->mapToGlobal(QPointF(100, 10)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(panel, &move);
  ASSERT_TRUE(panel->Chevron_Hot());
  image = panel->grab().toImage();
  EXPECT_GT(red_pixels(image, panel->width()), 4);
}
