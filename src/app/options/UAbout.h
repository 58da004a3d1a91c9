#pragma once
// The About window: model, software code, version and manual code as fixed texts, and the maker's web address.
// Its texts never come from the string table, so it takes no part in language changes.
#include <QLabel>

#include "UDialogFrame.h"

class TFAbout : public TFDialogFrame {
 public:
  static constexpr int Client_Width = 425;
  static constexpr int Client_Height = 148;

  explicit TFAbout(QWidget* parent = nullptr);

  QLabel* Image2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label4 = nullptr;
  TLbButton* LbButton1 = nullptr;

  void Label4Click();

 protected:
  void FormShow() override;
};

inline TFAbout* FAbout = nullptr;
