#pragma once
// Step 1, open configuration: lists the configuration folders and preselects the active one.
#include <QLabel>
#include <QListWidget>
#include <QStringList>
#include <cstdint>

#include "UDialogFrame.h"

class TFOpenConf : public TFDialogFrame {
 public:
  explicit TFOpenConf(QWidget* parent = nullptr);

  static constexpr int Client_Width = 377;
  static constexpr int Client_Height = 351;

  QLabel* Label1;
  QListWidget* ListBox1;
  // The configuration folders found at the last show.
  QStringList SL;
  // The chosen configuration, read by the main window after OK.
  QString Name_Conf;

  void Set_Lang() override;
  void Load_Existing_Configuration();
  int32_t Search_Open_Conf(const QString& snc) const;
  void ListBox1Click();

 protected:
  void FormShow() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place_Controls();
};

inline TFOpenConf* FOpenConf = nullptr;
