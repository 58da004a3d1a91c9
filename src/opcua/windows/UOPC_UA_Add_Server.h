#pragma once
// Adds or modifies one OPC UA server; opened from the OPC UA client window. Shows only the fields the chosen
// authorization needs, sizes itself to them and refuses OK while one of them is empty.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "UDialogFrame.h"
#include "UOPC_UA_Server.h"

class TFOPC_UA_Add_Server : public TFDialogFrame {
 public:
  explicit TFOPC_UA_Add_Server(QWidget* parent = nullptr);

  static constexpr int Client_Width = 407;
  static constexpr int Form_Add = 1;
  static constexpr int Form_Modify = 2;

  // Set by the caller before opening: 1 add (the fields start empty), 2 modify (the fields keep what was set).
  int FormType = Form_Add;

  QCheckBox* CB_OPC_UA_Server_Enable;
  QLabel* L_Server_Add;
  QLineEdit* E_Server_Add;
  QLabel* L_Auth;
  QComboBox* CB_Auth;
  QLabel* L_User;
  QLineEdit* E_User;
  QLabel* L_Pass;
  QLineEdit* E_Pass;
  QLabel* L_Certificate;
  QPlainTextEdit* RE_Certificate;
  QLabel* L_Priv_Key;
  QPlainTextEdit* RE_Priv_Key;
  QLabel* L_Sec_Type;
  QComboBox* CB_Sec_Type;
  QLabel* L_Sec_Policy;
  QComboBox* CB_Sec_Policy;
  QLabel* L_Mnemonic;
  QLineEdit* E_Mnemonic;

  void Set_Lang() override;
  // The caller's two sides: fill the fields from a server to modify it (form type 2), and store the fields (hidden
  // ones too) into a server after OK. The list fields go through the OPC UA vocabulary, so a server always holds
  // words of the lists.
  void Load_Server(const TOPC_UA_Server& server);
  void Store_Server(TOPC_UA_Server& server) const;

  // Shows only the fields of the chosen authorization and fits the window's height to them.
  void Change_Fields();
  // Security type None means policy None: the policy list is then fixed at None.
  void Check_Authorization();
  // The first empty field the chosen authorization needs, shown in an error dialog; true when there is none.
  bool Controlla_Dati();
  void Btn_OKClick() override;

 protected:
  void FormShow() override;

 private:
  void CB_AuthChange();
  void CB_Sec_TypeChange();
};

inline TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;
