#include "UDialogFrame.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "UApplication.h"
#include "UDialogCode.h"
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

namespace {

bool Is_Enter_Or_Esc(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// Sees every key press before the focused control does, and lets the frame of that control decide first. One
// filter serves every frame.
class TDialogKeyRouter : public QObject {
 public:
  static void Install() {
    static TDialogKeyRouter* router = nullptr;
    if (router) return;
    router = new TDialogKeyRouter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(router);
  }

 protected:
  explicit TDialogKeyRouter(QObject* parent) : QObject(parent) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* control = static_cast<QWidget*>(watched);
    auto* frame = dynamic_cast<TFDialogFrame*>(control->window());
    if (!frame) return false;
    // Only the first delivery, to the control with the focus (or the frame itself when nothing has it); a key
    // that control ignores travels on to its parents without being routed again.
    QWidget* focused = frame->focusWidget();
    if (control != (focused ? focused : frame)) return false;
    // A button's click runs window code that may raise; it is caught here, before the toolkit's key delivery.
    bool taken = true;
    Run_Guarded([&] { taken = frame->Route_Dialog_Key(focused, static_cast<QKeyEvent*>(event)); });
    return taken;
  }
};

}  // namespace

TFDialogFrame::TFDialogFrame(int width, int height, QWidget* parent) : TGuarded(parent) {
  TDialogKeyRouter::Install();
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

bool TFDialogFrame::Route_Dialog_Key(QWidget* focused, QKeyEvent* event) {
  const int key = event->key();
  const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                   !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (!tab && !Is_Enter_Or_Esc(key)) return false;
  const uint32_t wanted = Dialog_Code(focused, *event);
  if (tab) {
    if (wanted & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
    focusNextPrevChild(key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
    event->accept();
    return true;
  }
  if (wanted & DLGC_WANTALLKEYS) return false;
  if (!Offer_Dialog_Key(this, key, event->modifiers())) return false;
  event->accept();
  return true;
}

void TFDialogFrame::keyPressEvent(QKeyEvent* event) {
  if (Is_Enter_Or_Esc(event->key())) {
    // The buttons had their turn before the focused control; what reaches the frame now no one took. It is left
    // unhandled, and never becomes the toolkit's own accept or reject.
    event->ignore();
    return;
  }
  const QString text = event->text();
  if (text.size() == 1 && text[0].isPrint() && Offer_Dialog_Char(this, text[0])) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}
