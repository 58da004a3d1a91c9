#pragma once
// The frame every dialog window shares: a title panel with the software code and the window's title line, a
// button panel with OK and Cancel, a modal show with its result, and Enter / Esc routed to the window's default
// and cancel buttons instead of the toolkit's own dialog keys. Before the focused control sees Enter, Esc or Tab,
// the frame asks it whether it wants the key (Dialog_Code); if not, Enter and Esc go to the default and cancel
// buttons and Tab steps the focus. A key no one takes is left unhandled, not swallowed.
#include <QDialog>
#include <QFrame>
#include <QLabel>

#include "LbButton.h"
#include "UApplication.h"
#include "UTypes.h"

// Guarded: its keys click buttons whose OnClick runs window code that may raise.
class TFDialogFrame : public TGuarded<QDialog> {
  Q_OBJECT

 public:
  static constexpr int Title_Height = 69;
  static constexpr int Button_Panel_Height = 40;

  TFDialogFrame(int width, int height, QWidget* parent = nullptr);

  QFrame* P_Title = nullptr;
  QLabel* L_SW_Code = nullptr;
  QLabel* L_SW_Desc = nullptr;
  QFrame* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  // Loads the window (FormShow), shows it modally and returns how it was closed.
  TModalResult ShowModal();
  // Any result but mrNone closes the window with that result.
  void SetModalResult(TModalResult result);
  TModalResult ModalResult() const { return FModalResult; }
  virtual void Set_Lang() {}

  void done(int result) override;

  // The frame's turn at a key pressed on `focused` (null when nothing in the window has the focus) before that
  // control gets it; true when the frame took it.
  bool Route_Dialog_Key(QWidget* focused, QKeyEvent* event);

 protected:
  virtual void Btn_OKClick() { SetModalResult(mrOk); }
  virtual void Btn_CancelClick() { SetModalResult(mrCancel); }
  virtual void FormShow() {}

  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TModalResult FModalResult = mrNone;
};

// Gives a frame button the look every window's buttons share.
void Apply_Frame_Button_Look(TLbButton* button);
