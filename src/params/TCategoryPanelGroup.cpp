#include "TCategoryPanelGroup.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "TCategoryPanel.h"

namespace {
// The classic scrolling control moves this many pixels per line.
constexpr int32_t Line_Step = 8;
}  // namespace

TCategoryPanelGroup::TCategoryPanelGroup(QWidget* parent) : QScrollArea(parent), FContent(new QWidget) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(false);
  setWidget(FContent);
  verticalScrollBar()->setSingleStep(Line_Step);
  verticalScrollBar()->setTracking(true);
  viewport()->setBackgroundRole(QPalette::Window);
  FContent->setBackgroundRole(QPalette::Window);
}

void TCategoryPanelGroup::Add_Panel(TCategoryPanel* panel) {
  panel->setParent(FContent);
  // A new panel joins at the bottom of the stack.
  panel->Set_Stack_Top(FContent->height());
  FPanels.push_back(panel);
  Restack();
}

void TCategoryPanelGroup::SetHeader_Height(int32_t value) {
  FHeader_Height = value;
  Restack();
}

void TCategoryPanelGroup::SetHeader_Font(const QFont& font) {
  FHeader_Font = font;
  for (TCategoryPanel* p : FPanels) p->update();
}

void TCategoryPanelGroup::SetGradient(TColor base, TColor end) {
  FGradient_Base = base;
  FGradient_End = end;
  for (TCategoryPanel* p : FPanels) p->update();
}

void TCategoryPanelGroup::SetChevron_Colors(TColor normal, TColor hot) {
  FChevron_Color = normal;
  FChevron_Hot_Color = hot;
  for (TCategoryPanel* p : FPanels) p->update();
}

void TCategoryPanelGroup::SetHeader_Images(const QImage& expanded, const QImage& collapsed) {
  FExpanded_Image = expanded;
  FCollapsed_Image = collapsed;
  for (TCategoryPanel* p : FPanels) p->update();
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const {
  return FPanels;
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Visible_Panels() const {
  std::vector<TCategoryPanel*> out;
  for (TCategoryPanel* p : FPanels)
    if (!p->isHidden()) out.push_back(p);
  return out;
}

void TCategoryPanelGroup::Restack(const TCategoryPanel* moved) {
  if (FRestacking) return;
  FRestacking = true;
  std::stable_sort(FPanels.begin(), FPanels.end(), [moved](const TCategoryPanel* a, const TCategoryPanel* b) {
    if (a->Top() != b->Top()) return a->Top() < b->Top();
    return a == moved && b != moved;
  });
  const int32_t width = viewport()->width();
  int32_t y = 0;
  for (TCategoryPanel* p : FPanels) {
    if (p->isHidden()) continue;
    const int32_t h = p->Collapsed() ? FHeader_Height : p->Panel_Height();
    p->setGeometry(0, y, width, h);
    p->Set_Stack_Top(y);
    y += h;
  }
  FContent->resize(width, y);
  FRestacking = false;
}

void TCategoryPanelGroup::Scroll_Lines(int32_t lines, bool up) {
  for (int32_t i = 0; i < lines; ++i)
    verticalScrollBar()->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                          : QAbstractSlider::SliderSingleStepAdd);
}

void TCategoryPanelGroup::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  Restack();
}

bool TCategoryPanelGroup::viewportEvent(QEvent* event) {
  const bool result = QScrollArea::viewportEvent(event);
  if (event->type() == QEvent::Resize) Restack();
  return result;
}
