// The add/modify-server window: its three layouts, the security rule, the refusals of OK and the fields it hands
// back.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "TDialogRecorder.h"
#include "TModalDriver.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPC_UA_Add_Server.h"

namespace {

class AddServerTest : public ::testing::Test {
 protected:
  AddServerTest() {
    Load_Default_Strings();
    SW_Code = QStringLiteral("SWTarn10");
    Window = std::make_unique<TFOPC_UA_Add_Server>();
  }

  // Opens the window modally, lets `act` work on it, and returns how it closed.
  TModalResult Open(const std::function<void(TFOPC_UA_Add_Server&)>& act) {
    TModalDriver driver([&](QWidget*) { act(*Window); });
    return Window->ShowModal();
  }

  static TOPC_UA_Server Certificate_Server() {
    TOPC_UA_Server s;
    s.SetEnable(false);
    s.SetServerAddress(QStringLiteral("opc.tcp://plc:4840"));
    s.SetAuthorization(QStringLiteral("Certificate"));
    s.SetUserName(QStringLiteral("kept"));
    s.SetCertificate(QStringLiteral("-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----"));
    s.SetPrivateKey(QStringLiteral("KEY"));
    s.SetSecurityType(QStringLiteral("Sign and Encrypt"));
    s.SetSecurityPolicy(QStringLiteral("AES 128 SHA 256 RSA OAEP"));
    s.SetMnemonic(QStringLiteral("line 2"));
    return s;
  }

  std::unique_ptr<TFOPC_UA_Add_Server> Window;
};

struct TLayoutCase {
  int Auth;
  int Height;
  bool User_Shown, Certificate_Shown;
  int Sec_Type, Sec_Policy, Mnemonic;  // field tops; the labels stand 3 pixels lower
};

TEST_F(AddServerTest, ThreeLayoutsWithTheirHeights) {
  TFOPC_UA_Add_Server& w = *Window;
  w.FormType = TFOPC_UA_Add_Server::Form_Add;
  const TLayoutCase cases[] = {{1, 372, true, false, 232, 264, 296},
                               {2, 508, false, true, 368, 400, 432},
                               {0, 308, false, false, 168, 200, 232}};
  const QString shots = qEnvironmentVariable("TARN_SCREENSHOT");
  for (const TLayoutCase& c : cases) {
    w.CB_Auth->setCurrentIndex(c.Auth);
    w.show();
    EXPECT_EQ(w.size(), QSize(407, c.Height)) << c.Auth;
    EXPECT_EQ(w.P_Button->geometry(), QRect(0, c.Height - 40, 407, 40));
    EXPECT_EQ(w.E_User->isVisible(), c.User_Shown);
    EXPECT_EQ(w.L_Pass->isVisible(), c.User_Shown);
    EXPECT_EQ(w.RE_Certificate->isVisible(), c.Certificate_Shown);
    EXPECT_EQ(w.L_Priv_Key->isVisible(), c.Certificate_Shown);
    EXPECT_EQ(w.CB_Sec_Type->y(), c.Sec_Type);
    EXPECT_EQ(w.L_Sec_Type->y(), c.Sec_Type + 3);
    EXPECT_EQ(w.CB_Sec_Policy->y(), c.Sec_Policy);
    EXPECT_EQ(w.L_Sec_Policy->y(), c.Sec_Policy + 3);
    EXPECT_EQ(w.E_Mnemonic->geometry(), QRect(140, c.Mnemonic, 251, 21));
    EXPECT_EQ(w.L_Mnemonic->y(), c.Mnemonic + 3);
    if (c.Certificate_Shown) {
      EXPECT_EQ(w.RE_Certificate->geometry(), QRect(140, 168, 251, 89));
      EXPECT_EQ(w.RE_Priv_Key->geometry(), QRect(140, 268, 251, 89));
      EXPECT_EQ(w.L_Priv_Key->y(), 271);
    }
    if (c.User_Shown) {
      EXPECT_EQ(w.E_User->y(), 168);
      EXPECT_EQ(w.E_Pass->y(), 200);
    }
    const QImage image = w.grab().toImage();
    EXPECT_EQ(image.size(), QSize(407, c.Height));
    // The button panel stays at the bottom, with the window's background beside the buttons.
    EXPECT_EQ(image.pixelColor(5, c.Height - 20), QColor(0xF8, 0xF7, 0xED));
    if (!shots.isEmpty()) image.save(shots + QStringLiteral("_%1.png").arg(c.Auth));
  }
  // No entry chosen: nothing moves.
  w.CB_Auth->setCurrentIndex(-1);
  EXPECT_EQ(w.size(), QSize(407, 308));
  EXPECT_EQ(w.E_Mnemonic->y(), 232);
  w.hide();
}

TEST_F(AddServerTest, SecurityTypeNoneFixesThePolicy) {
  TFOPC_UA_Add_Server& w = *Window;
  EXPECT_FALSE(w.CB_Sec_Policy->isEnabled());
  w.CB_Sec_Type->setCurrentIndex(1);
  EXPECT_TRUE(w.CB_Sec_Policy->isEnabled());
  w.CB_Sec_Policy->setCurrentIndex(2);
  EXPECT_EQ(w.CB_Sec_Policy->currentText(), QStringLiteral("Basic 256"));
  w.CB_Sec_Type->setCurrentIndex(0);
  EXPECT_EQ(w.CB_Sec_Policy->currentText(), QStringLiteral("None"));
  EXPECT_FALSE(w.CB_Sec_Policy->isEnabled());
  TOPC_UA_Server s;
  w.Store_Server(s);
  EXPECT_EQ(s.SecurityType(), QStringLiteral("None"));
  EXPECT_EQ(s.SecurityPolicy(), QStringLiteral("None"));
  // The lists are chosen from, never typed into.
  for (QComboBox* list : {w.CB_Auth, w.CB_Sec_Type, w.CB_Sec_Policy}) EXPECT_FALSE(list->isEditable());
  EXPECT_EQ(w.CB_Sec_Policy->count(), 6);
  EXPECT_EQ(w.CB_Sec_Policy->itemText(5), QStringLiteral("AES 256 SHA 256 RSA PSS"));
}

// OK refuses the first empty field the authorization needs and keeps the window open with the fields as typed.
TEST_F(AddServerTest, OkRefusesTheFirstEmptyNeededField) {
  struct TCase {
    int Auth;
    const char *Address, *User, *Pass, *Certificate, *Key;
    const char* Message;  // none: OK closes the window
  };
  const TCase cases[] = {
      {0, "  ", "u", "p", "c", "k", "Error!! The Server Address cannot be empty"},
      {0, "opc.tcp://a", "", "", "", "", nullptr},
      {1, "opc.tcp://a", " ", "", "c", "k", "Error!! The Username cannot be empty"},
      {1, "opc.tcp://a", "u", "   ", "", "", "Error!! The Password cannot be empty"},
      {1, "opc.tcp://a", "u", "p", "", "", nullptr},
      {2, "opc.tcp://a", "", "", "\n \n", "k", "Error!! The Certificate cannot be empty"},
      {2, "opc.tcp://a", "", "", "c", "", "Error!! The Private Key cannot be empty"},
      {2, "opc.tcp://a", "", "", "c", "k", nullptr},
  };
  for (const TCase& c : cases) {
    TDialogRecorder dialogs;
    if (c.Message) dialogs.Queue_Answer(mrOk);
    bool still_open = false;
    const TModalResult result = Open([&](TFOPC_UA_Add_Server& w) {
      w.CB_Auth->setCurrentIndex(c.Auth);
      w.E_Server_Add->setText(QString::fromLatin1(c.Address));
      w.E_User->setText(QString::fromLatin1(c.User));
      w.E_Pass->setText(QString::fromLatin1(c.Pass));
      w.RE_Certificate->setPlainText(QString::fromLatin1(c.Certificate));
      w.RE_Priv_Key->setPlainText(QString::fromLatin1(c.Key));
      QTest::mouseClick(w.Btn_OK, Qt::LeftButton);
      still_open = w.isVisible();
      if (still_open) {
        EXPECT_EQ(w.E_User->text(), QString::fromLatin1(c.User));
        QTest::mouseClick(w.Btn_Cancel, Qt::LeftButton);
      }
    });
    EXPECT_EQ(result, c.Message ? mrCancel : mrOk) << c.Auth << " " << c.Address;
    EXPECT_EQ(still_open, c.Message != nullptr);
    if (c.Message) {
      ASSERT_EQ(dialogs.Messages.size(), 1u);
      EXPECT_EQ(dialogs.Messages[0].Text, QString::fromLatin1(c.Message));
      EXPECT_EQ(dialogs.Messages[0].Type, mtError);
      EXPECT_EQ(dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
    }
  }
}

// Modify opens a certificate server in its layout with every field as held; Add after a cancelled Modify starts
// from empty fields with the box ticked.
TEST_F(AddServerTest, ModifyKeepsTheServerAndAddStartsAfresh) {
  TFOPC_UA_Add_Server& w = *Window;
  const TOPC_UA_Server original = Certificate_Server();
  w.Load_Server(original);
  EXPECT_EQ(w.FormType, TFOPC_UA_Add_Server::Form_Modify);
  TOPC_UA_Server stored;
  const TModalResult modified = Open([&](TFOPC_UA_Add_Server& shown) {
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("Modify OPC UA Server"));
    EXPECT_EQ(shown.L_SW_Desc->text(), QStringLiteral("Modify OPC UA Server"));
    EXPECT_EQ(shown.size(), QSize(407, 508));
    EXPECT_TRUE(shown.RE_Certificate->isVisible());
    EXPECT_TRUE(shown.RE_Priv_Key->isVisible());
    EXPECT_FALSE(shown.E_User->isVisible());
    EXPECT_TRUE(shown.CB_Sec_Policy->isEnabled());
    EXPECT_FALSE(shown.CB_OPC_UA_Server_Enable->isChecked());
    shown.E_Mnemonic->setText(QStringLiteral("changed"));
    QTest::mouseClick(shown.Btn_OK, Qt::LeftButton);
  });
  ASSERT_EQ(modified, mrOk);
  w.Store_Server(stored);
  EXPECT_FALSE(stored.Enable());
  EXPECT_EQ(stored.ServerAddress(), original.ServerAddress());
  EXPECT_EQ(stored.Authorization(), QStringLiteral("Certificate"));
  EXPECT_EQ(stored.UserName(), QStringLiteral("kept"));  // hidden fields are handed back as they are
  EXPECT_EQ(stored.Certificate(), original.Certificate());
  EXPECT_EQ(stored.PrivateKey(), QStringLiteral("KEY"));
  EXPECT_EQ(stored.SecurityType(), QStringLiteral("Sign and Encrypt"));
  EXPECT_EQ(stored.SecurityPolicy(), QStringLiteral("AES 128 SHA 256 RSA OAEP"));
  EXPECT_EQ(stored.Mnemonic(), QStringLiteral("changed"));

  w.Load_Server(original);
  EXPECT_EQ(Open([](TFOPC_UA_Add_Server& shown) { QTest::mouseClick(shown.Btn_Cancel, Qt::LeftButton); }), mrCancel);

  w.FormType = TFOPC_UA_Add_Server::Form_Add;
  const TModalResult added = Open([&](TFOPC_UA_Add_Server& shown) {
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("Add OPC UA Server"));
    EXPECT_EQ(shown.L_SW_Desc->text(), QStringLiteral("Add OPC UA Server"));
    EXPECT_TRUE(shown.CB_OPC_UA_Server_Enable->isChecked());
    EXPECT_EQ(shown.size(), QSize(407, 308));
    for (QLineEdit* e : {shown.E_Server_Add, shown.E_User, shown.E_Pass, shown.E_Mnemonic})
      EXPECT_TRUE(e->text().isEmpty());
    EXPECT_TRUE(shown.RE_Certificate->toPlainText().isEmpty());
    EXPECT_TRUE(shown.RE_Priv_Key->toPlainText().isEmpty());
    EXPECT_EQ(shown.CB_Auth->currentText(), QStringLiteral("Anonymous"));
    EXPECT_EQ(shown.CB_Sec_Type->currentText(), QStringLiteral("None"));
    EXPECT_EQ(shown.CB_Sec_Policy->currentText(), QStringLiteral("None"));
    EXPECT_FALSE(shown.CB_Sec_Policy->isEnabled());
    QTest::mouseClick(shown.Btn_Cancel, Qt::LeftButton);
  });
  EXPECT_EQ(added, mrCancel);
}

TEST_F(AddServerTest, TextsFromTheStringTable) {
  TFOPC_UA_Add_Server& w = *Window;
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Add OPC UA Server"));
  EXPECT_EQ(w.L_SW_Code->text(), QStringLiteral("SWTarn10"));
  EXPECT_EQ(w.CB_OPC_UA_Server_Enable->text(), QStringLiteral("Enable OPC UA Server"));
  EXPECT_EQ(w.CB_OPC_UA_Server_Enable->toolTip(), QStringLiteral("Enable/Disable OPC UA Server"));
  const std::tuple<QLabel*, QWidget*, const char*, const char*> pairs[] = {
      {w.L_Server_Add, w.E_Server_Add, "Server Address", "Insert the URL of OPC UA Server"},
      {w.L_Auth, w.CB_Auth, "Authorization", "Select the Authorization of OPC UA Server"},
      {w.L_User, w.E_User, "Username", "Insert the Username of OPC UA Server"},
      {w.L_Pass, w.E_Pass, "Password", "Insert the Password of OPC UA Server"},
      {w.L_Certificate, w.RE_Certificate, "Certificate", "Insert the Certificate of OPC UA Server"},
      {w.L_Priv_Key, w.RE_Priv_Key, "Private Key", "Insert the Private Key of OPC UA Server"},
      {w.L_Sec_Type, w.CB_Sec_Type, "Security Type", "Select the Security Type of OPC UA Server"},
      {w.L_Sec_Policy, w.CB_Sec_Policy, "Security Policy", "Select the Security Policy of OPC UA Server"},
      {w.L_Mnemonic, w.E_Mnemonic, "Mnemonic", "Insert the Mnemonic of OPC UA Server"}};
  for (const auto& [label, field, caption, hint] : pairs) {
    EXPECT_EQ(label->text(), QString::fromLatin1(caption));
    EXPECT_EQ(field->toolTip(), QString::fromLatin1(hint));
  }
  EXPECT_EQ(w.Btn_OK->Caption(), QStringLiteral("OK"));
  EXPECT_EQ(w.Btn_OK->Hint(), QStringLiteral("Confirm and Save the OPC UA Server"));
  EXPECT_EQ(w.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
  EXPECT_EQ(w.Btn_Cancel->Hint(), QStringLiteral("Exit and Discard the current OPC UA Server"));
}

}  // namespace
