#pragma once
// Composes the PROFINET GSDML file name from its fixed first part, the part the user types and the date part;
// opened before the GSDML export.
#include <QLabel>
#include <QLineEdit>

#include "UDialogFrame.h"

class TFProfinetFileName : public TFDialogFrame {
 public:
  explicit TFProfinetFileName(QWidget* parent = nullptr);

  static constexpr int Client_Width = 540;
  static constexpr int Client_Height = 205;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* L_XML_Fix1;
  QLabel* Label4;
  QLineEdit* E_XML_User;
  QLabel* Label5;
  QLabel* L_XML_Fix2;

  // The composed file name, valid after OK; kept when the window is cancelled.
  QString Name_File_XML;

  void Set_Lang() override;
  void Btn_OKClick() override;
};

inline TFProfinetFileName* FProfinetFileName = nullptr;
