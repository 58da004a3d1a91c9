#pragma once
// A window whose real content arrives in a later version: it already has its place among the program's windows,
// its title panel and its title texts (caption and title line from the string table), and tells the user that
// its content is still to come.
#include <QLabel>
#include <cstdint>

#include "UDialogFrame.h"

class TFPlaceholderWindow : public TFDialogFrame {
 public:
  TFPlaceholderWindow(int32_t caption_id, int32_t desc_id, QWidget* parent = nullptr);

  static constexpr int Width = 520;
  static constexpr int Height = 240;

  QLabel* L_Note = nullptr;

  void Set_Lang() override;

 private:
  int32_t FCaption_Id;
  int32_t FDesc_Id;
};
