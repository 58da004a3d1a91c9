#pragma once
// Step 1, new configuration: asks for a name and creates the configuration's folder, which becomes the active
// configuration at once.
#include <QLabel>
#include <QLineEdit>

#include "UDialogFrame.h"

class TFNew_Project : public TFDialogFrame {
 public:
  explicit TFNew_Project(QWidget* parent = nullptr);

  static constexpr int Client_Width = 331;
  static constexpr int Client_Height = 162;

  QLabel* Label1;
  QLineEdit* E_New_Proj;

  void Set_Lang() override;
  // Creates the configuration named in E_New_Proj; on success the window closes with OK, otherwise it shows why
  // and stays open with the name as typed.
  void Btn_OKClick() override;

 protected:
  void FormShow() override;
};

inline TFNew_Project* FNew_Project = nullptr;
