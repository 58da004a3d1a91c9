#include "UAttachedLabel.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

class TClickLabel : public QLabel {
 public:
  TClickLabel(QWidget* parent, TAttachedLabel& owner) : QLabel(parent), FOwner(owner) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && FOwner.OnClick) FOwner.OnClick();
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && FOwner.OnDblClick) FOwner.OnDblClick();
  }

 private:
  TAttachedLabel& FOwner;
};

}  // namespace

TAttachedLabel::TAttachedLabel(QWidget& control) : FControl(control) {}

TAttachedLabel::~TAttachedLabel() {
  // Already deleted with the parent: the pointer held is no longer ours to free.
  if (!FLabel) (void)FOwner.release();
}

void TAttachedLabel::SetCaption(const QString& value) {
  if (!FLabel) {
    FOwner = std::make_unique<TClickLabel>(FControl.parentWidget(), *this);
    FLabel = FOwner.get();
    FLabel->setBuddy(&FControl);
    FLabel->setEnabled(FAlwaysEnabled || FControl.isEnabled());
  }
  FLabel->setText(value);
  Update();
}

void TAttachedLabel::SetPosition(TLabelPosition value) {
  FPosition = value;
  Update();
}

void TAttachedLabel::SetMargin(int32_t value) {
  FMargin = value;
  Update();
}

void TAttachedLabel::SetTransparent(bool value) {
  FTransparent = value;
  Update();
}

void TAttachedLabel::SetAlwaysEnabled(bool value) {
  FAlwaysEnabled = value;
  if (FLabel) FLabel->setEnabled(value || FControl.isEnabled());
}

void TAttachedLabel::SetFont(const QFont& value) {
  FFont = value;
  Update();
}

void TAttachedLabel::SetUseControlFont(bool value) {
  FUseControlFont = value;
  Update();
}

void TAttachedLabel::SetBold(bool value) {
  FBold = value;
  Update();
}

void TAttachedLabel::Update() {
  if (!FLabel) return;
  FLabel->setAutoFillBackground(!FTransparent);
  QFont font = FUseControlFont ? FControl.font() : FFont;
  font.setBold(FBold);
  FLabel->setFont(font);
  FLabel->adjustSize();
  const int32_t tw = FLabel->fontMetrics().horizontalAdvance(FLabel->text());
  const TRect control =
      Rect(FControl.x(), FControl.y(), FControl.x() + FControl.width(), FControl.y() + FControl.height());
  const TPoint origin = LabelOrigin(FPosition, control, FLabel->width(), FLabel->height(), tw, FMargin);
  FLabel->move(origin.X, origin.Y);
  FLabel->setVisible(!FControl.isHidden());
}

void TAttachedLabel::Follow(const QEvent& e) {
  if (!FLabel) return;
  switch (e.type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::FontChange:
      Update();
      break;
    case QEvent::EnabledChange:
      if (!FAlwaysEnabled) FLabel->setEnabled(FControl.isEnabled());
      break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
      FLabel->setVisible(!FControl.isHidden());
      break;
    case QEvent::ParentChange:
      FLabel->setParent(FControl.parentWidget());
      Update();
      break;
    default:
      break;
  }
}
