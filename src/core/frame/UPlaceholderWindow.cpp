#include "UPlaceholderWindow.h"

#include "ULang.h"

TFPlaceholderWindow::TFPlaceholderWindow(int32_t caption_id, int32_t desc_id, QWidget* parent)
    : TFDialogFrame(Width, Height, parent), FCaption_Id(caption_id), FDesc_Id(desc_id) {
  L_Note = new QLabel(this);
  L_Note->setGeometry(16, Title_Height + 16, Width - 32, Height - Title_Height - Button_Panel_Height - 32);
  L_Note->setWordWrap(true);
  L_Note->setAlignment(Qt::AlignCenter);
  L_Note->setText(QStringLiteral("This window is not available in this version of the configurator yet."));
  TFPlaceholderWindow::Set_Lang();
}

void TFPlaceholderWindow::Set_Lang() {
  setWindowTitle(Lang_Table.value(FCaption_Id));
  L_SW_Desc->setText(Lang_Table.value(FDesc_Id));
  L_SW_Desc->adjustSize();
}
