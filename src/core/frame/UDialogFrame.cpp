#include "UDialogFrame.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "UGlobals.h"
#include "USysColors.h"
#include "UWindow_Look.h"

namespace {

constexpr int Button_Width = 110;
constexpr int Button_Height = 28;
constexpr int Button_Top = 6;
constexpr int Button_Gap = 8;
constexpr int Button_Right_Margin = 18;

}  // namespace

void Apply_Frame_Button_Look(TLbButton* button) {
  button->resize(Button_Width, Button_Height);
  button->SetStyle(bsEncarta);
  button->SetColor(Window_Color);
  button->SetColorWhenDown(Button_Pressed_Color);
  button->SetHotTrackColor(clYellow);
  button->SetLightColor(clGray);
  button->SetNumGlyphs(1);
  TFont font = button->Font();
  font.Name = QStringLiteral("Verdana");
  font.Height = -11;
  button->SetFont(font);
}

TFDialogFrame::TFDialogFrame(int width, int height, QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(width, height);
  Set_Background(this, Window_Color);
  setFont(Verdana(11, false));

  P_Title = new QFrame(this);
  P_Title->setObjectName(QStringLiteral("P_Title"));
  P_Title->setGeometry(0, 0, width, Title_Height);
  L_SW_Code = Grey_Label(P_Title, 16, 8, Verdana(32, false));
  L_SW_Code->setText(SW_Code);
  L_SW_Code->adjustSize();
  L_SW_Desc = Grey_Label(P_Title, 16, 42, Verdana(11, true));

  P_Button = new QFrame(this);
  P_Button->setObjectName(QStringLiteral("P_Button"));
  P_Button->setGeometry(0, height - Button_Panel_Height, width, Button_Panel_Height);
  Btn_OK = new TLbButton(P_Button);
  Btn_Cancel = new TLbButton(P_Button);
  Apply_Frame_Button_Look(Btn_OK);
  Apply_Frame_Button_Look(Btn_Cancel);
  Btn_OK->SetCaption(QStringLiteral("OK"));
  Btn_Cancel->SetCaption(QStringLiteral("Cancel"));
  const int cancelLeft = width - Button_Right_Margin - Button_Width;
  Btn_Cancel->move(cancelLeft, Button_Top);
  Btn_OK->move(cancelLeft - Button_Gap - Button_Width, Button_Top);
  Btn_OK->OnClick = [this] { Btn_OKClick(); };
  Btn_Cancel->OnClick = [this] { Btn_CancelClick(); };
}

void TFDialogFrame::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  P_Title->resize(this->width(), Title_Height);
  P_Button->setGeometry(0, this->height() - Button_Panel_Height, this->width(), Button_Panel_Height);
}

TModalResult TFDialogFrame::ShowModal() {
  FModalResult = mrNone;
  FormShow();
  // The window may have closed itself while loading.
  if (FModalResult != mrNone) return FModalResult;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  exec();
  return FModalResult;
}

void TFDialogFrame::SetModalResult(TModalResult result) {
  FModalResult = result;
  if (result != mrNone) done(result);
}

void TFDialogFrame::done(int result) {
  // The close box and the toolkit's reject both end up here with result 0: that is Cancel.
  FModalResult = result == mrNone ? mrCancel : result;
  QDialog::done(FModalResult);
}

void TFDialogFrame::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    // Never the toolkit's own accept or reject: only a default or cancel button acts on these keys.
    Offer_Dialog_Key(this, key, event->modifiers());
    event->accept();
    return;
  }
  const QString text = event->text();
  if (text.size() == 1 && text[0].isPrint() && Offer_Dialog_Char(this, text[0])) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}
