// The full stop in an octet box: it moves on to the next box of the address when that box can take the focus,
// and it is never inserted.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include "TOctetBox.h"
#include "TParGenFixture.h"

TEST(OctetBox, FullStopMovesToTheNextBoxThatCanTakeIt) {
  QWidget window;
  auto* a = new TOctetBox(&window);
  auto* b = new TOctetBox(&window);
  auto* c = new TOctetBox(&window);
  TOctetBox::Link_Chain({a, b, c});
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  a->setFocus();
  QTest::keyClicks(a, QStringLiteral("10"));
  QTest::keyClick(a, Qt::Key_Period, Qt::NoModifier);
  EXPECT_EQ(a->text(), u"10");
  EXPECT_EQ(QApplication::focusWidget(), b);
  QTest::keyClicks(b, QStringLiteral("2"));
  EXPECT_EQ(b->text(), u"2");

  c->setEnabled(false);
  QTest::keyClick(b, Qt::Key_Period);
  EXPECT_EQ(QApplication::focusWidget(), b);
  EXPECT_EQ(b->text(), u"2");
  c->setEnabled(true);
  c->setVisible(false);
  QTest::keyClick(b, Qt::Key_Period);
  EXPECT_EQ(QApplication::focusWidget(), b);

  // The last box of a chain keeps the focus; other characters pass unchanged.
  c->setVisible(true);
  c->setFocus();
  QTest::keyClicks(c, QStringLiteral("a."));
  EXPECT_EQ(c->text(), u"a");
  EXPECT_EQ(QApplication::focusWidget(), c);
}

using ParGenOctets = TParGenFixture;

TEST_F(ParGenOctets, AddressesOfTheWindowRunOnThroughTheirBlock) {
  Window->show();
  QApplication::setActiveWindow(Window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  struct TCase {
    const char* What;
    TOctetBox* From;
    TOctetBox* Expected;
  };
  const TCase cases[] = {
      {"OPC UA address 4 to mask 1", Window->E_OPC_UA_Client_IP4, Window->E_OPC_UA_Client_SM1},
      {"OPC UA mask 4 to gateway 1", Window->E_OPC_UA_Client_SM4, Window->E_OPC_UA_Client_GAT1},
      {"OPC UA gateway 4 stays", Window->E_OPC_UA_Client_GAT4, Window->E_OPC_UA_Client_GAT4},
      {"primary DNS 4 to secondary 1", Window->E_EthConn_Pri_DNS_IP4, Window->E_EthConn_Sec_DNS_IP1},
      {"secondary DNS 4 stays", Window->E_EthConn_Sec_DNS_IP4, Window->E_EthConn_Sec_DNS_IP4},
      {"Modbus address 2 to 3", Window->E_ModbusTCPSlave_IP2, Window->E_ModbusTCPSlave_IP3},
      {"Modbus mask 4 to gateway 1 with the gateway off", Window->E_ModbusTCPSlave_SM4,
       Window->E_ModbusTCPSlave_GAT1},
      {"Modbus gateway 4 stays", Window->E_ModbusTCPSlave_GAT4, Window->E_ModbusTCPSlave_GAT4},
  };
  ASSERT_FALSE(Window->CB_ModbusTCPSlave_En_GAT->isChecked());
  for (const TCase& c : cases) {
    c.From->setFocus();
    const QString before = c.From->text();
    QTest::keyClick(c.From, Qt::Key_Period);
    EXPECT_EQ(QApplication::focusWidget(), c.Expected) << c.What;
    EXPECT_EQ(c.From->text(), before) << c.What;
  }
  // Boxes of the other models' panels are not chained: the full stop is dropped there.
  EXPECT_EQ(Window->E_BACnet_IP_Slave_IP[0]->Next_Octet(), nullptr);
  EXPECT_EQ(Window->E_WiFi2_SM1[3]->Next_Octet(), nullptr);
}
