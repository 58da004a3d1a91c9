#pragma once
// A one-line edit with a push button at its right end that runs the caller's action (also on F4).
#include <QImage>
#include <QLineEdit>
#include <cstdint>
#include <functional>

#include "UApplication.h"
#include "UQsgEditButton.h"
#include "UQsgSpinEdit.h"

class TQsgEditBtn : public TGuarded<QLineEdit> {
 public:
  explicit TQsgEditBtn(QWidget* parent = nullptr);

  TQsgEditButton* Button() const { return FButton; }
  // Runs the action: the button part calls it with itself as sender, F4 with the edit.
  virtual void ClickBtn(QObject* sender);

  int32_t ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int32_t value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value);
  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool value);
  QImage Glyph() const { return FButton->Button()->Glyph(); }
  void SetGlyph(const QImage& value) { FButton->Button()->SetGlyph(value); }
  QString ButtonCaption() const { return FButton->Button()->Caption(); }
  void SetButtonCaption(const QString& value) { FButton->Button()->SetCaption(value); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value) { FEditorEnabled = value; }
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool value) { setReadOnly(value); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  QString Text() const { return text(); }
  void SetText(const QString& value) { setText(value); }

  // The smallest height the font allows.
  int32_t Min_Height() const;

  std::function<void(QObject*)> OnClickBtn;
  std::function<void(TQsgEditBtn*)> OnChange;
  std::function<void(TQsgEditBtn*)> OnEnter;
  std::function<void(TQsgEditBtn*)> OnExit;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  // Pixels kept free between the text and the button, for a unit text.
  int32_t FUnitSize = 0;
  void Set_Edit_Rect();

 private:
  void Place_Button();

  bool FRightAlign = false;
  TQsgEditButton* FButton = nullptr;
  bool FEditorEnabled = true;
  int32_t FButtonWidth = 18;
  bool FIsWinXP = false;
  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = bsSingle;
};
