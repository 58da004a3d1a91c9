#pragma once
// The caption label a control may carry beside itself: made on the first caption, standing on the control's parent
// at one of the label positions, following the control's geometry, visibility, parent, font and enabled state.
// The combo, the date-time picker and the drop-downs keep one each instead of writing it out again.
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <memory>

#include "ULabelPosition.h"

class QEvent;

class TAttachedLabel {
 public:
  explicit TAttachedLabel(QWidget& control);
  ~TAttachedLabel();
  TAttachedLabel(const TAttachedLabel&) = delete;
  TAttachedLabel& operator=(const TAttachedLabel&) = delete;

  // None before the first caption.
  QLabel* Label() const { return FLabel; }
  QString Caption() const { return FLabel ? FLabel->text() : QString(); }
  void SetCaption(const QString& value);
  TLabelPosition Position() const { return FPosition; }
  void SetPosition(TLabelPosition value);
  // The gap between the control and the label.
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // The label stays enabled while the control is disabled.
  bool AlwaysEnabled() const { return FAlwaysEnabled; }
  void SetAlwaysEnabled(bool value);
  // The label's own font, shown unless it takes the control's.
  const QFont& Font() const { return FFont; }
  void SetFont(const QFont& value);
  bool UseControlFont() const { return FUseControlFont; }
  void SetUseControlFont(bool value);
  // A focused control may show its label in bold.
  void SetBold(bool value);

  // Places and styles the label (nothing without one).
  void Update();
  // The control's own event, after the control has handled it: the label follows moves, sizes, visibility,
  // enabled state, parent and font.
  void Follow(const QEvent& e);

  std::function<void()> OnClick, OnDblClick;

 private:
  QWidget& FControl;
  // The label stands on the control's parent, which may delete it first; the control owns it otherwise.
  QPointer<QLabel> FLabel;
  std::unique_ptr<QLabel> FOwner;
  TLabelPosition FPosition = lpLeftTop;
  int32_t FMargin = 4;
  bool FTransparent = false;
  bool FAlwaysEnabled = false;
  QFont FFont;
  bool FUseControlFont = false;
  bool FBold = false;
};
